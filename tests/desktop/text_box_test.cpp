// The naming box's text box: a thin sunken frame inside its design box, its
// text and colours as designed, the same from its live text field and from
// the painter alone; and nothing of it is painted beneath the live field.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPainter>
#include <QWindow>

#include "desktop/desktop_shell.h"
#include "desktop/form_painter.h"
#include "desktop/form_window.h"
#include "desktop/units.h"
#include "game.h"
#include "game_shell.h"
#include "qt_environment.h"

namespace tarvik {
namespace {

constexpr QRgb brown = qRgb(128, 64, 0);

int brightness(QRgb pixel) { return qRed(pixel) + qGreen(pixel) + qBlue(pixel); }

class TextBoxTest : public tarvik::testing::GameShellTest {
protected:
    void SetUp() override {
        GameShellTest::SetUp();
        main_screen_up();
        naming = program->find_form("Form2");
        field = &(*naming)["Text1"];
        box = twips_to_pixels(field->rect());
        // Makes the naming box's window, hidden as the game loads it.
        shell->render("Form2");
    }

    // The naming box as the painter alone draws it, with no live field.
    QImage painted(const WindowPaint& window = {}) {
        QImage image(shell->window_for("Form2")->client_rect().size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        paint_form(painter, *naming, shell->pictures(), image.rect(), shell->window_for("Form2")->palette(), window);
        return image;
    }

    // Checks the frame and the text of a text box's image.
    void expect_framed_text(const QImage& image, const char* source) {
        SCOPED_TRACE(source);
        const QImage bare = without_text_box();
        // The frame lies on the design box's outermost pixels, all round:
        // darker than the background along the top and left, lighter along
        // the bottom and right (whose ends at the corners are the dark edges').
        for (int x = box.left(); x <= box.right(); ++x) {
            EXPECT_LT(brightness(image.pixel(x, box.top())), brightness(brown)) << "top " << x;
            if (x > box.left()) {
                EXPECT_GT(brightness(image.pixel(x, box.bottom())), brightness(brown)) << "bottom " << x;
            }
        }
        for (int y = box.top(); y <= box.bottom(); ++y) {
            EXPECT_LT(brightness(image.pixel(box.left(), y)), brightness(brown)) << "left " << y;
            if (y > box.top()) {
                EXPECT_GT(brightness(image.pixel(box.right(), y)), brightness(brown)) << "right " << y;
            }
        }
        // Nothing outside the design box changes.
        for (int x = box.left() - 1; x <= box.right() + 1; ++x) {
            EXPECT_EQ(image.pixel(x, box.top() - 1), bare.pixel(x, box.top() - 1)) << x;
            EXPECT_EQ(image.pixel(x, box.bottom() + 1), bare.pixel(x, box.bottom() + 1)) << x;
        }
        for (int y = box.top(); y <= box.bottom(); ++y) {
            EXPECT_EQ(image.pixel(box.left() - 1, y), bare.pixel(box.left() - 1, y)) << y;
            EXPECT_EQ(image.pixel(box.right() + 1, y), bare.pixel(box.right() + 1, y)) << y;
        }
        // Inside: the brown background and the dark text of "Tarvik" at the
        // left, nothing but brown at the right.
        const QRect inside = box.adjusted(1, 1, -1, -1);
        int dark = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x < inside.left() + 45; ++x)
                if (brightness(image.pixel(x, y)) < 100) ++dark;
            for (int x = inside.right() - 40; x <= inside.right(); ++x) EXPECT_EQ(image.pixel(x, y), brown);
        }
        EXPECT_GT(dark, 40) << "the text is drawn";
        EXPECT_EQ(image.pixel(inside.left(), inside.top()), brown);
    }

    QImage without_text_box() {
        field->set_visible(false);
        QImage image = painted();
        field->set_visible(true);
        return image;
    }

    Form* naming = nullptr;
    Control* field = nullptr;
    QRect box;
};

TEST_F(TextBoxTest, LiveFieldShowsTheFramedTextInsideTheDesignBox) {
    ASSERT_EQ(box, QRect(88, 72, 137, 17));
    ASSERT_EQ(field->text(), "Tarvik");
    const QImage image = shell->render("Form2");
    expect_framed_text(image, "live field");
    // The field keeps the design's font and colours.
    QLineEdit* line = shell->window_for("Form2")->text_field("Text1");
    EXPECT_TRUE(line->font().bold());
    EXPECT_EQ(line->font().pixelSize(), 11);
    EXPECT_EQ(line->palette().color(QPalette::Base), QColor(brown));
    EXPECT_EQ(line->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(TextBoxTest, PainterDrawsTheTextBoxAsTheLiveFieldShowsIt) {
    const QImage alone = painted();
    expect_framed_text(alone, "painter");
    const QImage live = shell->render("Form2");
    EXPECT_EQ(alone.copy(box), live.copy(box));
}

TEST_F(TextBoxTest, NothingIsPaintedBeneathALiveField) {
    const Control* live[] = {field};
    const QImage beneath = painted(WindowPaint{nullptr, live});
    EXPECT_EQ(beneath, without_text_box());
    EXPECT_NE(beneath, painted());
}

TEST_F(TextBoxTest, RepaintingTheLiveFieldLeavesTheWindowAlone) {
    // A blinking cursor repaints the field alone: it is opaque, so the
    // window below it is not painted again.
    shell->click(*program->find_form("form1"), QPointF(150, 15));
    FormWindow* window = shell->window_for("Form2");
    ASSERT_TRUE(window->isVisible());
    for (int i = 0; i < 100 && !(window->windowHandle() && window->windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    QLineEdit* line = window->text_field("Text1");
    EXPECT_TRUE(line->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(line->geometry(), box);

    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } window_paints, field_paints;
    window->installEventFilter(&window_paints);
    line->installEventFilter(&field_paints);
    line->repaint();
    window->removeEventFilter(&window_paints);
    line->removeEventFilter(&field_paints);
    EXPECT_EQ(field_paints.paints, 1);
    EXPECT_EQ(window_paints.paints, 0);
}

TEST_F(TextBoxTest, LongTextPaintsAsItsVisibleStart) {
    // Only the start of a text can show in the box; a text of a million
    // characters paints as one of a few hundred, in one byte or in two.
    for (const std::string& letter : {std::string("k"), std::string("\xC5\xBD")}) {
        std::string short_text, long_text;
        for (int i = 0; i < 400; ++i) short_text += letter;
        for (int i = 0; i < 1'000'000; ++i) long_text += letter;
        field->set_text(short_text);
        const QImage short_image = painted().copy(box);
        field->set_text(long_text);
        const QImage long_image = painted().copy(box);
        EXPECT_EQ(short_image, long_image) << letter;
        field->set_text("");
        EXPECT_NE(painted().copy(box), long_image) << letter;
    }
}

}  // namespace
}  // namespace tarvik
