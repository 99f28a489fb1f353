// The one table of which kind has which property: the layouts' README says
// what the code does, the reader names the file and line of every fault, and
// the driver reads exactly the properties the table lets it read.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/control_properties.h"
#include "runtime/layout.h"

using namespace tarvik;

namespace {

std::string value_words(const ControlProperty& property) {
    switch (property.type) {
    case ValueType::Twips: return "twips";
    case ValueType::Milliseconds: return "milliseconds";
    case ValueType::Number: return "number";
    case ValueType::Bool: return "bool";
    case ValueType::Colour: return "colour";
    case ValueType::Text: return "text";
    case ValueType::Drawing: return "drawing";
    case ValueType::Name: return "name";
    case ValueType::Choice: break;
    }
    std::string words;
    for (std::string_view choice : property.choices)
        words += (words.empty() ? "`" : " or `") + std::string(choice) + "`";
    return words;
}

std::string kind_words(KindSet kinds) {
    std::string words;
    for (const ControlKindInfo& info : control_kinds())
        if (kind_in(kinds, info.kind)) words += (words.empty() ? "`" : " `") + std::string(info.name) + "`";
    return words;
}

std::vector<std::string> cells(const std::string& row) {
    std::vector<std::string> result;
    std::stringstream stream(row);
    std::string cell;
    std::getline(stream, cell, '|');  // before the first bar
    while (std::getline(stream, cell, '|')) {
        const auto first = cell.find_first_not_of(' ');
        const auto last = cell.find_last_not_of(' ');
        result.push_back(first == std::string::npos ? "" : cell.substr(first, last - first + 1));
    }
    return result;
}

}  // namespace

TEST(ControlProperties, TheLayoutsReadmeListsTheTableOfTheCode) {
    std::ifstream readme(TARVIK_SOURCE_DIR "/assets/layouts/README.md");
    ASSERT_TRUE(readme) << "cannot read assets/layouts/README.md";
    std::string line;
    while (std::getline(readme, line) && line.rfind("| property | value | kinds |", 0) != 0) {}
    std::getline(readme, line);  // the rule under the heading
    std::size_t row = 0;
    const auto& table = control_properties();
    while (std::getline(readme, line) && line.rfind("|", 0) == 0) {
        ASSERT_LT(row, table.size()) << "the README lists more properties than the code: " << line;
        const ControlProperty& property = table[row++];
        const std::vector<std::string> columns = cells(line);
        ASSERT_GE(columns.size(), 3u) << line;
        EXPECT_EQ(columns[0], "`" + std::string(property.name) + "`");
        EXPECT_EQ(columns[1], value_words(property)) << property.name;
        EXPECT_EQ(columns[2], kind_words(property.kinds)) << property.name;
    }
    EXPECT_EQ(row, table.size()) << "the README lists fewer properties than the code";
}

TEST(ControlProperties, TheDriverReadsOnlyWhatTheTableLetsItRead) {
    const Layout layout = read_layout("t.layout",
                                      "window W ClientWidth=100 ClientHeight=100\n"
                                      "Timer t Interval=250\n"
                                      "Line l X1=1 Y1=2 X2=3 Y2=4 BorderColor=#FF0000\n"
                                      "Label a Left=-240 Top=15 Width=30 Height=45 Caption=\"x\" ForeColor=#FFFF00\n",
                                      {});
    const Control& timer = layout.controls[0];
    const Control& line = layout.controls[1];
    const Control& label = layout.controls[2];
    EXPECT_EQ(read_control_property(timer, "Interval"), "250");
    EXPECT_EQ(read_control_property(timer, "Visible"), std::nullopt);
    EXPECT_EQ(read_control_property(line, "Y2"), "4");
    EXPECT_EQ(read_control_property(line, "Left"), std::nullopt);
    EXPECT_EQ(read_control_property(line, "BorderColor"), std::nullopt) << "set by layouts only";
    EXPECT_EQ(read_control_property(label, "Left"), "-240");
    EXPECT_EQ(read_control_property(label, "Caption"), "x");
    EXPECT_EQ(read_control_property(label, "Text"), std::nullopt);
    EXPECT_EQ(read_control_property(label, "ForeColor"), std::nullopt);
    EXPECT_FALSE(line.takes_clicks());
    EXPECT_TRUE(label.takes_clicks());
}

TEST(ControlProperties, EveryFaultNamesItsLineAndIntervalsAreMilliseconds) {
    const std::pair<const char*, const char*> faults[] = {
        {"window W ClientWidth=10 ClientHeight=10\n\nTimer t Interval=1.5\n",
         "t.layout:3: Interval must be a whole number of milliseconds, got '1.5'"},
        {"window W ClientWidth=10 ClientHeight=10\nTimer t Interval=-10\n",
         "t.layout:2: Interval must not be negative"},
        {"window W ClientWidth=10 ClientHeight=10\nLabel a\n# a comment\nTimer t Container=nothing\n",
         "t.layout:4: t's container nothing is no frame of the window"},
        {"window W ClientWidth=10 ClientHeight=10\nLabel a Container=b\nLabel b\n",
         "t.layout:2: a's container b is no frame of the window"},
        {"window W ClientWidth=10 ClientHeight=10\nLabel a BackStyle=clear\n",
         "t.layout:2: BackStyle must be one of transparent, opaque, got 'clear'"},
        {"window W ClientWidth=10 ClientHeight=10 CloseRequest=quit\n",
         "t.layout:1: CloseRequest must be one of end, hide, ignore, got 'quit'"},
        {"window W ClientWidth=10 ClientHeight=10\nLabel a Visible=\"true\"\n",
         "t.layout:2: Visible must not be quoted"},
        {"window W ClientWidth=10 ClientHeight=10\nLine l Width=5\n", "t.layout:2: a Line has no property Width"},
    };
    for (const auto& [text, message] : faults) {
        try {
            read_layout("t.layout", text, {});
            ADD_FAILURE() << "accepted: " << text;
        } catch (const LayoutError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
}

TEST(ControlProperties, AnAutoSizedLabelGrowsAtItsDesignWidthPerCharacter) {
    Layout layout = read_layout(
        "t.layout", "window W ClientWidth=10 ClientHeight=10\nLabel a Width=660 AutoSize=true Caption=\"1000\"\n", {});
    Control& money = layout.controls[0];
    money.set_caption("-12345");
    EXPECT_EQ(money.width(), 6 * 165);
    money.set_caption("\xc5\xbe");  // one character of two bytes
    EXPECT_EQ(money.width(), 165);
}
