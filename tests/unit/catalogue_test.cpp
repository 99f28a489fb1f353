// The building catalogue Form3: clicks at points of the window fill the two
// selection slots as the item table says, overlapped strips go to the label
// laid out first, headings take clicks and do nothing, the hidden "nadrazi"
// takes none, and the close hotspot hides the window without losing anything.

#include <gtest/gtest.h>

#include <string>

#include "catalogue/catalogue.h"
#include "game_fixture.h"

using namespace tarvik;
using namespace tarvik::testing_game;

namespace {

class Catalogue : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        open_catalogue();
        m_catalogue = game().find_form("Form3");
    }

    // Puts markers into both slots: pictures no item ever writes.
    void mark_slots() {
        choose("post", "n1");
        choose("post2", "n2");
    }

    // What a slot holds now: a template's name, "unchanged" for the marker,
    // or "?" for anything else.
    std::string slot(std::string_view slot_name, const char* marker) {
        if (same(slot_name, marker)) return "unchanged";
        for (const char* name :
             {"d", "t", "n", "p", "h", "m", "l", "pa", "s", "par", "e", "pan", "nic", "vyb", "most", "nad"})
            if (same(slot_name, name)) return name;
        return "?";
    }
    std::string lot_slot() { return slot("post", "n1"); }
    std::string river_slot() { return slot("post2", "n2"); }

    void click(int x, int y) { GameTest::click("Form3", x, y); }

    Form* m_catalogue = nullptr;
};

struct PointCase {
    const char* what;
    int x;
    int y;
    const char* lot;
    const char* river;
};

// One point of each item where no other label lies, then the shared strips.
constexpr PointCase kPoints[] = {
    {"domy", 2900, 600, "d", "vyb"},
    {"panelak", 2900, 1000, "pan", "unchanged"},
    {"policie", 3000, 1550, "p", "vyb"},
    {"hasici", 3000, 1850, "h", "vyb"},
    {"nemocnice", 3000, 2200, "n", "vyb"},
    {"tovarny", 3500, 2600, "t", "vyb"},
    {"letiste", 3500, 2900, "l", "unchanged"},
    {"elektrarny", 4150, 3100, "e", "vyb"},
    {"metro", 3400, 3400, "m", "unchanged"},
    {"supermarket", 3000, 3800, "s", "unchanged"},
    {"ostatni", 3800, 700, "n", "unchanged"},
    {"parky", 5000, 700, "pa", "vyb"},
    {"mosty", 5000, 1100, "unchanged", "most"},
    {"parkoviste", 5300, 1300, "par", "unchanged"},
    {"bourani", 4800, 3400, "nic", "unchanged"},
    {"mosty over ostatni", 4600, 1000, "unchanged", "most"},
    {"mosty over parky", 5000, 965, "unchanged", "most"},
    {"mosty over parkoviste", 5000, 1205, "unchanged", "most"},
    {"ostatni over parky", 4600, 700, "n", "unchanged"},
    {"ostatni over panelak", 3300, 1000, "n", "unchanged"},
    {"ostatni over parkoviste", 4200, 1300, "n", "unchanged"},
    {"ostatni over domy", 3245, 700, "n", "unchanged"},
    {"hidden nadrazi over parkoviste", 4200, 1500, "par", "unchanged"},
    {"domek over domy", 2600, 600, "unchanged", "unchanged"},
    {"domek over panelak", 2300, 900, "unchanged", "unchanged"},
    {"instituce over panelak", 2300, 1205, "unchanged", "unchanged"},
    {"vydelecne over nemocnice", 2700, 2405, "unchanged", "unchanged"},
    {"panelak over domy", 2800, 845, "pan", "unchanged"},
    {"letiste over tovarny", 3500, 2765, "l", "unchanged"},
    {"letiste over elektrarny", 3500, 3005, "l", "unchanged"},
    {"metro over elektrarny", 3500, 3245, "m", "unchanged"},
    {"policie over hasici", 3000, 1685, "p", "vyb"},
    {"hasici over nemocnice", 3000, 2045, "h", "vyb"},
    {"a line, over the background", 2450, 1440, "unchanged", "unchanged"},
    {"close box below the hotspot", 300, 520, "unchanged", "unchanged"},
};

}  // namespace

TEST_F(Catalogue, TheCatalogueButtonOpensIt) {
    ASSERT_NE(m_catalogue, nullptr);
    EXPECT_TRUE(m_catalogue->visible());
}

TEST_F(Catalogue, EveryPointSelectsWhatTheItemTableSays) {
    for (const PointCase& c : kPoints) {
        mark_slots();
        click(c.x, c.y);
        EXPECT_EQ(lot_slot(), c.lot) << c.what;
        EXPECT_EQ(river_slot(), c.river) << c.what;
        EXPECT_TRUE(m_catalogue->visible()) << c.what << ": no item closes the catalogue";
    }
}

TEST_F(Catalogue, NadraziOnceVisibleTakesItsStripAndClearsTheLotSlot) {
    (*m_catalogue)["nad"].set_visible(true);
    mark_slots();
    click(4200, 1500);
    EXPECT_EQ(river_slot(), "nad");
    EXPECT_EQ(lot_slot(), "vyb");
    mark_slots();
    click(5000, 1600);
    EXPECT_EQ(river_slot(), "nad");
    EXPECT_EQ(lot_slot(), "vyb");
}

TEST_F(Catalogue, DomyTakesWhateverPictureTheHouseTemplateHoldsNow) {
    main("d").set_picture(main("d2").picture());
    click(2900, 600);
    EXPECT_TRUE(same("post", "d2"));
    main("d").set_picture(main("d1").picture());
    EXPECT_TRUE(same("post", "d2")) << "the slot keeps the earlier picture";
    click(2900, 600);
    EXPECT_TRUE(same("post", "d1"));
}

TEST_F(Catalogue, SlotsStartWithTheirOwnPicturesThatMatchNothing) {
    EXPECT_FALSE(same("post", "vyb"));
    EXPECT_EQ(main("post").picture()->drawing(), main("vyb").picture()->drawing());
    for (const CatalogueItem& item : catalogue_items()) {
        EXPECT_FALSE(same("post", item.source)) << item.caption;
        EXPECT_FALSE(same("post2", item.source)) << item.caption;
    }
}

TEST_F(Catalogue, CloseHotspotHidesAndReopeningKeepsEverything) {
    (*m_catalogue)["nad"].set_visible(true);
    click(4800, 3400);  // bourani
    click(5000, 1100);  // mosty
    click(100, 100);
    EXPECT_FALSE(m_catalogue->visible());
    EXPECT_TRUE(game().find_form("Form3") == m_catalogue) << "hidden, never destroyed";
    open_catalogue();
    EXPECT_TRUE(m_catalogue->visible());
    EXPECT_TRUE((*m_catalogue)["nad"].visible());
    EXPECT_TRUE(same("post", "nic"));
    EXPECT_TRUE(same("post2", "most"));
    click(734, 494);
    EXPECT_FALSE(m_catalogue->visible()) << "the hotspot's last twip";
}

// The item table against the catalogue's layout: every item is a label of
// Form3 with the caption the table names, every source a template of form1.
TEST_F(Catalogue, ItemTableMatchesTheLayout) {
    EXPECT_EQ(catalogue_items().size(), 16u);
    for (const CatalogueItem& item : catalogue_items()) {
        const Control* label = m_catalogue->find(item.control);
        ASSERT_NE(label, nullptr) << item.control;
        EXPECT_EQ(label->caption(), item.caption);
        EXPECT_NE(label->click_handler(), nullptr) << item.control;
        const Control* source = main().find(item.source);
        ASSERT_NE(source, nullptr) << item.source;
        EXPECT_FALSE(source->visible()) << item.source;
    }
    for (const char* heading : {"Label15", "Label16", "Label17"})
        EXPECT_EQ((*m_catalogue)[heading].click_handler(), nullptr) << heading;
    EXPECT_FALSE((*m_catalogue)["nad"].visible());
}
