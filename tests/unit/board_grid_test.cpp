// The board as laid out: 56 lots at their grid places (four shifted beside
// the river), stacked in the board's order, each with its own empty-lot
// picture and flag; the template pictures as separate objects; and the
// building-type table in its fixed row order with its thresholds and the
// order of its value updates.

#include <algorithm>
#include <set>

#include "board/building_types.h"
#include "game_fixture.h"
#include "runtime/conversions.h"

using namespace tarvik;
using namespace tarvik::testing_game;

namespace {

class Board : public GameTest {};

constexpr int kRowTops[] = {600, 1680, 2760, 3840, 5280, 6360, 7440};

constexpr int kStacking[] = {29, 33, 45, 34, 44, 35, 43, 36, 41, 46, 40, 38, 48, 37, 47, 42, 39, 52, 49,
                             53, 54, 50, 51, 55, 56, 32, 31, 24, 23, 16, 15, 8,  7,  30, 22, 21, 14, 13,
                             6,  5,  28, 27, 20, 19, 12, 11, 4,  3,  26, 25, 18, 17, 10, 9,  2,  1};

}  // namespace

TEST_F(Board, LotsStandAtTheirGridPlacesWithTheirOwnEmptyPictureAndFlag) {
    std::set<const Picture*> pictures;
    for (int lot = 1; lot <= kLotCount; ++lot) {
        SCOPED_TRACE("lot " + std::to_string(lot));
        const int row = (lot - 1) / 8, column = (lot - 1) % 8;
        int left = 3120 + 1080 * column, top = kRowTops[row];
        if (lot == 23 || lot == 31) left += 240, top += 360;
        if (lot == 24 || lot == 32) left += 120, top += 360;
        const Control& picture = main(lot_name(lot));
        EXPECT_EQ(picture.kind(), ControlKind::Image);
        EXPECT_EQ(picture.rect(), (RectTw{left, top, 1110, 1125}));
        EXPECT_TRUE(picture.visible());
        EXPECT_NE(picture.click_handler(), nullptr);
        EXPECT_EQ(picture.picture()->drawing(), main("nic").picture()->drawing());
        EXPECT_FALSE(same_picture(picture.picture(), main("nic").picture()));
        pictures.insert(picture.picture().get());
        const Control& flag = main(flag_name(lot));
        EXPECT_EQ(flag.caption(), "0");
        EXPECT_FALSE(flag.visible());
    }
    EXPECT_EQ(pictures.size(), 56u) << "every lot holds a picture object of its own";
    EXPECT_EQ(main("nn56n").caption(), "0");
    EXPECT_FALSE(main("nn56n").visible());
}

TEST_F(Board, LotsAreStackedInTheBoardsOrder) {
    std::vector<int> order;
    for (const Control& control : main().controls()) {
        const std::string& name = control.name();
        if (name.size() > 1 && name[0] == 'n' && std::all_of(name.begin() + 1, name.end(), ::isdigit))
            order.push_back(std::stoi(name.substr(1)));
    }
    EXPECT_TRUE(std::equal(order.begin(), order.end(), std::begin(kStacking), std::end(kStacking)));
}

TEST_F(Board, ClickInsideEachLotRunsThatLotAlone) {
    choose_lot("t");
    set_value("many", 1000000);
    for (int lot = 1; lot <= kLotCount; ++lot) {
        const RectTw box = main(lot_name(lot)).rect();
        click("form1", box.left + 555, box.top + 800);
        for (int other = 1; other <= kLotCount; ++other)
            ASSERT_EQ(main(flag_name(other)).caption(), other <= lot ? "1" : "0")
                << "click inside lot " << lot << ", flag of lot " << other;
    }
}

TEST_F(Board, TemplatesAreHiddenImagesWithPicturesOfTheirOwn) {
    const char* names[] = {"d",     "t",     "n",  "p",   "h",     "m",      "l",   "pa",
                           "s",     "par",   "e",  "pan", "nic",   "vyb",    "nad", "most",
                           "most1", "most2", "d1", "d2",  "smich", "nicmoc", "nas", "velmi"};
    std::set<const Picture*> pictures;
    for (const char* name : names) {
        const Control& image = main(name);
        EXPECT_EQ(image.kind(), ControlKind::Image) << name;
        EXPECT_FALSE(image.visible()) << name;
        ASSERT_NE(image.picture(), nullptr) << name;
        pictures.insert(image.picture().get());
    }
    EXPECT_EQ(pictures.size(), std::size(names));
    EXPECT_EQ(main("d").picture()->drawing(), main("d1").picture()->drawing()) << "d starts drawn like d1";
    EXPECT_FALSE(same("post", "vyb"));
    EXPECT_FALSE(same("nal", "smich"));
}

// The table as the game has it, row by row, with its update order.
TEST(BuildingTypeTable, RowsThresholdsAndUpdateOrder) {
    using enum CityValue;
    struct Row {
        const char* template_name;
        TestOrder order;
        int money_above;
        std::vector<ValueUpdate> updates;
    };
    const Row expected[] = {
        {"d", TestOrder::MoneyFirst, 99, {{Population, 9}, {Mood, -10}, {Money, -100}}},
        {"t", TestOrder::PictureFirst, 200, {{Mood, -50}, {Money, -200}, {Income, 10}}},
        {"n", TestOrder::PictureFirst, 149, {{Mood, 20}, {Money, -150}, {PoliceCount, 1}}},
        {"p", TestOrder::PictureFirst, 149, {{Mood, 25}, {Money, -150}, {PoliceCount, 1}}},
        {"h", TestOrder::PictureFirst, 149, {{Mood, 25}, {Money, -150}, {FireStationCount, 1}}},
        {"m", TestOrder::PictureFirst, 299, {{Mood, 10}, {Money, -300}, {Income, 15}}},
        {"l", TestOrder::PictureFirst, 449, {{Mood, 20}, {Money, -450}, {Income, 20}, {AirportCount, 1}}},
        {"pa", TestOrder::PictureFirst, 199, {{Mood, 15}, {Money, -200}, {Income, 5}}},
        {"s", TestOrder::PictureFirst, 299, {{Mood, 15}, {Money, -300}, {Income, 25}}},
        {"par", TestOrder::PictureFirst, 199, {{Mood, -25}, {Money, -200}, {Income, 10}}},
        {"e", TestOrder::PictureFirst, 599, {{Mood, -65}, {Money, -600}, {Income, 50}}},
        {"pan", TestOrder::PictureFirst, 250, {{Mood, -15}, {Money, -250}, {Population, 25}, {Income, 10}}},
    };
    auto rows = building_types();
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(rows[i].template_name, expected[i].template_name);
        EXPECT_EQ(rows[i].test_order, expected[i].order);
        EXPECT_EQ(rows[i].money_above, expected[i].money_above);
        ASSERT_EQ(rows[i].updates.size(), expected[i].updates.size());
        for (std::size_t u = 0; u < rows[i].updates.size(); ++u) {
            EXPECT_EQ(rows[i].updates[u].value, expected[i].updates[u].value) << "update " << u;
            EXPECT_EQ(rows[i].updates[u].change, expected[i].updates[u].change) << "update " << u;
        }
        EXPECT_GE(rows[i].money_above, rows[i].cost() - 1) << "a build never takes money below 0";
    }
    EXPECT_EQ(railway_station().money_above, 299);
    EXPECT_EQ(railway_station().cost(), 300);
    EXPECT_EQ(demolition().money_above, 49);
    EXPECT_EQ(demolition().cost(), 50);
    EXPECT_EQ(demolition().change_of(Mood), 15);
    EXPECT_EQ(demolition().change_of(Income), -10);
    EXPECT_EQ(demolition().change_of(Population), 0);
}
