// Every window layout is read by the strict reader, its names are unique, and
// every handler binding names an existing control of the right kind.

#include <gtest/gtest.h>

#include <set>

#include "game.h"
#include "runtime/layout.h"

using namespace tarvik;

class WindowLayout : public testing::TestWithParam<std::string> {};

TEST_P(WindowLayout, ReadsAndBindsCleanly) {
    const Layout& layout = layout_of(GetParam());
    EXPECT_EQ(layout.name, GetParam());
    std::set<std::string> names;
    for (const Control& control : layout.controls) EXPECT_TRUE(names.insert(control.name()).second) << control.name();
    for (const HandlerTable::Row& row : game_handlers()->rows()) {
        if (row.form != GetParam() || row.event == Event::Load) continue;
        const Control* bound = nullptr;
        for (const Control& control : layout.controls)
            if (control.name() == row.control) bound = &control;
        ASSERT_NE(bound, nullptr) << row.form << "." << row.control << " is bound but not in the layout";
        if (row.event == Event::Timer) {
            EXPECT_EQ(bound->kind(), ControlKind::Timer) << row.control;
        } else {
            EXPECT_TRUE(bound->takes_clicks()) << row.control;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, WindowLayout, testing::ValuesIn(Program::form_names()));

TEST(MainScreenLayout, HasEveryControlOfTheDesign) {
    const Layout& layout = layout_of("form1");
    int labels = 0, images = 0, timers = 0, frames = 0;
    for (const Control& control : layout.controls) {
        labels += control.kind() == ControlKind::Label;
        images += control.kind() == ControlKind::Image;
        timers += control.kind() == ControlKind::Timer;
        frames += control.kind() == ControlKind::Frame;
    }
    EXPECT_EQ(layout.controls.size(), 236u);
    EXPECT_EQ(labels, 97);
    EXPECT_EQ(images, 117);
    EXPECT_EQ(timers, 21);
    EXPECT_EQ(frames, 1);
}

TEST(MainScreenLayout, StacksAtTheFixedPositions) {
    const Layout& layout = layout_of("form1");
    auto at = [&](int position) { return layout.controls.at(static_cast<std::size_t>(position - 1)).name(); };
    EXPECT_EQ(at(23), "Label11");
    EXPECT_EQ(at(24), "start");
    EXPECT_EQ(at(29), "vrt");
    EXPECT_EQ(at(48), "n29");
    EXPECT_EQ(at(137), "Image4");
    EXPECT_EQ(at(154), "n33");
    EXPECT_EQ(at(174), "Image37");
    EXPECT_EQ(at(200), "n4");
    EXPECT_EQ(at(201), "n3");
    EXPECT_EQ(at(219), "m1");
    EXPECT_EQ(at(224), "m7");
    EXPECT_EQ(at(225), "m6");
    EXPECT_EQ(at(236), "kolej");
    // No visible control stands above the title.
    for (int position = 1; position < 23; ++position) {
        const Control& control = layout.controls.at(static_cast<std::size_t>(position - 1));
        EXPECT_TRUE(!control.visible() || control.kind() == ControlKind::Timer) << control.name();
    }
}

TEST(LayoutReader, NamesFileAndLineOnEveryFault) {
    DrawingCatalogue drawings = {{"bush", {36, 33}}};
    const char* faults[] = {
        "window W ClientWidth=10 ClientHeight=10\nWidget x\n",
        "window W ClientWidth=10 ClientHeight=10\nLabel a Caption=unquoted\n",
        "window W ClientWidth=10 ClientHeight=10\nLabel a\nLabel a\n",
        "window W ClientWidth=10 ClientHeight=10\nImage a Picture=nothing\n",
        "window W ClientWidth=10 ClientHeight=10\nImage a Picture=bush Width=10 Height=10\n",
        "window W ClientWidth=10 ClientHeight=10\nTimer t Left=5\n",
        "window W ClientWidth=10 ClientHeight=10\nLabel a Left=1.5\n",
        "window W ClientWidth=10 ClientHeight=10\nLabel a Caption=\"open\n",
        "window W ClientWidth=10 ClientHeight=10\nLabel a Visible=yes\n",
        "window W ClientWidth=10\n",
        "Label a\n",
    };
    for (const char* text : faults) {
        try {
            read_layout("test.layout", text, drawings);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const LayoutError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("test.layout:", 0), 0u) << error.what();
        }
    }
}

TEST(LayoutReader, ReadsQuotedTextWithEscapes) {
    Layout layout =
        read_layout("t", "window W ClientWidth=1 ClientHeight=1\nLabel a Caption=\"say \\\"hi\\\" \\\\ end \"\n", {});
    ASSERT_EQ(layout.controls.size(), 1u);
    EXPECT_EQ(layout.controls[0].caption(), "say \"hi\" \\ end ");
}
