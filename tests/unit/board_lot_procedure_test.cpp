// The lot click procedure on every lot: each building type at its strict
// threshold with exactly its effects, the flag that keeps a built lot from a
// second building, demolition, and the house that only matches the picture
// the house template held when it was chosen.

#include <algorithm>

#include "board/building_types.h"
#include "board/razing.h"
#include "game_fixture.h"
#include "runtime/conversions.h"

using namespace tarvik;
using namespace tarvik::testing_game;

namespace {

class LotProcedure : public GameTest {};

// Every row at its threshold is refused and one above it builds, with exactly
// the row's changes and nothing else.
TEST_F(LotProcedure, EveryTypeBuildsStrictlyAboveItsThresholdWithExactlyItsEffects) {
    int lot = 1;
    for (const BuildingType& row : building_types()) {
        SCOPED_TRACE(std::string(row.name));
        choose_lot(row.template_name);
        set_value("many", row.money_above);
        const CityValues before = city();
        EXPECT_TRUE(click_lot(lot).changed_nothing());
        EXPECT_EQ(city(), before);
        EXPECT_EQ(main(flag_name(lot)).caption(), "0");
        EXPECT_FALSE(lot_shows(lot, row.template_name));

        set_value("many", row.money_above + 1);
        const double population = value("lid"), mood = value("nalada"), income = value("pen");
        const double police = value("pol"), fire = value("has"), airports = value("letiste");
        LotClickReport report = click_lot(lot);
        EXPECT_EQ(report.built, &row);
        EXPECT_FALSE(report.demolished);
        EXPECT_EQ(value("many"), row.money_above + 1 - row.cost());
        EXPECT_EQ(value("lid"), population + row.change_of(CityValue::Population));
        EXPECT_EQ(value("nalada"), mood + row.change_of(CityValue::Mood));
        EXPECT_EQ(value("pen"), income + row.change_of(CityValue::Income));
        EXPECT_EQ(value("pol"), police + row.change_of(CityValue::PoliceCount));
        EXPECT_EQ(value("has"), fire + row.change_of(CityValue::FireStationCount));
        EXPECT_EQ(value("letiste"), airports + row.change_of(CityValue::AirportCount));
        EXPECT_EQ(main(flag_name(lot)).caption(), "1");
        EXPECT_TRUE(lot_shows(lot, row.template_name));
        ++lot;
    }
}

TEST_F(LotProcedure, ThresholdsNamedForTheGame) {
    struct Case {
        const char* template_name;
        double money;
        bool builds;
        double money_after;
    };
    const Case cases[] = {
        {"d", 100, true, 0},    {"d", 99, false, 99},     {"t", 200, false, 200},   {"t", 201, true, 1},
        {"pa", 200, true, 0},   {"par", 200, true, 0},    {"pan", 250, false, 250}, {"pan", 251, true, 1},
        {"n", 150, true, 0},    {"p", 150, true, 0},      {"h", 150, true, 0},      {"e", 600, true, 0},
        {"e", 599, false, 599}, {"m", 300, true, 0},      {"s", 300, true, 0},      {"l", 450, true, 0},
        {"l", 449, false, 449}, {"d", -100, false, -100},
    };
    int lot = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.template_name) + " at " + text_form(c.money));
        choose_lot(c.template_name);
        set_value("many", c.money);
        EXPECT_EQ(click_lot(lot).built != nullptr, c.builds);
        EXPECT_EQ(value("many"), c.money_after);
        ++lot;
    }
}

TEST_F(LotProcedure, EveryLotTakesEveryTypeAndDemolitionClearsIt) {
    for (const BuildingType& row : building_types()) {
        SCOPED_TRACE(std::string(row.name));
        set_value("many", 1000000);
        choose_lot(row.template_name);
        for (int lot = 1; lot <= kLotCount; ++lot) {
            LotClickReport report = click_lot(lot);
            ASSERT_EQ(report.built, &row) << "lot " << lot;
            ASSERT_FALSE(report.demolished) << "lot " << lot << " built and demolished in one click";
            ASSERT_FALSE(report.station_built);
            ASSERT_TRUE(lot_shows(lot, row.template_name)) << "lot " << lot;
            ASSERT_EQ(main(flag_name(lot)).caption(), "1") << "lot " << lot;
        }
        choose_lot("nic");
        for (int lot = 1; lot <= kLotCount; ++lot) {
            LotClickReport report = click_lot(lot);
            ASSERT_TRUE(report.demolished) << "lot " << lot;
            ASSERT_EQ(report.built, nullptr);
            ASSERT_TRUE(lot_shows(lot, "nic")) << "lot " << lot;
            ASSERT_EQ(main(flag_name(lot)).caption(), "0") << "lot " << lot;
        }
    }
}

TEST_F(LotProcedure, BuiltLotTakesNoSecondBuildingWhateverTheMoney) {
    choose_lot("t");
    click_lot(5);
    const CityValues after_first = city();
    EXPECT_TRUE(click_lot(5).changed_nothing());
    for (const BuildingType& row : building_types()) {
        choose_lot(row.template_name);
        set_value("many", 100000);
        const CityValues before = city();
        EXPECT_TRUE(click_lot(5).changed_nothing()) << row.name;
        EXPECT_EQ(city(), before) << row.name;
        EXPECT_TRUE(lot_shows(5, "t"));
    }
    EXPECT_EQ(after_first.money, "800");
}

TEST_F(LotProcedure, NoSelectionBuildsNothing) {
    const CityValues start = city();
    EXPECT_TRUE(click_lot(29).changed_nothing()) << "the lot selection's own blank";
    choose_lot("vyb");
    EXPECT_TRUE(click_lot(29).changed_nothing()) << "the blank of vyb";
    choose("post2", "most");
    EXPECT_TRUE(click_lot(29).changed_nothing());
    EXPECT_EQ(city(), start);
}

TEST_F(LotProcedure, DemolitionCostsFiftyAndRefundsNothing) {
    // From the start: a house on lot 29, then demolished.
    choose_lot("d");
    click_lot(29);
    EXPECT_EQ(city(), (CityValues{"900", "9", "100", "0", "0", "0", "0"}));
    choose_lot("nic");
    LotClickReport report = click_lot(29);
    EXPECT_TRUE(report.demolished);
    EXPECT_EQ(city(), (CityValues{"850", "9", "115", "-10", "0", "0", "0"}));
    EXPECT_TRUE(lot_shows(29, "nic"));
    EXPECT_EQ(main("nn29").caption(), "0");
    EXPECT_TRUE(same("post", "nic")) << "the selection stays";

    // The counters stay whatever was demolished.
    set_value("many", 100000);
    for (const char* type : {"n", "p", "h", "l", "e"}) {
        choose_lot(type);
        click_lot(30);
        const CityValues built = city();
        choose_lot("nic");
        click_lot(30);
        CityValues expected = built;
        expected.money = text_form(lenient_parse(built.money) - 50);
        expected.mood = text_form(lenient_parse(built.mood) + 15);
        expected.income = text_form(lenient_parse(built.income) - 10);
        EXPECT_EQ(city(), expected) << type;
    }
    EXPECT_EQ(main("pol").caption(), "2");
    EXPECT_EQ(main("has").caption(), "1");
    EXPECT_EQ(main("letiste").caption(), "1");
}

TEST_F(LotProcedure, DemolitionNeedsFiftyABuiltLotAndTheEmptyLotPicture) {
    choose_lot("pa");
    click_lot(40);
    click_lot(41);
    click_lot(42);
    choose_lot("nic");

    EXPECT_TRUE(click_lot(43).changed_nothing()) << "an empty lot";
    set_value("many", 49);
    EXPECT_TRUE(click_lot(40).changed_nothing());
    EXPECT_EQ(main("nn40").caption(), "1");

    set_value("many", 120);
    EXPECT_TRUE(click_lot(40).demolished);
    EXPECT_TRUE(click_lot(41).demolished);
    EXPECT_FALSE(click_lot(42).demolished) << "money 20";
    EXPECT_EQ(money(), "20");
    EXPECT_EQ(main("nn42").caption(), "1");

    set_value("many", 50);
    EXPECT_TRUE(click_lot(42).demolished);
    EXPECT_EQ(money(), "0");

    // A lot's design picture is drawn like the empty lot but is its own
    // object: no demolition selection.
    set_value("many", 1000);
    choose_lot("pa");
    click_lot(40);
    main("post").set_picture(main("n1").picture());
    EXPECT_TRUE(click_lot(40).changed_nothing());
    EXPECT_EQ(main("nn40").caption(), "1");
}

TEST_F(LotProcedure, DemolitionCanDriveIncomeNegative) {
    choose_lot("d");
    click_lot(1);
    choose_lot("nic");
    click_lot(1);
    EXPECT_EQ(income(), "-10");
    choose_lot("e");
    click_lot(2);
    choose_lot("nic");
    click_lot(2);
    EXPECT_EQ(income(), "30") << "a demolished power plant leaves 40 of its 50";
}

// The shell repaints what changed: a build marks the lot's rectangle.
TEST_F(LotProcedure, BuildingMarksTheLotForRepaint) {
    main().take_damage();
    choose_lot("t");
    main().take_damage();
    click_lot(37);
    const Damage damage = main().take_damage();
    const RectTw lot = main("n37").rect();
    EXPECT_TRUE(damage.whole_window || std::find(damage.rects.begin(), damage.rects.end(), lot) != damage.rects.end());
}

TEST_F(LotProcedure, RazedLotTakesANewBuilding) {
    choose_lot("h");
    click_lot(44);
    raze_lot(main(), 44);
    EXPECT_NE(click_lot(44).built, nullptr);
    EXPECT_TRUE(lot_shows(44, "h"));
}

TEST_F(LotProcedure, HouseMatchesOnlyThePictureChosen) {
    main("d").set_picture(main("d1").picture());
    choose_lot("d");
    main("d").set_picture(main("d2").picture());
    EXPECT_TRUE(click_lot(17).changed_nothing()) << "d shows the garden, the pool was chosen";
    main("d").set_picture(main("d1").picture());
    EXPECT_NE(click_lot(17).built, nullptr);
    EXPECT_TRUE(same("n17", "d1"));
    main("d").set_picture(main("d2").picture());
    EXPECT_TRUE(same("n17", "d1")) << "a built house keeps its picture";

    choose_lot("d");
    EXPECT_NE(click_lot(18).built, nullptr);
    EXPECT_TRUE(same("n18", "d2"));
}

TEST_F(LotProcedure, HouseChosenBeforeTheFirstSwapNeverMatchesD1) {
    choose_lot("d");  // d's own design picture
    main("d").set_picture(main("d1").picture());
    EXPECT_TRUE(click_lot(19).changed_nothing()) << "d1 looks the same but is another object";
    main("d").set_picture(main("d2").picture());
    EXPECT_TRUE(click_lot(19).changed_nothing());
}

}  // namespace
