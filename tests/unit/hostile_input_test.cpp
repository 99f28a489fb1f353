// Hostile input: city names no player should type, and driver lines no script
// should send. Nothing crashes or hangs, every bad line gets one error line
// and changes nothing, and the title keeps its box.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_fixture.h"

using namespace tarvik;
using namespace tarvik::testing_game;

namespace {

class HostileInput : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        ASSERT_EQ(run("click form1 2300 250"), "ok");  // open the naming box
    }

    // Types NAME and confirms it with "ok".
    void name_city(const std::string& name) {
        control("Form2", "Text1").set_text(name);
        click("Form2", 3450, 1500);
    }

    Control& title() { return main("Label11"); }
};

}  // namespace

TEST_F(HostileInput, CityNamesAreTakenAsPlainTextAndTheTitleKeepsItsBox) {
    const RectTw box = title().rect();
    std::vector<std::string> names = {
        "",
        std::string(1 << 20, 'M'),
        std::string("\x01\x02\t\x1b[31mred\x7f", 12),
        "\xff\xfe\xc3(invalid\xed\xa0\x80utf8",
        "\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d \xd8\xb9\xd8\xa7\xd9\x84\xd9\x85",  // right-to-left text
        "&Menu %s %n {0} <b>bold</b>",
        std::string("zero\0byte", 9),
    };
    for (const std::string& name : names) {
        name_city(name);
        EXPECT_EQ(title().caption(), name);
        EXPECT_EQ(title().rect(), box);
    }
}

TEST_F(HostileInput, TheCodeWithBlanksAroundIsNotTheCode) {
    for (const char* name : {" Kvelin", "Kvelin ", "KVELIN", "Kvelin\t", "Kve lin"}) {
        name_city(name);
        ASSERT_EQ(run("advance 8000"), "ok");
        EXPECT_EQ(run("get form1.many.Caption"), "1000") << "'" << name << "'";
    }
    name_city("Kvelin");
    ASSERT_EQ(run("advance 8000"), "ok");
    EXPECT_EQ(run("get form1.many.Caption"), "20000");
}

TEST_F(HostileInput, EveryMalformedDriverLineGetsOneErrorAndChangesNothing) {
    const std::vector<std::string> lines = {
        "jump 10",
        "advance",
        "advance -1",
        "advance 1e3",
        "advance 0x10",
        "advance 184467440737095516160",
        "advance 86400001",
        "click",
        "click form1",
        "click form1 10",
        "click form1 10 20 30",
        "click New Town 1 2",
        "get",
        "get form1",
        "get form1.many",
        "get form1.many.Caption.extra",
        "get form1..Caption",
        "get .many.Caption",
        "get form1.my label.Caption",
        "same form1.d",
        "same form1.d form1.d1 form1.d2",
        "shown",
        "shown form1 Form2",
        "loaded Form 3",
        "type",
        "type form1",
        "type form1.many text",
        "type Form3.Label3 text",
        "close",
        "close Form3",
        "close form1 Form3",
        "close Form10",
        "front form1",
        std::string("\x00\x01\xff\xfe garbage", 12),
        "\xc3\x28 \xa0\xa1",
        std::string(100000, 'x'),
        "ADVANCE 10",
    };
    const std::string money = this->money();
    const Millis now = game().now();
    const std::size_t windows = game().forms().size();
    for (const std::string& line : lines) {
        auto answer = driver().execute(line);
        ASSERT_TRUE(answer.has_value()) << line.substr(0, 40);
        EXPECT_EQ(answer->rfind("error: ", 0), 0u) << line.substr(0, 40) << " -> " << *answer;
        EXPECT_EQ(answer->find('\n'), std::string::npos);
        EXPECT_LT(answer->size(), 300u) << "errors stay short";
    }
    EXPECT_EQ(this->money(), money);
    EXPECT_EQ(game().now(), now);
    EXPECT_EQ(game().forms().size(), windows) << "no window was created";
}

bool valid_utf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

TEST_F(HostileInput, ErrorsEchoLongNamesCutAtACharacterBoundary) {
    // Names of every length around the cut, in characters of two, three and
    // four bytes, each in every error that echoes a name.
    for (const std::string character : {"\u017e", "\u20ac", "\U0001F682"}) {
        for (std::size_t ascii = 50; ascii <= 62; ++ascii) {
            std::string name(ascii, 'a');
            for (int i = 0; i < 8; ++i) name += character;
            ASSERT_TRUE(valid_utf8(name));
            for (const std::string& line : {name, "advance " + name, "get " + name, "get form1." + name + ".Caption",
                                            "click " + name + " 1 1", "shown " + name, "close " + name}) {
                const std::string answer = run(line);
                EXPECT_EQ(answer.rfind("error: ", 0), 0u) << answer;
                EXPECT_TRUE(valid_utf8(answer)) << line << " -> " << answer;
            }
        }
    }
}

TEST_F(HostileInput, ALineOfMillionsOfWordsIsOneError) {
    std::string words;
    for (int i = 0; i < 2'000'000; ++i) words += "1 ";
    for (const char* verb : {"advance ", "click form1 ", "get ", "same ", "shown ", "close "})
        EXPECT_EQ(run(verb + words).rfind("error: ", 0), 0u) << verb;
    std::string dots = "get form1";
    for (int i = 0; i < 2'000'000; ++i) dots += ".x";
    EXPECT_EQ(run(dots).rfind("error: ", 0), 0u);
    EXPECT_EQ(run("get form1.many.Caption"), "1000");
}

TEST_F(HostileInput, ClicksFarOutsideEveryWindowReachNothing) {
    const std::string money = run("get form1.many.Caption");
    EXPECT_EQ(run("click form1 99999999999 1"), "ok");
    EXPECT_EQ(run("click form1 -9223372036854775808 -2000000000"), "ok");
    EXPECT_EQ(run("click form1 2147483647 2147483647"), "ok");
    EXPECT_EQ(run("click form1 99999999999999999999 1").rfind("error: ", 0), 0u) << "not a 64-bit number";
    EXPECT_EQ(run("get form1.many.Caption"), money);
}

TEST_F(HostileInput, TextMayHoldAnyBytesAfterOneBlank) {
    EXPECT_EQ(run("type Form2.Text1   three blanks"), "ok");
    EXPECT_EQ(run("get Form2.Text1.Text"), "  three blanks");
    EXPECT_EQ(run("type Form2.Text1 "), "ok");
    EXPECT_EQ(run("get Form2.Text1.Text"), "");
    EXPECT_EQ(run("type Form2.Text1 a\tb\x01"), "ok");
    EXPECT_EQ(run("get Form2.Text1.Text"), "a\tb\x01");
}
