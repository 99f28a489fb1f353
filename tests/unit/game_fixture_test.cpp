// The shared fixture's bounded wait: it stops on the tick that makes the
// condition hold, and never runs past its limit.

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "state/city_state.h"

using namespace tarvik;
using namespace tarvik::testing_game;

namespace {

class GameFixture : public GameTest {};

TEST_F(GameFixture, AdvanceUntilStopsOnTheTickThatMakesItHold) {
    write_flag(main("nn36"), 1);
    write_flag(main("nn27"), 1);
    ASSERT_TRUE(advance_until(5000, [&] { return shown("Form6"); }));
    EXPECT_EQ(game().now(), kMainScreenUp + 1000) << "the mining watcher's first tick";
}

TEST_F(GameFixture, AdvanceUntilRunsNoFurtherThanItsLimit) {
    int checks = 0;
    EXPECT_FALSE(advance_until(2500, [&] {
        ++checks;
        return false;
    }));
    EXPECT_EQ(game().now(), kMainScreenUp + 2500);
    EXPECT_GT(checks, 2) << "looked again after each tick";
}

TEST_F(GameFixture, AdvanceUntilTakesNoTimeWhenItHoldsAlready) {
    EXPECT_TRUE(advance_until(5000, [] { return true; }));
    EXPECT_EQ(game().now(), kMainScreenUp);
}

}  // namespace
