// The real tarvik-driver binary plays every transcript of tests/scenarios/:
// commands on standard input, one answer a line, exit status 0 at the end.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Check {
    int line;
    std::string command;
    std::string expected;
};

bool matches(const std::string& expected, const std::string& got) {
    if (!expected.empty() && expected.front() == '!') return !matches(expected.substr(1), got);
    if (!expected.empty() && expected.back() == '*') return got.rfind(expected.substr(0, expected.size() - 1), 0) == 0;
    return got == expected;
}

bool is_comment(const std::string& line) {
    std::size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == '#';
}

TEST(DriverBinary, PlaysEveryTranscriptAndExitsCleanly) {
    fs::path work = fs::temp_directory_path() / ("tarvik-driver-test-" + std::to_string(::getpid()));
    fs::create_directories(work);
    int transcripts = 0;
    for (const auto& entry : fs::directory_iterator(TARVIK_SCENARIO_DIR)) {
        if (entry.path().extension() != ".scn") continue;
        ++transcripts;
        std::ifstream in(entry.path());
        std::ofstream commands(work / "in.txt", std::ios::trunc);
        std::vector<Check> checks;
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            Check check{number, line, "ok"};
            if (auto arrow = line.find(" => "); arrow != std::string::npos) {
                check.command = line.substr(0, arrow);
                check.expected = line.substr(arrow + 4);
            } else if (line.size() >= 3 && line.compare(line.size() - 3, 3, " =>") == 0) {
                check.command = line.substr(0, line.size() - 3);
                check.expected = "";
            }
            commands << check.command << '\n';
            if (!is_comment(check.command)) checks.push_back(check);
        }
        commands.close();
        std::string run = "'" + std::string(TARVIK_DRIVER_PATH) + "' < '" + (work / "in.txt").string() + "' > '" +
                          (work / "out.txt").string() + "'";
        int status = std::system(run.c_str());
        EXPECT_EQ(status, 0) << entry.path().filename() << ": the driver did not exit 0";
        std::ifstream out(work / "out.txt");
        std::size_t index = 0;
        while (std::getline(out, line) && index < checks.size()) {
            const Check& check = checks[index++];
            EXPECT_TRUE(matches(check.expected, line))
                << entry.path().filename().string() << ":" << check.line << ": sent '" << check.command
                << "', expected '" << check.expected << "', got '" << line << "'";
        }
        EXPECT_EQ(index, checks.size()) << entry.path().filename() << ": fewer answers than commands";
        EXPECT_FALSE(std::getline(out, line)) << entry.path().filename() << ": more answers than commands";
    }
    EXPECT_GT(transcripts, 0);
    fs::remove_all(work);
}

}  // namespace
