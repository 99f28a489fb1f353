// The real tarvik-driver binary plays each transcript of tests/scenarios/ as
// one named test: every line on standard input (comments too, which it must
// skip), one answer a checked line, exit status 0 at the end of the input.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "transcript.h"

namespace {

namespace fs = std::filesystem;
using namespace tarvik::transcript;

struct DriverRun {
    std::vector<std::string> answers;
    int status = -1;  // as waitpid reports it
};

// Runs the driver with the given input, one answer a line of its output.
DriverRun run_driver(const fs::path& input) {
    DriverRun run;
    const std::string command = "'" + std::string(TARVIK_DRIVER_PATH) + "' < '" + input.string() + "'";
    FILE* out = ::popen(command.c_str(), "r");
    if (out == nullptr) return run;
    std::string text;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, out)) > 0;) text.append(buffer, got);
    run.status = ::pclose(out);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        run.answers.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return run;
}

class DriverBinary : public testing::TestWithParam<std::string> {};

TEST_P(DriverBinary, PlaysAsWritten) {
    const std::string& name = GetParam();
    const std::vector<Line> lines = read(file_of(name));
    const std::vector<Line> checks = checked_lines(lines);
    ASSERT_FALSE(checks.empty()) << "transcript " << name << " checks nothing";

    const fs::path work = fs::temp_directory_path() / ("tarvik-driver-test-" + std::to_string(::getpid()));
    fs::create_directories(work);
    const fs::path input = work / (name + ".in");
    {
        std::ofstream commands(input, std::ios::trunc);
        for (const Line& line : lines) commands << line.command << '\n';
    }
    const DriverRun run = run_driver(input);
    fs::remove_all(work);

    EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0)
        << name << ".scn: the driver did not exit 0 (wait status " << run.status << ")";
    for (std::size_t i = 0; i < std::min(run.answers.size(), checks.size()); ++i) {
        if (!answer_matches(*checks[i].expected, run.answers[i])) {
            ADD_FAILURE() << mismatch(name, checks[i], run.answers[i]);
            break;
        }
    }
    EXPECT_EQ(run.answers.size(), checks.size())
        << name << ".scn: " << run.answers.size() << " answers to " << checks.size() << " checked lines";
}

INSTANTIATE_TEST_SUITE_P(Scenarios, DriverBinary, testing::ValuesIn(names()), test_name);

TEST(DriverBinaryTranscripts, ThereAreTranscriptsToPlay) { EXPECT_FALSE(names().empty()); }

}  // namespace
