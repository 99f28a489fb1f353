// The real windows follow the core's stacking order: the window the core puts
// in front is activated (and restored when minimized), a window the player
// activates comes to the core's front, the close request is the core's rule,
// and a double click is one click.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "desktop/desktop_shell.h"
#include "desktop/form_window.h"
#include "game.h"
#include "game_shell.h"
#include "qt_environment.h"
#include "state/city_state.h"

namespace tarvik {
namespace {

class WindowsInFront : public testing::GameShellTest {
protected:
    void SetUp() override {
        GameShellTest::SetUp();
        main_screen_up();
        settle();
    }

    void send(std::string_view form, QEvent::Type type, QPointF pixel) { send_mouse(form, type, pixel); }

    void click(std::string_view form, QPointF pixel) {
        send(form, QEvent::MouseButtonPress, pixel);
        send(form, QEvent::MouseButtonRelease, pixel);
        settle();
    }

    // Lets the platform deliver the activations the shell asked for.
    static void settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }

    std::string front() const { return program->front() != nullptr ? program->front()->name() : "none"; }
    QWidget* active() const { return QApplication::activeWindow(); }
    Form& main() { return *program->find_form("form1"); }
};

// Pixels of the main screen: the catalogue, price-list and menu buttons, and
// lot 9 on the board.
const QPointF catalogue_button(100, 245);
const QPointF price_list_button(230, 10);
const QPointF menu_button(120, 15);
const QPointF lot9(240, 146);

TEST_F(WindowsInFront, TheButtonsBringTheirOpenWindowsForwardAgain) {
    EXPECT_EQ(active(), shell->window_for("form1"));
    click("form1", catalogue_button);
    EXPECT_EQ(front(), "Form3");
    EXPECT_EQ(active(), shell->window_for("Form3"));

    click("form1", lot9);
    EXPECT_EQ(front(), "form1");
    EXPECT_EQ(active(), shell->window_for("form1"));
    EXPECT_TRUE(shell->window_for("Form3")->isVisible()) << "the catalogue stays open behind";

    click("form1", catalogue_button);
    EXPECT_EQ(front(), "Form3");
    EXPECT_EQ(active(), shell->window_for("Form3"));

    for (const QPointF& button : {price_list_button, menu_button}) {
        click("form1", button);
        FormWindow* opened = shell->window_for(front());
        ASSERT_NE(opened, shell->window_for("form1"));
        click("form1", lot9);
        EXPECT_EQ(active(), shell->window_for("form1"));
        click("form1", button);
        EXPECT_EQ(shell->window_for(front()), opened);
        EXPECT_EQ(active(), opened);
    }
}

TEST_F(WindowsInFront, AMinimizedWindowIsRestoredByItsButton) {
    click("form1", price_list_button);
    FormWindow* price_list = shell->window_for("Form5");
    price_list->showMinimized();
    settle();
    ASSERT_TRUE(price_list->isMinimized());
    click("form1", price_list_button);
    EXPECT_FALSE(price_list->isMinimized());
    EXPECT_TRUE(price_list->isVisible());
    EXPECT_EQ(active(), price_list);
}

TEST_F(WindowsInFront, AWindowThePlayerActivatesComesToTheCoresFront) {
    click("form1", catalogue_button);
    click("form1", lot9);
    ASSERT_EQ(front(), "form1");
    // As the window manager does for a click on the catalogue's title bar.
    shell->window_for("Form3")->activateWindow();
    settle();
    EXPECT_EQ(front(), "Form3");
}

TEST_F(WindowsInFront, EventDialogsRefuseTheCloseRequestAndAnswerTheirChoices) {
    program->show("Form9");
    shell->sync();
    FormWindow* offer = shell->window_for("Form9");
    ASSERT_NE(offer, nullptr);
    EXPECT_FALSE(offer->close());
    EXPECT_TRUE(offer->isVisible());
    EXPECT_TRUE(program->find_form("Form9")->visible());
    EXPECT_FALSE(program->ended());
    // "ne" at twips (7500, 8700).
    click("Form9", QPointF(500, 580));
    EXPECT_FALSE(offer->isVisible());
    EXPECT_EQ(front(), "form1");
}

TEST_F(WindowsInFront, ADoubleClickIsOneClick) {
    // The station and demolition chosen: one click on lot 56 builds the
    // station and demolishes it again, 350 in all.
    main()["post2"].set_picture(main()["nad"].picture());
    main()["post"].set_picture(main()["nic"].picture());
    const QPointF lot56(740, 530);
    // A double click as the platform delivers it: the second press comes as
    // the double-click event alone.
    send("form1", QEvent::MouseButtonPress, lot56);
    send("form1", QEvent::MouseButtonRelease, lot56);
    send("form1", QEvent::MouseButtonDblClick, lot56);
    send("form1", QEvent::MouseButtonRelease, lot56);
    EXPECT_EQ(main()["many"].caption(), "650");
    click("form1", lot56);
    EXPECT_EQ(main()["many"].caption(), "300") << "a single click after it is a click";
}

}  // namespace
}  // namespace tarvik
