// The watcher timers of the main screen: which state opens which event dialog,
// on which tick, and that each opens it once (the hijack every second).

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "game_fixture.h"
#include "state/city_state.h"

using namespace tarvik;
using namespace tarvik::testing_game;

namespace {

// The main screen is up; its watchers tick at 13000, 14000, ...
class Watchers : public GameTest {
protected:
    void smile() { choose("nal", "smich"); }
    // Whether the window is loaded within `span` ms; the clock stops once it is.
    bool loads_within(Millis span, std::string_view form_name) {
        return advance_until(span, [&] { return loaded(form_name); });
    }
};

TEST_F(Watchers, MiningIncidentNeedsBothLotsAndStopsItsWatcherInsideTheFirstShow) {
    write_flag(main("nn36"), 1);
    EXPECT_FALSE(loads_within(3000, "Form6")) << "lot 36 alone opens nothing";

    write_flag(main("nn36"), 0);
    write_flag(main("nn27"), 1);
    EXPECT_FALSE(loads_within(3000, "Form6")) << "lot 27 alone opens nothing";

    write_flag(main("nn36"), 1);
    EXPECT_FALSE(loads_within(999, "Form6")) << "only the next whole-second tick looks";
    advance(1);
    EXPECT_TRUE(shown("Form6"));
    EXPECT_EQ(main("Timer6").interval(), 0);
}

TEST_F(Watchers, MiningIncidentNeverReturnsAfterItsLotsAreRebuilt) {
    write_flag(main("nn36"), 1);
    write_flag(main("nn27"), 1);
    advance(1000);
    ASSERT_TRUE(shown("Form6"));
    game().hide("Form6");
    write_flag(main("nn27"), 0);
    advance(2000);
    write_flag(main("nn27"), 1);
    advance(5000);
    EXPECT_FALSE(shown("Form6"));
}

TEST_F(Watchers, FlagsCountOnlyWhenTheyReadExactlyOne) {
    main("nn36").set_caption("1x");
    write_flag(main("nn27"), 1);
    main("nn28").set_caption("2");
    write_flag(main("nn34"), 1);
    EXPECT_FALSE(loads_within(3000, "Form6"));
    EXPECT_FALSE(loaded("Form9"));
    EXPECT_EQ(main("Timer6").interval(), 1000);
    EXPECT_EQ(main("Timer11").interval(), 1000);
}

TEST_F(Watchers, VictoryNeedsMoreThan300PeopleUnderTheSmilingTemplatesVeryPicture) {
    // Mood exactly 100 leaves the face as it is, so the design face stays:
    // it looks like the smiling one but is a picture of its own.
    main("nalada").set_caption("100");
    main("lid").set_caption("301");
    EXPECT_FALSE(loads_within(3000, "Form7")) << "the design face is not the smiling template's picture";

    main("nalada").set_caption("110");
    smile();
    main("lid").set_caption("300");
    EXPECT_FALSE(loads_within(3000, "Form7")) << "exactly 300 is not enough";

    main("lid").set_caption("301");
    advance(1000);
    EXPECT_TRUE(shown("Form7"));
    EXPECT_EQ(main("Timer7").interval(), 0);
}

TEST_F(Watchers, HijackNeedsTwoAirportsAndIsShownAgainEverySecond) {
    write_flag(main("letiste"), 1);
    EXPECT_FALSE(loads_within(3000, "Form8")) << "one airport is not enough";

    write_flag(main("letiste"), 2);
    advance(1000);
    ASSERT_TRUE(shown("Form8"));
    const Form& hijack = *game().find_form("Form8");
    click("form1", 6000, 4000);
    EXPECT_EQ(game().front(), &main()) << "a click on the board brings the main screen forward";
    advance(1000);
    EXPECT_EQ(game().front(), &hijack) << "the next show brings the dialog in front again";
    EXPECT_EQ(main("Timer8").interval(), 1000) << "the watcher does not stop itself";

    // Were it hidden by anything but its own choices, the next tick shows it again.
    game().hide("Form8");
    advance(1000);
    EXPECT_TRUE(shown("Form8"));
    const auto copies = std::count_if(game().forms().begin(), game().forms().end(),
                                      [](const auto& form) { return form->name() == "Form8"; });
    EXPECT_EQ(copies, 1) << "one window, however often it is shown";
}

}  // namespace
