// Which control of the main screen takes a click where controls overlap: the
// first visible control in layout order, whatever it draws or handles.

#include <gtest/gtest.h>

#include "runtime/program.h"

using namespace tarvik;

namespace {

class MainScreenHitTest : public testing::Test {
protected:
    std::string at(int x, int y) {
        Control* control = m_main.hit_test(x, y);
        return control == nullptr ? std::string("(none)") : control->name();
    }
    Program m_program{std::make_shared<HandlerTable>(), [] { return std::string(); }};
    Form& m_main = m_program.ensure_form("form1");
};

}  // namespace

TEST_F(MainScreenHitTest, TopStripLayers) {
    EXPECT_EQ(at(100, 300), "Image11") << "the end button's leftmost 255 twips take no click";
    EXPECT_EQ(at(254, 659), "Image11");
    EXPECT_EQ(at(255, 300), "Image2");
    EXPECT_EQ(at(1640, 600), "Image2");
    EXPECT_EQ(at(2000, 300), "Image3");
    EXPECT_EQ(at(3010, 400), "Image8") << "the price list lies over the menu button's right end";
    EXPECT_EQ(at(3010, 450), "Image3");
    EXPECT_EQ(at(4319, 100), "Image8");
    EXPECT_EQ(at(4320, 100), "Label11") << "the title covers the price list's right part";
    EXPECT_EQ(at(10500, 300), "Label11") << "the clock lies under the title";
}

TEST_F(MainScreenHitTest, BoardEdgeCases) {
    EXPECT_EQ(at(5800, 1000), "Label11");
    EXPECT_EQ(at(5800, 1300), "n3");
    EXPECT_EQ(at(4215, 1300), "n2");
    EXPECT_EQ(at(7450, 4000), "n29");
    EXPECT_EQ(at(8530, 4000), "n29");
    EXPECT_EQ(at(10900, 3500), "n24");
    EXPECT_EQ(at(5400, 2700), "Image6");
    EXPECT_EQ(at(3300, 8400), "lid");
    EXPECT_EQ(at(3600, 8400), "n49");
    EXPECT_EQ(at(3200, 4700), "n25");
    EXPECT_EQ(at(3200, 5100), "m1");
    EXPECT_EQ(at(6000, 7000), "n43");
    EXPECT_EQ(at(6375, 7000), "n44");
    EXPECT_EQ(at(9800, 5100), "(none)");
    EXPECT_EQ(at(6500, 5100), "start") << "the home mark lies over spot 7";
    EXPECT_EQ(at(6365, 5100), "m7") << "spot 7 lies above spot 6";
}

TEST_F(MainScreenHitTest, PanelLayers) {
    EXPECT_EQ(at(1700, 8300), "lid") << "the population lies above Image7";
    EXPECT_EQ(at(700, 7700), "nal") << "the mood face lies above Image7";
    EXPECT_EQ(at(100, 7700), "Image7");
}

TEST_F(MainScreenHitTest, HiddenControlsTakeNoClick) {
    EXPECT_EQ(at(11900, 7600), "(none)") << "the hidden train and rail track";
    m_main["kolej"].set_visible(true);
    EXPECT_EQ(at(11900, 7600), "kolej");
    m_main["vlak"].set_visible(true);
    EXPECT_EQ(at(11900, 7600), "vlak");
    EXPECT_EQ(at(11000, 7600), "n56") << "lot 56 lies above the rail track";
    EXPECT_EQ(at(10600, 7600), "n55") << "the lots cover the rail track";
}

TEST(Rectangles, HoldLeftAndTopEdgesOnly) {
    RectTw rect{100, 200, 10, 20};
    EXPECT_TRUE(rect.contains(100, 200));
    EXPECT_TRUE(rect.contains(109, 219));
    EXPECT_FALSE(rect.contains(110, 200));
    EXPECT_FALSE(rect.contains(100, 220));
    EXPECT_FALSE(rect.contains(99, 200));
}
