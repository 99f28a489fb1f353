// Lot 56 and the railway station: chosen through the catalogue's "nadrazi"
// (made visible here by hand, as accepting the rail offer does), built only on
// an empty lot 56 from money 300, and the double outcomes of one click when
// the lot selection holds a building type or demolition as well.

#include "board/building_types.h"
#include "game_fixture.h"
#include "runtime/conversions.h"

using namespace tarvik;
using namespace tarvik::testing_game;

namespace {

class Station : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        open_catalogue_with_station();
    }

    // The catalogue open, with "nadrazi" shown as accepting the rail offer does.
    void open_catalogue_with_station() {
        open_catalogue();
        control("Form3", "nad").set_visible(true);
    }

    void pick(int x, int y) { click("Form3", x, y); }
    void pick_station() { pick(5000, 1600); }

    bool station_flag() { return main("nn56n").caption() == "1"; }
};

struct Second {
    const char* item;
    int x, y;
    const char* template_name;  // what lot 56 shows after both
    double money_for_both;
    // Total changes when both happen.
    double money, income, mood, population, police, airports;
};

constexpr Second kSeconds[] = {
    {"ostatni", 3800, 700, "n", 450, -450, 20, 40, 0, 1, 0},
    {"parkoviste", 5300, 1300, "par", 500, -500, 30, -5, 0, 0, 0},
    {"panelak", 2900, 1000, "pan", 551, -550, 30, 5, 25, 0, 0},
    {"metro", 3400, 3400, "m", 600, -600, 35, 30, 0, 0, 0},
    {"supermarket", 3000, 3800, "s", 600, -600, 45, 35, 0, 0, 0},
    {"letiste", 3500, 2900, "l", 750, -750, 40, 40, 0, 0, 1},
};

}  // namespace

TEST_F(Station, NadraziThenMoneyThreeHundredBuildsTheStationAndLeavesZero) {
    pick_station();
    set_value("many", 299);
    EXPECT_TRUE(click_lot(56).changed_nothing());
    EXPECT_EQ(main("nn56").caption(), "0");

    set_value("many", 300);
    LotClickReport report = click_lot(56);
    EXPECT_TRUE(report.station_built);
    EXPECT_EQ(report.built, nullptr);
    EXPECT_FALSE(report.demolished);
    EXPECT_EQ(city(), (CityValues{"0", "0", "130", "20", "0", "0", "0"}));
    EXPECT_TRUE(lot_shows(56, "nad"));
    EXPECT_EQ(main("nn56").caption(), "1");
    EXPECT_TRUE(station_flag());
    EXPECT_TRUE(same("post2", "nad")) << "the river selection stays";
    EXPECT_TRUE(same("post", "vyb"));

    set_value("many", 1000);
    EXPECT_TRUE(click_lot(56).changed_nothing()) << "a built lot 56 takes no second station";
}

TEST_F(Station, NoOtherLotLooksForTheStation) {
    pick_station();
    set_value("many", 100000);
    for (int lot = 1; lot < kStationLot; ++lot) EXPECT_TRUE(click_lot(lot).changed_nothing()) << "lot " << lot;
}

TEST_F(Station, StationAndASecondBuildingInOneClick) {
    for (const Second& s : kSeconds) {
        SCOPED_TRACE(s.item);
        for (double money : {s.money_for_both - 1, s.money_for_both}) {
            fresh_game();
            open_catalogue_with_station();
            pick_station();
            pick(s.x, s.y);
            set_value("many", money);

            LotClickReport report = click_lot(kStationLot);
            EXPECT_TRUE(report.station_built) << money;
            EXPECT_FALSE(report.demolished);
            EXPECT_EQ(main("nn56").caption(), "1");
            EXPECT_EQ(main("nn56n").caption(), "1") << "the train keeps running";
            if (money < s.money_for_both) {
                EXPECT_EQ(report.built, nullptr) << money;
                EXPECT_EQ(main("many").caption(), text_form(money - 300));
                EXPECT_TRUE(same("n56", "nad"));
                continue;
            }
            ASSERT_NE(report.built, nullptr) << money;
            EXPECT_TRUE(same("n56", s.template_name));
            EXPECT_EQ(city(), (CityValues{text_form(money + s.money), text_form(s.population), text_form(110 + s.mood),
                                          text_form(s.income), text_form(s.police), "0", text_form(s.airports)}));
        }
    }
}

TEST_F(Station, StationAndDemolitionInOneClickFromThreeHundredFifty) {
    pick_station();
    pick(4800, 3400);  // bourani
    set_value("many", 350);
    LotClickReport report = click_lot(56);
    EXPECT_TRUE(report.station_built);
    EXPECT_TRUE(report.demolished);
    EXPECT_EQ(city(), (CityValues{"0", "0", "145", "10", "0", "0", "0"}));
    EXPECT_TRUE(lot_shows(56, "nic"));
    EXPECT_EQ(main("nn56").caption(), "0");
    EXPECT_FALSE(station_flag());

    // The selections stay: the next click on the empty lot does it again,
    // and with less than 350 the station stays.
    set_value("many", 349);
    report = click_lot(56);
    EXPECT_TRUE(report.station_built);
    EXPECT_FALSE(report.demolished);
    EXPECT_EQ(money(), "49");
    EXPECT_TRUE(lot_shows(56, "nad"));
    EXPECT_TRUE(station_flag());
}

TEST_F(Station, ItemsThatClearTheRiverSlotBuildNoStation) {
    struct Item {
        const char* name;
        int x, y;
    };
    for (Item item : {Item{"domy", 2900, 600}, Item{"tovarny", 3500, 2600}, Item{"policie", 3000, 1550},
                      Item{"hasici", 3000, 1850}, Item{"nemocnice", 3000, 2200}, Item{"elektrarny", 4150, 3100},
                      Item{"parky", 5000, 700}, Item{"mosty", 5000, 1100}}) {
        pick_station();
        pick(item.x, item.y);
        set_value("many", 100000);
        LotClickReport report = click_lot(56);
        EXPECT_FALSE(report.station_built) << item.name;
        EXPECT_FALSE(station_flag()) << item.name;
        // Empty the lot again for the next item.
        main("n56").set_picture(main("nic").picture());
        main("nn56").set_caption("0");
    }
}

TEST_F(Station, DemolishingLot56AlwaysClearsTheStationFlag) {
    pick_station();
    pick(3800, 700);  // ostatni: the hospital over the station
    set_value("many", 450);
    click_lot(56);
    EXPECT_TRUE(lot_shows(56, "n"));
    EXPECT_TRUE(station_flag());
    pick(4800, 3400);  // bourani
    set_value("many", 50);
    EXPECT_TRUE(click_lot(56).demolished);
    EXPECT_FALSE(station_flag());
    EXPECT_EQ(main("nn56").caption(), "0");
    EXPECT_EQ(income(), "10") << "the station's +20 less demolition's 10";

    // An ordinary building without the station: the flag is written "0" again.
    choose("post2", "vyb");
    choose_lot("t");
    set_value("many", 1000);
    click_lot(56);
    EXPECT_FALSE(station_flag());
    choose_lot("nic");
    EXPECT_TRUE(click_lot(56).demolished);
    EXPECT_FALSE(station_flag());
}

TEST_F(Station, BuiltAgainAfterDemolitionLeavesIncomeTenHigherPerCycle) {
    pick_station();
    set_value("many", 10000);
    click_lot(56);
    pick(4800, 3400);  // bourani: with the station still chosen for the river
    click_lot(56);     // demolishes the station
    EXPECT_EQ(income(), "10");
    click_lot(56);  // builds and demolishes in the same click
    EXPECT_EQ(income(), "20");
    EXPECT_EQ(money(), text_form(10000 - 300 - 50 - 350));
}
