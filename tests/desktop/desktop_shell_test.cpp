// The shell over a real game: windows follow the core, pixels become clicks
// on the right controls, closing behaves as decided, the text field and the
// core's text box stay one, and only what changed is repainted.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "desktop/desktop_shell.h"
#include "desktop/form_window.h"
#include "desktop/units.h"
#include "game.h"
#include "game_shell.h"
#include "qt_environment.h"

namespace tarvik {
namespace {

class ShellTest : public testing::GameShellTest {
protected:
    void SetUp() override {
        GameShellTest::SetUp();
        QObject::connect(shell.get(), &DesktopShell::program_ended, [this] { ++ended_signals; });
    }

    void press(std::string_view form, QPointF pixel, Qt::MouseButton button = Qt::LeftButton) {
        send_mouse(form, QEvent::MouseButtonPress, pixel, button);
    }

    bool shown(std::string_view form) const { return window_shown(form); }

    int ended_signals = 0;
};

TEST_F(ShellTest, StartShowsTheSplashWindowOnly) {
    ASSERT_TRUE(shown("Form4"));
    FormWindow* splash = shell->window_for("Form4");
    EXPECT_EQ(splash->windowTitle(), QStringLiteral("Form4"));
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(shell->window_for("form1"), nullptr);
    EXPECT_EQ(shell->window_for("Form2"), nullptr);
}

TEST_F(ShellTest, MainScreenWindowComesAtTwelveSeconds) {
    shell->step_to(11999);
    EXPECT_EQ(shell->window_for("form1"), nullptr);
    shell->step_to(12000);
    ASSERT_TRUE(shown("form1"));
    FormWindow* main = shell->window_for("form1");
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Form1"));
    EXPECT_FALSE(main->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(main->windowIcon().isNull());
    // The naming box is loaded hidden with the main screen: no window for it.
    EXPECT_NE(program->find_form("Form2"), nullptr);
    EXPECT_EQ(shell->window_for("Form2"), nullptr);
    EXPECT_TRUE(shown("Form4"));
}

TEST_F(ShellTest, PixelsOnEitherSideOfAButtonEdgeReachTheirOwnControls) {
    shell->step_to(12000);
    // Pixel 199 is twip 2985, the menu button; pixel 200 is twip 3000,
    // where the price-list button lies above the menu button's right end.
    press("form1", QPointF(199, 10));
    EXPECT_TRUE(shown("Form2"));
    EXPECT_FALSE(program->find_form("Form5") != nullptr && program->find_form("Form5")->visible());
    press("form1", QPointF(200, 10));
    EXPECT_TRUE(shown("Form5"));
}

TEST_F(ShellTest, EndButtonEndsTheProgramOutsideItsCoveredEdge) {
    shell->step_to(12000);
    // The end button's leftmost 255 twips (pixels 0 to 16) lie under Image10.
    press("form1", QPointF(16, 20));
    EXPECT_FALSE(program->ended());
    press("form1", QPointF(17, 20), Qt::RightButton);
    EXPECT_FALSE(program->ended());
    press("form1", QPointF(17, 20));
    EXPECT_TRUE(program->ended());
    EXPECT_TRUE(shell->finished());
    EXPECT_EQ(ended_signals, 1);
    EXPECT_FALSE(shown("form1"));
    EXPECT_FALSE(shown("Form4"));
}

TEST_F(ShellTest, ClosingTheNamingBoxHidesItAndKeepsItsText) {
    shell->step_to(12000);
    press("form1", QPointF(120, 15));
    FormWindow* box = shell->window_for("Form2");
    ASSERT_TRUE(shown("Form2"));
    QLineEdit* field = box->text_field("Text1");
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("X"));
    QCoreApplication::sendEvent(field, &key);

    EXPECT_FALSE(box->close());
    EXPECT_FALSE(program->ended());
    EXPECT_FALSE(program->find_form("Form2")->visible());
    EXPECT_FALSE(shown("Form2"));

    press("form1", QPointF(120, 15));
    EXPECT_EQ(shell->window_for("Form2"), box);
    EXPECT_TRUE(shown("Form2"));
    EXPECT_EQ(field->text(), QStringLiteral("TarvikX"));
    EXPECT_EQ((*program->find_form("Form2"))["Text1"].text(), "TarvikX");
}

TEST_F(ShellTest, ClosingTheMainScreenEndsTheProgram) {
    shell->step_to(12000);
    shell->window_for("form1")->close();
    EXPECT_TRUE(program->ended());
    EXPECT_EQ(ended_signals, 1);
    EXPECT_FALSE(shown("form1"));
}

TEST_F(ShellTest, ClosingTheSplashScreenEndsTheProgram) {
    shell->window_for("Form4")->close();
    EXPECT_TRUE(program->ended());
    EXPECT_EQ(ended_signals, 1);
}

TEST_F(ShellTest, TypedNameReachesTheTitleThroughOk) {
    shell->step_to(12000);
    press("form1", QPointF(120, 15));
    QLineEdit* field = shell->window_for("Form2")->text_field("Text1");
    field->setFocus();
    field->selectAll();
    for (QChar c : QStringLiteral("A&b <i>")) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &key);
    }
    // Typing alone changes nothing on the main screen.
    EXPECT_EQ((*program->find_form("form1"))["Label11"].caption(), "Tarvik");
    // "ok" at pixel (220, 95), twips (3300, 1425).
    press("Form2", QPointF(220, 95));
    EXPECT_EQ((*program->find_form("form1"))["Label11"].caption(), "A&b <i>");
}

TEST_F(ShellTest, TextFieldIsTheNamingBoxOnlyFocusAndHasNoLengthCap) {
    shell->step_to(12000);
    press("form1", QPointF(120, 15));
    FormWindow* box = shell->window_for("Form2");
    QLineEdit* field = box->text_field("Text1");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->geometry(), QRect(88, 72, 137, 17));
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
    for (QWidget* child : box->findChildren<QWidget*>())
        if (child != field) {
            EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->metaObject()->className();
        }

    // A text longer than the toolkit's default cap arrives whole.
    const std::string long_name(40000, 'k');
    (*program->find_form("Form2"))["Text1"].set_text(long_name);
    shell->sync();
    EXPECT_EQ(field->text().size(), 40000);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QStringLiteral("Z"));
    QCoreApplication::sendEvent(field, &key);
    EXPECT_EQ((*program->find_form("Form2"))["Text1"].text().size(), 40001u);
}

TEST_F(ShellTest, MovingSpriteRepaintsItsOldAndNewBoxesOnly) {
    const Control& plane = (*program->find_form("Form4"))["lett"];
    const RectTw before = plane.rect();
    shell->step_to(10);
    const RectTw after = plane.rect();
    ASSERT_NE(before, after);
    const QRegion expected = QRegion(repaint_rect(before)) + QRegion(repaint_rect(after));
    EXPECT_EQ(shell->window_for("Form4")->last_repaint(), expected);
    EXPECT_FALSE(shell->window_for("Form4")->last_repaint().contains(QPoint(400, 300)));
}

TEST_F(ShellTest, StillWindowRepaintsNothing) {
    shell->step_to(12000);
    shell->step_to(12500);
    // The splash screen's timers stopped at 12 s: nothing moves there.
    EXPECT_TRUE(shell->window_for("Form4")->last_repaint().isEmpty());
}

}  // namespace
}  // namespace tarvik
