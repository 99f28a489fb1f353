#include "transcript.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <stdexcept>

namespace tarvik::transcript {

namespace fs = std::filesystem;

Line parse_line(int number, std::string_view text) {
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    Line line{number, std::string(text), std::nullopt};
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos || text[first] == '#') return line;

    constexpr std::string_view arrow = " => ";
    constexpr std::string_view bare_arrow = " =>";
    if (const std::size_t at = text.find(arrow); at != std::string_view::npos) {
        line.command = std::string(text.substr(0, at));
        line.expected = std::string(text.substr(at + arrow.size()));
    } else if (text.ends_with(bare_arrow)) {
        line.command = std::string(text.substr(0, text.size() - bare_arrow.size()));
        line.expected = "";
    } else {
        line.expected = "ok";
    }
    return line;
}

std::vector<Line> read(const fs::path& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read transcript " + file.string());
    std::vector<Line> lines;
    std::string text;
    while (std::getline(in, text)) lines.push_back(parse_line(static_cast<int>(lines.size()) + 1, text));
    return lines;
}

std::vector<Line> checked_lines(const std::vector<Line>& lines) {
    std::vector<Line> checked;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(checked),
                 [](const Line& line) { return line.expected.has_value(); });
    return checked;
}

bool answer_matches(std::string_view expected, std::string_view got) {
    if (expected.starts_with('!')) return !answer_matches(expected.substr(1), got);
    if (expected.ends_with('*')) return got.starts_with(expected.substr(0, expected.size() - 1));
    return got == expected;
}

std::string mismatch(const std::string& name, const Line& line, const std::string& got) {
    return name + ".scn:" + std::to_string(line.number) + ": sent '" + line.command + "', expected '" +
           line.expected.value_or("(no answer)") + "', got '" + got + "'";
}

std::vector<std::string> names() {
    std::vector<std::string> found = {
#include "transcript_names.inc"  // one "name", a line: written by CMake from scenarios/*.scn
    };
    std::sort(found.begin(), found.end());
    return found;
}

fs::path file_of(const std::string& name) { return fs::path(TARVIK_SCENARIO_DIR) / (name + ".scn"); }

std::string test_name(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

}  // namespace tarvik::transcript
