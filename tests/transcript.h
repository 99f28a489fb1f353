#pragma once

// The transcripts of tests/scenarios/, read the same way by the in-process
// runner and by the runner of the driver binary. A transcript holds one driver
// command a line, in the form the outside acceptance checks use:
//   COMMAND => EXPECTED   the answer must match EXPECTED (see answer_matches)
//   COMMAND =>            the answer must be empty
//   COMMAND               the answer must be "ok"
//   # ... or a blank line a comment: the driver gives no answer

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::transcript {

struct Line {
    int number = 0;                       // from 1
    std::string command;                  // what the driver is sent: the line without its expectation
    std::optional<std::string> expected;  // none for a comment or blank line
};

Line parse_line(int number, std::string_view text);

// Every line of a transcript, comments included, in order. Throws
// std::runtime_error if the file cannot be read.
std::vector<Line> read(const std::filesystem::path& file);

// Only the lines that expect an answer.
std::vector<Line> checked_lines(const std::vector<Line>& lines);

// EXPECTED ending in '*' matches any answer that starts with what comes
// before it; EXPECTED starting with '!' matches any answer that the rest does
// not match; anything else matches only itself.
bool answer_matches(std::string_view expected, std::string_view got);

// "NAME.scn:LINE: sent '...', expected '...', got '...'"
std::string mismatch(const std::string& name, const Line& line, const std::string& got);

// The transcripts of tests/scenarios/ by name (the file name without ".scn"),
// sorted, as CMake found them, and the file of one of them.
std::vector<std::string> names();
std::filesystem::path file_of(const std::string& name);

// A transcript's name as a test name: letters and digits, '_' for the rest.
std::string test_name(const ::testing::TestParamInfo<std::string>& info);

}  // namespace tarvik::transcript
