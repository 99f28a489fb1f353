// Each transcript in tests/scenarios/ is one named test. A transcript holds
// driver commands with their expected answers, in the form the outside
// acceptance checks use: "COMMAND => EXPECTED" ("*" at the end of EXPECTED
// matches any rest), a line without "=>" must answer "ok", "#" lines are
// comments. The commands run through the very parser of tarvik-driver.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "driver/driver.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> transcript_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(TARVIK_SCENARIO_DIR))
        if (entry.path().extension() == ".scn") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool matches(const std::string& expected, const std::string& got) {
    if (!expected.empty() && expected.front() == '!') return !matches(expected.substr(1), got);
    if (!expected.empty() && expected.back() == '*') return got.rfind(expected.substr(0, expected.size() - 1), 0) == 0;
    return got == expected;
}

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, PlaysAsWritten) {
    std::ifstream file(fs::path(TARVIK_SCENARIO_DIR) / (GetParam() + ".scn"));
    ASSERT_TRUE(file) << "cannot read transcript " << GetParam();
    tarvik::Driver driver([](tarvik::Millis) { return std::string("12:00:00"); });
    std::string line;
    int number = 0;
    int checked = 0;
    while (std::getline(file, line)) {
        ++number;
        std::string command = line;
        std::string expected = "ok";
        if (auto arrow = line.find(" => "); arrow != std::string::npos) {
            command = line.substr(0, arrow);
            expected = line.substr(arrow + 4);
        } else if (line.size() >= 3 && line.compare(line.size() - 3, 3, " =>") == 0) {
            command = line.substr(0, line.size() - 3);
            expected = "";
        }
        auto answer = driver.execute(command);
        if (!answer) continue;  // comment or blank line
        ++checked;
        ASSERT_TRUE(matches(expected, *answer))
            << GetParam() << ".scn:" << number << ": sent '" << command << "', expected '" << expected
            << "', got '" << *answer << "'";
    }
    EXPECT_GT(checked, 0) << "transcript " << GetParam() << " checks nothing";
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Transcript, testing::ValuesIn(transcript_names()),
                         [](const testing::TestParamInfo<std::string>& param_info) {
                             std::string name = param_info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
