// The train, the helicopter and the house template's alternating picture,
// played on the whole game from the main screen's load (12000 ms after start).

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "game_fixture.h"

using namespace tarvik;
using namespace tarvik::testing_game;

namespace {

class Animations : public GameTest {};

// --- House template ---------------------------------------------------------

enum class House { Design, Pool, Flowers };

class HouseTemplate : public Animations {
protected:
    void SetUp() override {
        Animations::SetUp();
        design = main("d").picture();
    }

    House shows() {
        const PictureRef& d = main("d").picture();
        if (same_picture(d, main("d1").picture())) return House::Pool;
        if (same_picture(d, main("d2").picture())) return House::Flowers;
        EXPECT_TRUE(same_picture(d, design)) << "d holds a picture of neither source";
        return House::Design;
    }

    // What d shows at a time after the load that is not a common moment of
    // the two swaps: the fixed stretches of every 8 s cycle.
    static House scheduled(Millis offset) {
        if (offset < 1600) return House::Design;
        // After a common moment Timer5 has run last: the pool house.
        const Millis in_cycle = offset % 8000;
        const bool flowers = (in_cycle >= 2000 && in_cycle < 3200) || (in_cycle >= 4000 && in_cycle < 4800) ||
                             (in_cycle >= 6000 && in_cycle < 6400);
        return flowers ? House::Flowers : House::Pool;
    }

    PictureRef design;
};

TEST_F(HouseTemplate, StartsWithItsOwnPictureThatMatchesNeitherSource) {
    EXPECT_EQ(shows(), House::Design);
    EXPECT_EQ(main("d").picture()->drawing(), main("d1").picture()->drawing()) << "it looks like d1";
}

TEST_F(HouseTemplate, FollowsTheScheduleOfAnEightSecondCycle) {
    for (Millis offset = 50; offset < 24000; offset += 100) {
        advance_to(offset);
        EXPECT_EQ(shows(), scheduled(offset)) << "at " << offset << " ms after the load";
    }
}

TEST_F(HouseTemplate, SwapsExactlyOnTheTicks) {
    advance_to(1599);
    EXPECT_EQ(shows(), House::Design);
    advance_to(1600);
    EXPECT_EQ(shows(), House::Pool) << "Timer5 ticks although its frame kod is hidden";
    advance_to(1999);
    EXPECT_EQ(shows(), House::Pool);
    advance_to(2000);
    EXPECT_EQ(shows(), House::Flowers);
    // At a common moment Timer5 runs after Timer4, in layout order.
    advance_to(8000);
    EXPECT_EQ(shows(), House::Pool);
}

// --- Train ------------------------------------------------------------------

struct TurnCase {
    float left;
    const char* levo_before;
    const char* levo_after;
};

void PrintTo(const TurnCase& turn, std::ostream* out) { *out << "Left " << turn.left << ", levo " << turn.levo_before; }

class TrainTurn : public Animations, public testing::WithParamInterface<TurnCase> {};

TEST_P(TrainTurn, TurnsOnlyStrictlyBeyondEitherEnd) {
    const TurnCase& turn = GetParam();
    main("vlak").set_left(turn.left);
    main("levo").set_caption(turn.levo_before);
    advance_to(100);  // one sprite tick, the station flag 0
    EXPECT_EQ(main("levo").caption(), turn.levo_after);
    EXPECT_EQ(main("vlak").left(), turn.left) << "a standing train is turned but not moved";
}

INSTANTIATE_TEST_SUITE_P(ExactPositions, TrainTurn,
                         testing::Values(TurnCase{10670.0f, "1", "0"}, TurnCase{10680.0f, "1", "1"},
                                         TurnCase{12010.0f, "0", "1"}, TurnCase{12000.0f, "0", "0"}));

TEST_F(Animations, TrainStoppedBeyondAnEndLeavesInTheNewDirection) {
    Control& vlak = main("vlak");
    vlak.set_left(10600.0f);
    advance_to(100);
    ASSERT_EQ(main("levo").caption(), "0");
    main("nn56n").set_caption("1");
    advance_to(150);
    EXPECT_EQ(vlak.left(), 10650.0f);
}

// --- Helicopter -------------------------------------------------------------

TEST_F(Animations, HelicopterShowsAndMovesOnTheFirstSpriteTickWithAnAirport) {
    Control& vrt = main("vrt");
    main("letiste").set_caption("1");
    main("dolu").set_caption("1");
    main("prav").set_caption("1");
    advance_to(99);
    EXPECT_FALSE(vrt.visible());
    advance_to(100);
    EXPECT_TRUE(vrt.visible());
    EXPECT_EQ(vrt.left(), 6820.0f);
    EXPECT_EQ(vrt.top(), 5140.0f);
}

TEST_F(Animations, HelicopterOppositeFlagsCancelOut) {
    Control& vrt = main("vrt");
    main("letiste").set_caption("1");
    for (const char* flag : {"nah", "dolu", "lev", "prav"}) main(flag).set_caption("1");
    advance_to(100);
    EXPECT_TRUE(vrt.visible());
    EXPECT_EQ(vrt.left(), 6720.0f);
    EXPECT_EQ(vrt.top(), 5040.0f);
}

}  // namespace
