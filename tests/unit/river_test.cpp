// The river's crossing spots: where each takes its clicks, and the bridge
// that a click lays there once the bridge is chosen and money allows.

#include <gtest/gtest.h>

#include <string>

#include "game_fixture.h"

using namespace tarvik;
using namespace tarvik::testing_game;

namespace {

struct SpotPoint {
    int spot;
    int x;
    int y;
};

// A point on the open river of every spot: under no lot and not under the
// home mark, and still inside the spot once it holds its bridge.
constexpr SpotPoint open_river[] = {
    {1, 3240, 5120},  {2, 4080, 5120},  {3, 4330, 5120},  {4, 5160, 5120},   {5, 5400, 5120},   {6, 6240, 5120},
    {7, 6420, 5120},  {8, 7320, 5120},  {9, 7560, 5120},  {10, 8400, 5120},  {11, 8640, 5120},  {12, 9480, 5120},
    {13, 9735, 4800}, {14, 9735, 3720}, {15, 9960, 2960}, {16, 10680, 2960}, {17, 11640, 2960},
};

class River : public GameTest {
protected:
    static std::string spot_name(int spot) { return "m" + std::to_string(spot); }
    static std::string spot_flag_name(int spot) { return "mm" + std::to_string(spot); }

    // What the catalogue item "mosty" does.
    void choose_bridge() { choose("post2", "most"); }
    void click(int x, int y) { GameTest::click("form1", x, y); }
    void click_spot(int spot) {
        const SpotPoint& point = open_river[spot - 1];
        click(point.x, point.y);
    }
    std::string at(int x, int y) {
        Control* control = main().hit_test(x, y);
        return control == nullptr ? std::string("(none)") : control->name();
    }
    void expect_free(int spot) {
        EXPECT_EQ(main(spot_flag_name(spot)).caption(), "0") << "spot " << spot;
        EXPECT_EQ(main(spot_name(spot)).picture(), nullptr) << "spot " << spot;
    }
};

}  // namespace

TEST_F(River, EverySpotTakesClicksOnItsOpenRiverBeforeAndAfterItsBridge) {
    choose_bridge();
    main("many").set_caption("100000");
    for (const SpotPoint& point : open_river) {
        EXPECT_EQ(at(point.x, point.y), spot_name(point.spot)) << "free spot " << point.spot;
        click(point.x, point.y);
        EXPECT_EQ(main(spot_flag_name(point.spot)).caption(), "1") << "spot " << point.spot;
        EXPECT_EQ(at(point.x, point.y), spot_name(point.spot)) << "bridged spot " << point.spot;
    }
}

TEST_F(River, LotsAndTheHomeMarkLieAboveTheSpots) {
    EXPECT_EQ(at(3240, 4700), "n25") << "spot 1's top lies under lot 25";
    EXPECT_EQ(at(3240, 5400), "n33") << "spot 1's bottom lies under lot 33";
    EXPECT_EQ(at(9400, 4800), "n30") << "spot 13's left end lies under lot 30";
    EXPECT_EQ(at(9900, 4800), "n31") << "spot 13's right end lies under lot 31";
    EXPECT_EQ(at(10700, 2700), "n16") << "spot 16 lies under lots 15 and 16";
    EXPECT_EQ(at(6540, 5160), "start") << "spot 7's corner lies under the home mark";
    EXPECT_EQ(at(4205, 5120), "m2") << "spot 2 lies above spot 3 where they overlap";
    EXPECT_EQ(at(6365, 5120), "m7") << "spot 7 lies above spot 6 where they overlap";

    choose_bridge();
    const std::string money_before = money();
    click(3240, 4700);
    click(3240, 5400);
    click(9900, 4800);
    click(6540, 5160);
    EXPECT_EQ(money(), money_before);
    expect_free(1);
    expect_free(7);
    expect_free(13);
    click(6600, 4990);
    EXPECT_EQ(main("mm7").caption(), "1") << "spot 7's open strip above the home mark is its own";
}

TEST_F(River, ABridgeCosts200AndGives15Mood) {
    choose_bridge();
    main("many").set_caption("200");
    click_spot(5);
    EXPECT_EQ(money(), "0");
    EXPECT_EQ(mood(), "125");
    EXPECT_EQ(main("mm5").caption(), "1");
    Control& spot = main("m5");
    EXPECT_TRUE(same_picture(spot.picture(), main("most1").picture()));
    EXPECT_EQ(spot.left(), 5280);
    EXPECT_EQ(spot.top(), 4800);
    EXPECT_EQ(spot.width(), 225);
    EXPECT_EQ(spot.height(), 765);
    EXPECT_TRUE(same("post2", "most")) << "the bridge stays chosen";
    EXPECT_EQ(main("lid").caption(), "0");
    EXPECT_EQ(income(), "0");
    for (int other = 1; other <= 17; ++other)
        if (other != 5) expect_free(other);
}

TEST_F(River, RefusedClicksChangeNothing) {
    // Not chosen: the river selection's own design picture matches nothing.
    click_spot(1);
    expect_free(1);
    EXPECT_EQ(money(), "1000");

    choose_bridge();
    main("many").set_caption("199");
    click_spot(1);
    expect_free(1);
    EXPECT_EQ(money(), "199");
    EXPECT_EQ(mood(), "110");

    main("many").set_caption("1000");
    main("post2").set_picture(main("vyb").picture());
    click_spot(1);
    expect_free(1);

    choose_bridge();
    click_spot(1);
    EXPECT_EQ(money(), "800");
    click_spot(1);
    EXPECT_EQ(money(), "800") << "a bridged spot takes no second bridge";
    EXPECT_EQ(mood(), "125");
}

TEST_F(River, TestsReadStrictlyAndUpdatesLeniently) {
    choose_bridge();
    main("many").set_caption("200x");
    click_spot(2);
    expect_free(2);

    main("many").set_caption(" 250 ");
    main("nalada").set_caption("40 smiles");
    click_spot(2);
    EXPECT_EQ(money(), "50");
    EXPECT_EQ(mood(), "55");

    main("mm3").set_caption("0x");
    main("many").set_caption("1000");
    click_spot(3);
    EXPECT_EQ(main("m3").picture(), nullptr) << "a flag that is not a number is not 0";
    EXPECT_EQ(money(), "1000");
}

TEST_F(River, AllSeventeenBridges) {
    choose_bridge();
    main("many").set_caption("3400");
    for (int spot = 1; spot <= 17; ++spot) click_spot(spot);
    EXPECT_EQ(money(), "0");
    EXPECT_EQ(mood(), "365");
    for (int spot = 1; spot <= 17; ++spot) {
        Control& image = main(spot_name(spot));
        const bool horizontal = spot == 13 || spot == 14;
        EXPECT_EQ(main(spot_flag_name(spot)).caption(), "1") << "spot " << spot;
        EXPECT_TRUE(same_picture(image.picture(), main(horizontal ? "most2" : "most1").picture())) << "spot " << spot;
        EXPECT_EQ(image.width(), horizontal ? 765 : 225) << "spot " << spot;
        EXPECT_EQ(image.height(), horizontal ? 225 : 765) << "spot " << spot;
    }
    EXPECT_EQ(main("mm18").caption(), "0");
    EXPECT_EQ(main("mm19").caption(), "0");
}
