// The event dialogs' choices where play through the board cannot easily reach:
// a station on a razed lot, exactly 3 police at the hijack, the rail offer's
// arithmetic and a catalogue that was never opened.

#include <gtest/gtest.h>

#include <string>

#include "game_fixture.h"
#include "state/city_state.h"

using namespace tarvik;
using namespace tarvik::testing_game;

namespace {

constexpr int kRazedLots[] = {22, 46, 44, 33, 55, 56};

class Choices : public GameTest {
protected:
    // A factory on a lot, as the lot procedure leaves it.
    void build(int lot) {
        choose(lot_name(lot), "t");
        write_flag(main(flag_name(lot)), 1);
    }
};

TEST_F(Choices, MiningPoliceFailureRazesTheStationAndTakesOnlyMood) {
    for (const char* police : {"0", "1", "2"}) {
        SCOPED_TRACE(police);
        fresh_game();
        for (int lot : kRazedLots) build(lot);
        build(36);
        build(27);
        write_flag(main("nn56n"), 1);
        main("pen").set_caption("35");
        main("lid").set_caption("120");
        main("pol").set_caption(police);
        advance(1000);
        ASSERT_TRUE(shown("Form6"));
        CityValues expected = city();
        expected.mood = "10";

        click("Form6", 5200, 8500);  // "2)policejni zasah"
        EXPECT_FALSE(shown("Form6"));
        for (int lot : kRazedLots) {
            EXPECT_TRUE(same(lot_name(lot), "nic")) << lot;
            EXPECT_EQ(main(flag_name(lot)).caption(), "0") << lot;
        }
        EXPECT_EQ(main("nn56n").caption(), "0") << "the train stops";
        EXPECT_EQ(city(), expected);
    }
}

TEST_F(Choices, HijackWithExactlyThreePoliceStaysAndKeepsBeingShown) {
    main("pol").set_caption("3");
    write_flag(main("letiste"), 2);
    advance(1000);
    ASSERT_TRUE(shown("Form8"));
    const auto before = city();
    click("Form8", 6600, 8600);  // "Zavolat komando"
    EXPECT_TRUE(shown("Form8"));
    EXPECT_EQ(city(), before);
    EXPECT_EQ(main("Timer8").interval(), 1000);

    click("Form8", 1500, 8600);  // "Zaplatit 2000" still ends it
    EXPECT_FALSE(shown("Form8"));
    EXPECT_EQ(money(), "-1000");
    EXPECT_EQ(main("Timer8").interval(), 0);
}

TEST_F(Choices, AcceptingTheRailOfferTakes2000WithoutATest) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {{"1000", "-1000"}, {"2000", "0"}, {"5000", "3000"}};
    for (const auto& amount : cases) {
        SCOPED_TRACE(amount.before);
        fresh_game();
        main("many").set_caption(amount.before);
        write_flag(main("nn28"), 1);
        write_flag(main("nn34"), 1);
        advance(1000);
        ASSERT_TRUE(shown("Form9"));
        click("Form9", 3000, 8600);  // "ano"
        EXPECT_EQ(money(), amount.after);
        EXPECT_FALSE(shown("Form9"));
    }
}

TEST_F(Choices, AcceptingMakesTheStationItemOfACatalogueNeverOpened) {
    write_flag(main("nn28"), 1);
    write_flag(main("nn34"), 1);
    advance(1000);
    ASSERT_FALSE(loaded("Form3"));
    click("Form9", 3000, 8600);  // "ano"
    ASSERT_TRUE(loaded("Form3")) << "created to take the change";
    EXPECT_FALSE(shown("Form3")) << "but not shown";
    EXPECT_TRUE(main("kolej").visible());
    EXPECT_TRUE(main("vlak").visible());

    click("form1", 1500, 3700);  // the catalogue button
    EXPECT_TRUE(shown("Form3"));
    EXPECT_TRUE(control("Form3", "nad").visible());
}

}  // namespace
