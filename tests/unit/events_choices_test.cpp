// The event dialogs' choices where play through the board cannot easily reach:
// a station on a razed lot, exactly 3 police at the hijack, the rail offer's
// arithmetic and a catalogue that was never opened.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "game.h"
#include "runtime/picture.h"
#include "state/city_state.h"

using namespace tarvik;

namespace {

constexpr int kRazedLots[] = {22, 46, 44, 33, 55, 56};

class Choices : public testing::Test {
protected:
    void SetUp() override {
        m_game = new_game([] { return std::string("12:00:00"); });
        m_game->advance(12000);  // the watchers tick at 13000, 14000, ...
        m_main = &m_game->ensure_form("form1");
    }

    Control& at(std::string_view name) { return (*m_main)[name]; }
    bool shown(std::string_view form) const {
        const Form* found = m_game->find_form(form);
        return found != nullptr && found->visible();
    }
    void click(std::string_view form, int x, int y) { m_game->click(m_game->ensure_form(form), x, y); }

    // A factory on a lot, as the lot procedure leaves it.
    void build(int lot) {
        at("n" + std::to_string(lot)).set_picture(at("t").picture());
        write_flag(at("nn" + std::to_string(lot)), 1);
    }

    std::map<std::string, std::string> city_values() {
        std::map<std::string, std::string> values;
        for (const char* name : {"many", "lid", "nalada", "pen", "pol", "has", "letiste"})
            values[name] = at(name).caption();
        return values;
    }

    std::unique_ptr<Program> m_game;
    Form* m_main = nullptr;
};

TEST_F(Choices, MiningPoliceFailureRazesTheStationAndTakesOnlyMood) {
    for (const char* police : {"0", "1", "2"}) {
        SCOPED_TRACE(police);
        SetUp();
        for (int lot : kRazedLots) build(lot);
        build(36);
        build(27);
        write_flag(at("nn56n"), 1);
        at("pen").set_caption("35");
        at("lid").set_caption("120");
        at("pol").set_caption(police);
        m_game->advance(1000);
        ASSERT_TRUE(shown("Form6"));
        auto expected = city_values();
        expected["nalada"] = "10";

        click("Form6", 5200, 8500);  // "2)policejni zasah"
        EXPECT_FALSE(shown("Form6"));
        for (int lot : kRazedLots) {
            EXPECT_TRUE(same_picture(at("n" + std::to_string(lot)).picture(), at("nic").picture())) << lot;
            EXPECT_EQ(at("nn" + std::to_string(lot)).caption(), "0") << lot;
        }
        EXPECT_EQ(at("nn56n").caption(), "0") << "the train stops";
        EXPECT_EQ(city_values(), expected);
    }
}

TEST_F(Choices, HijackWithExactlyThreePoliceStaysAndKeepsBeingShown) {
    at("pol").set_caption("3");
    write_flag(at("letiste"), 2);
    m_game->advance(1000);
    ASSERT_TRUE(shown("Form8"));
    const auto before = city_values();
    click("Form8", 6600, 8600);  // "Zavolat komando"
    EXPECT_TRUE(shown("Form8"));
    EXPECT_EQ(city_values(), before);
    EXPECT_EQ(at("Timer8").interval(), 1000);

    click("Form8", 1500, 8600);  // "Zaplatit 2000" still ends it
    EXPECT_FALSE(shown("Form8"));
    EXPECT_EQ(at("many").caption(), "-1000");
    EXPECT_EQ(at("Timer8").interval(), 0);
}

TEST_F(Choices, AcceptingTheRailOfferTakes2000WithoutATest) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {{"1000", "-1000"}, {"2000", "0"}, {"5000", "3000"}};
    for (const auto& money : cases) {
        SCOPED_TRACE(money.before);
        SetUp();
        at("many").set_caption(money.before);
        write_flag(at("nn28"), 1);
        write_flag(at("nn34"), 1);
        m_game->advance(1000);
        ASSERT_TRUE(shown("Form9"));
        click("Form9", 3000, 8600);  // "ano"
        EXPECT_EQ(at("many").caption(), money.after);
        EXPECT_FALSE(shown("Form9"));
    }
}

TEST_F(Choices, AcceptingMakesTheStationItemOfACatalogueNeverOpened) {
    write_flag(at("nn28"), 1);
    write_flag(at("nn34"), 1);
    m_game->advance(1000);
    ASSERT_EQ(m_game->find_form("Form3"), nullptr);
    click("Form9", 3000, 8600);  // "ano"
    ASSERT_NE(m_game->find_form("Form3"), nullptr) << "created to take the change";
    EXPECT_FALSE(shown("Form3")) << "but not shown";
    EXPECT_TRUE(at("kolej").visible());
    EXPECT_TRUE(at("vlak").visible());

    click("form1", 1500, 3700);  // the catalogue button
    EXPECT_TRUE(shown("Form3"));
    EXPECT_TRUE(m_game->ensure_form("Form3")["nad"].visible());
}

}  // namespace
