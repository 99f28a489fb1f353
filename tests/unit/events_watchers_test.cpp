// The watcher timers of the main screen: which state opens which event dialog,
// on which tick, and that each opens it once (the hijack every second).

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "game.h"
#include "state/city_state.h"

using namespace tarvik;

namespace {

class Watchers : public testing::Test {
protected:
    void SetUp() override {
        m_game = new_game([] { return std::string("12:00:00"); });
        m_game->advance(12000);  // the main screen is up; its watchers tick at 13000, 14000, ...
        m_main = &m_game->ensure_form("form1");
    }

    Control& at(std::string_view name) { return (*m_main)[name]; }
    bool shown(std::string_view form) const {
        const Form* found = m_game->find_form(form);
        return found != nullptr && found->visible();
    }
    bool loaded(std::string_view form) const { return m_game->find_form(form) != nullptr; }
    void smile() { at("nal").set_picture(at("smich").picture()); }

    std::unique_ptr<Program> m_game;
    Form* m_main = nullptr;
};

TEST_F(Watchers, MiningIncidentNeedsBothLotsAndStopsItsWatcherInsideTheFirstShow) {
    write_flag(at("nn36"), 1);
    m_game->advance(3000);
    EXPECT_FALSE(loaded("Form6")) << "lot 36 alone opens nothing";

    write_flag(at("nn36"), 0);
    write_flag(at("nn27"), 1);
    m_game->advance(3000);
    EXPECT_FALSE(loaded("Form6")) << "lot 27 alone opens nothing";

    write_flag(at("nn36"), 1);
    m_game->advance(999);
    EXPECT_FALSE(loaded("Form6")) << "only the next whole-second tick looks";
    m_game->advance(1);
    EXPECT_TRUE(shown("Form6"));
    EXPECT_EQ(at("Timer6").interval(), 0);
}

TEST_F(Watchers, MiningIncidentNeverReturnsAfterItsLotsAreRebuilt) {
    write_flag(at("nn36"), 1);
    write_flag(at("nn27"), 1);
    m_game->advance(1000);
    ASSERT_TRUE(shown("Form6"));
    m_game->hide("Form6");
    write_flag(at("nn27"), 0);
    m_game->advance(2000);
    write_flag(at("nn27"), 1);
    m_game->advance(5000);
    EXPECT_FALSE(shown("Form6"));
}

TEST_F(Watchers, FlagsCountOnlyWhenTheyReadExactlyOne) {
    at("nn36").set_caption("1x");
    write_flag(at("nn27"), 1);
    at("nn28").set_caption("2");
    write_flag(at("nn34"), 1);
    m_game->advance(3000);
    EXPECT_FALSE(loaded("Form6"));
    EXPECT_FALSE(loaded("Form9"));
    EXPECT_EQ(at("Timer6").interval(), 1000);
    EXPECT_EQ(at("Timer11").interval(), 1000);
}

TEST_F(Watchers, VictoryNeedsMoreThan300PeopleUnderTheSmilingTemplatesVeryPicture) {
    // Mood exactly 100 leaves the face as it is, so the design face stays:
    // it looks like the smiling one but is a picture of its own.
    at("nalada").set_caption("100");
    at("lid").set_caption("301");
    m_game->advance(3000);
    EXPECT_FALSE(loaded("Form7")) << "the design face is not the smiling template's picture";

    at("nalada").set_caption("110");
    smile();
    at("lid").set_caption("300");
    m_game->advance(3000);
    EXPECT_FALSE(loaded("Form7")) << "exactly 300 is not enough";

    at("lid").set_caption("301");
    m_game->advance(1000);
    EXPECT_TRUE(shown("Form7"));
    EXPECT_EQ(at("Timer7").interval(), 0);
}

TEST_F(Watchers, HijackNeedsTwoAirportsAndIsShownAgainEverySecond) {
    write_flag(at("letiste"), 1);
    m_game->advance(3000);
    EXPECT_FALSE(loaded("Form8")) << "one airport is not enough";

    write_flag(at("letiste"), 2);
    m_game->advance(1000);
    ASSERT_TRUE(shown("Form8"));
    const Form& hijack = *m_game->find_form("Form8");
    m_game->click(*m_main, 6000, 4000);
    EXPECT_EQ(m_game->front(), m_main) << "a click on the board brings the main screen forward";
    m_game->advance(1000);
    EXPECT_EQ(m_game->front(), &hijack) << "the next show brings the dialog in front again";
    EXPECT_EQ(at("Timer8").interval(), 1000) << "the watcher does not stop itself";

    // Were it hidden by anything but its own choices, the next tick shows it again.
    m_game->hide("Form8");
    m_game->advance(1000);
    EXPECT_TRUE(shown("Form8"));
    const auto copies = std::count_if(m_game->forms().begin(), m_game->forms().end(),
                                      [](const auto& form) { return form->name() == "Form8"; });
    EXPECT_EQ(copies, 1) << "one window, however often it is shown";
}

}  // namespace
