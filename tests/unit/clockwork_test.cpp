// The income tick, the wall clock and the mood face, played on the whole game
// from the moment the main screen has loaded (12000 ms after start).

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "game_fixture.h"

using namespace tarvik;
using namespace tarvik::testing_game;

namespace {

class Clockwork : public GameTest {};

TEST_F(Clockwork, IncomeIsAddedEveryTenSecondsAndNotBefore) {
    main("pen").set_caption("25");
    advance_to(9999);
    EXPECT_EQ(money(), "1000");
    advance_to(10000);
    EXPECT_EQ(money(), "1025");
    advance_to(40000);
    EXPECT_EQ(money(), "1100") << "four ticks in all";
}

TEST_F(Clockwork, NegativeIncomeDrivesMoneyBelowZeroWithALeadingMinus) {
    main("many").set_caption("5");
    main("pen").set_caption("-10");
    advance_to(10000);
    EXPECT_EQ(money(), "-5");
    advance_to(20000);
    EXPECT_EQ(money(), "-15");
}

TEST_F(Clockwork, IncomeTickReadsBothValuesLeniently) {
    main("pen").set_caption("7 apples");
    main("many").set_caption("1000.");
    advance_to(10000);
    EXPECT_EQ(money(), "1007");
}

TEST_F(Clockwork, WallClockIsBlankUntilItsFirstTickThenFollowsTheTime) {
    set_wall_clock({"12:00:01", "12:00:02", "12:00:03"});
    EXPECT_EQ(main("Label3").caption(), "");
    advance_to(999);
    EXPECT_EQ(main("Label3").caption(), "");
    advance_to(1000);
    EXPECT_EQ(main("Label3").caption(), "12:00:01");
    advance_to(2000);
    EXPECT_EQ(main("Label3").caption(), "12:00:02");
    EXPECT_EQ(main("Label3").width(), 735) << "the clock keeps its box";
}

// The face after each of a run of ticks, one mood per tick. "design" is the
// face's own design picture, which looks smiling but matches no template.
struct FaceCase {
    std::vector<int> moods;
    std::vector<std::string> faces;
};

void PrintTo(const FaceCase& run, std::ostream* out) {
    *out << "moods";
    for (int mood : run.moods) *out << ' ' << mood;
}

class MoodFace : public Clockwork, public testing::WithParamInterface<FaceCase> {
protected:
    std::string face_name() {
        const PictureRef& face = main("nal").picture();
        if (same_picture(face, design_face)) return "design";
        for (const char* name : {"smich", "nicmoc", "nas", "velmi"})
            if (same_picture(face, main(name).picture())) return name;
        return "no face";
    }

    void SetUp() override {
        Clockwork::SetUp();
        design_face = main("nal").picture();
    }

    PictureRef design_face;
};

TEST_P(MoodFace, FollowsTheTable) {
    const FaceCase& run = GetParam();
    ASSERT_EQ(run.moods.size(), run.faces.size());
    for (std::size_t i = 0; i < run.moods.size(); ++i) {
        main("nalada").set_caption(std::to_string(run.moods[i]));
        advance_to(1000 * static_cast<Millis>(i + 1));
        EXPECT_EQ(face_name(), run.faces[i]) << "after the tick with mood " << run.moods[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MoodFace,
    testing::Values(FaceCase{{110}, {"smich"}}, FaceCase{{105}, {"smich"}}, FaceCase{{95}, {"nicmoc"}},
                    FaceCase{{55}, {"nicmoc"}}, FaceCase{{45}, {"nas"}}, FaceCase{{5}, {"nas"}}, FaceCase{{1}, {"nas"}},
                    FaceCase{{0}, {"nicmoc"}}, FaceCase{{-5}, {"velmi"}}, FaceCase{{-5, 100}, {"velmi", "velmi"}},
                    FaceCase{{55, 50}, {"nicmoc", "nicmoc"}}, FaceCase{{45, 50}, {"nas", "nas"}},
                    FaceCase{{-5, 50}, {"velmi", "velmi"}}, FaceCase{{105, 100, 50}, {"smich", "smich", "smich"}},
                    FaceCase{{100, 50, 105}, {"design", "design", "smich"}},
                    FaceCase{{-1, 0, 101, 99}, {"velmi", "nicmoc", "smich", "nicmoc"}}));

TEST_F(Clockwork, FaceMatchesSmilingOnlyAfterATickAboveOneHundred) {
    Control& nal = main("nal");
    const Control& smich = main("smich");
    EXPECT_FALSE(same_picture(nal.picture(), smich.picture())) << "the design face is a picture of its own";
    // A house within the first second: mood exactly 100 at the first tick.
    main("nalada").set_caption("100");
    advance_to(3000);
    EXPECT_FALSE(same_picture(nal.picture(), smich.picture()));
    EXPECT_EQ(nal.picture()->drawing(), smich.picture()->drawing()) << "it still looks smiling";
    main("nalada").set_caption("101");
    advance_to(3999);
    EXPECT_FALSE(same_picture(nal.picture(), smich.picture()));
    advance_to(4000);
    EXPECT_TRUE(same_picture(nal.picture(), smich.picture()));
}

}  // namespace
