// The price list Form5: its fixed rows exactly as the player reads them, the
// button that opens it and the one hotspot that closes it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_fixture.h"

using namespace tarvik;
using namespace tarvik::testing_game;

namespace {

struct Row {
    const char* name;
    int left;
    int top;
    int width;
    int height;
    const char* caption;
};

const Row rows[] = {
    {"Label1", 1440, 240, 1215, 255, "cenik:"},
    {"Label2", 360, 480, 1095, 255, "dum-"},
    {"Label3", 720, 480, 2655, 255, "obyvatel:9,nalada:-10,cena:100"},
    {"Label4", 360, 840, 735, 255, "tovarna-"},
    {"Label5", 960, 840, 2415, 255, "nalada:-50,vydelava:10,stoji:200"},
    {"Label6", 360, 1200, 735, 255, "panelak-"},
    {"Label7", 1080, 1200, 3015, 255, "lidi:25,vydelava:10,:nalada:-15,stoji:250"},
    {"Label8", 240, 1560, 1815, 255, "hasici,policie,nemocnice-"},
    {"Label9", 2040, 1560, 2295, 255, "nalada:20,stoji:150"},
    {"Label10", 240, 1800, 855, 255, "elektrarna-"},
    {"Label11", 1080, 1800, 3015, 255, "vydelava:50,nalada:-65,stoji:600"},
    {"Label12", 240, 2040, 855, 255, "park-"},
    {"Label13", 600, 2040, 3015, 255, "vydelava:5,nalada:15,stoji:200"},
    {"Label14", 240, 2280, 735, 255, "market-"},
    {"Label15", 840, 2280, 2655, 255, "nalada:15,vydelava:25,stoji:300"},
    {"Label16", 240, 2520, 975, 255, "parkoviste-"},
    {"Label17", 1080, 2520, 2415, 255, "nalada:-25,vydelava:10,stoji:200"},
    {"Label18", 240, 2760, 615, 255, "letiste-"},
    {"Label19", 720, 2760, 2655, 255, "vydelava:20,nalada:20,stoji:450"},
    {"Label20", 240, 3000, 615, 255, "metro-"},
    {"Label21", 720, 3000, 2535, 255, "nalada:10,vydelava:15,stoji:300"},
    {"Label22", 240, 3240, 3135, 255, "mosty-nalada:10,stoji:200"},
    {"Label23", 240, 3480, 3855, 375, "nadrazi-nalada:20,vydelava:20,stoji:300"},
};

class PriceList : public GameTest {
protected:
    void open() { click("form1", 3600, 200); }
    void click_list(int x, int y) { click("Form5", x, y); }

    void expect_rows() {
        Form& list = form("Form5");
        for (const Row& row : rows) {
            const Control& label = list[row.name];
            EXPECT_EQ(label.caption(), row.caption) << row.name;
            EXPECT_EQ(label.rect(), (RectTw{row.left, row.top, row.width, row.height})) << row.name;
            EXPECT_TRUE(label.visible()) << row.name;
            EXPECT_EQ(label.look().back_style, BackStyle::Transparent) << row.name;
            EXPECT_EQ(label.look().font.size_pt, std::string(row.name) == "Label1" ? 9.75 : 8.25) << row.name;
        }
    }
};

}  // namespace

TEST_F(PriceList, OpensFromTheButtonLeftOfTheTitleOnly) {
    click("form1", 5000, 200);
    EXPECT_FALSE(loaded("Form5")) << "the title covers the button's right part";
    open();
    ASSERT_TRUE(shown("Form5"));
    expect_rows();
}

TEST_F(PriceList, TheWindowAndItsCloseMark) {
    open();
    Form& list = form("Form5");
    EXPECT_EQ(list.look().caption, "Form5");
    EXPECT_EQ(list.look().client_width, 4275);
    EXPECT_EQ(list.look().client_height, 3975);
    EXPECT_EQ(list.look().back_color, Color::rgb(0, 128, 0));
    EXPECT_TRUE(list.look().centred);

    std::vector<std::string> order;
    for (const Control& control : list.controls()) order.push_back(control.name());
    const std::vector<std::string> expected = {
        "Label23", "Label22", "Image1",  "Line2",   "Line1",   "Shape2",  "Label21", "Label20", "Label19", "Label18",
        "Label17", "Label16", "Label15", "Label14", "Label13", "Label12", "Label11", "Label10", "Label9",  "Label8",
        "Label7",  "Label6",  "Label5",  "Label4",  "Label3",  "Label2",  "Label1",  "Shape1"};
    EXPECT_EQ(order, expected);

    EXPECT_EQ(list["Image1"].rect(), (RectTw{0, 0, 615, 615}));
    EXPECT_EQ(list["Image1"].picture(), nullptr);
    const Control& stroke = list["Line2"];
    EXPECT_EQ((std::vector<int>{stroke.x1(), stroke.y1(), stroke.x2(), stroke.y2()}),
              (std::vector<int>{120, 120, 360, 360}));
    const Control& other = list["Line1"];
    EXPECT_EQ((std::vector<int>{other.x1(), other.y1(), other.x2(), other.y2()}),
              (std::vector<int>{120, 360, 360, 120}));
    EXPECT_EQ(stroke.look().border_color, Color::rgb(255, 0, 0));
    EXPECT_EQ(other.look().border_color, Color::rgb(255, 0, 0));
    EXPECT_EQ(list["Shape2"].rect(), (RectTw{0, 0, 495, 495}));
    EXPECT_EQ(list["Shape2"].look().fill_color, Color::rgb(255, 255, 0));
    EXPECT_EQ(list["Shape2"].look().fill_style, FillStyle::Solid);
    EXPECT_EQ(list["Shape1"].rect(), (RectTw{120, 120, 3975, 3735}));
    EXPECT_EQ(list["Shape1"].look().fill_color, Color::rgb(192, 64, 0));
    EXPECT_EQ(list["Shape1"].look().fill_style, FillStyle::Solid);
}

TEST_F(PriceList, ClosesOnlyThroughItsHotspot) {
    open();
    for (auto [x, y] : {std::pair{615, 300}, {300, 615}, {2000, 2000}, {1500, 300}, {4274, 3974}, {700, 550}}) {
        click_list(x, y);
        EXPECT_TRUE(shown("Form5")) << "a click at " << x << ", " << y << " must not close the price list";
    }
    for (auto [x, y] : {std::pair{0, 0}, {240, 240}, {614, 614}, {400, 550}}) {
        open();
        ASSERT_TRUE(shown("Form5"));
        click_list(x, y);
        EXPECT_FALSE(shown("Form5")) << "a click at " << x << ", " << y << " closes the price list";
    }
}

TEST_F(PriceList, ReopensTheSameWindowUnchanged) {
    open();
    Form* first = &form("Form5");
    click_list(300, 300);
    ASSERT_FALSE(shown("Form5"));
    main("many").set_caption("5");
    open();
    ASSERT_TRUE(shown("Form5"));
    EXPECT_EQ(game().find_form("Form5"), first);
    open();
    EXPECT_TRUE(shown("Form5")) << "a second press while open keeps it open";
    expect_rows();
}
