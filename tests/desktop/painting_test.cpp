// Painting: what the images of the windows show, from small layouts made for
// the test and from the game's own windows.

#include <gtest/gtest.h>

#include <QPainter>

#include "desktop/desktop_shell.h"
#include "desktop/form_painter.h"
#include "desktop/look.h"
#include "desktop/picture_cache.h"
#include "desktop/units.h"
#include "game.h"
#include "game_shell.h"
#include "qt_environment.h"
#include "runtime/layout.h"

namespace tarvik {
namespace {

// A window of 200 x 100 pixels on white, built from layout lines.
class PaintTest : public ::testing::Test {
protected:
    void SetUp() override { tarvik::testing::application(); }

    QImage paint(const std::string& controls) {
        const std::string text = "window Test ClientWidth=3000 ClientHeight=1500 BackColor=#FFFFFF\n" + controls;
        Layout layout = read_layout("test.layout", text, drawing_catalogue());
        for (std::size_t i = 0; i < layout.controls.size(); ++i) {
            const std::string& drawing = layout.picture_drawings[i];
            if (drawing.empty()) continue;
            const DrawingSize& size = drawing_catalogue().find(drawing)->second;
            layout.controls[i].set_picture(std::make_shared<const Picture>(drawing, size.width_px, size.height_px));
        }
        form = std::make_unique<Form>(program, "Test", layout.window, layout.controls);
        QImage image(200, 100, QImage::Format_RGB32);
        QPainter painter(&image);
        paint_form(painter, *form, pictures, image.rect(), QPalette());
        return image;
    }

    static QRgb rgb(int r, int g, int b) { return qRgb(r, g, b); }

    // How many pixels of a box are not the window's white.
    static int inked(const QImage& image, const QRect& box) {
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) ++count;
        return count;
    }

    Program program{std::make_shared<HandlerTable>(), [] { return std::string(); }};
    PictureCache pictures;
    std::unique_ptr<Form> form;
};

TEST_F(PaintTest, EarlierControlLiesAbove) {
    QImage image = paint(
        "Shape Top Left=0 Top=0 Width=900 Height=900 FillStyle=solid FillColor=#FF0000 BorderColor=#FF0000\n"
        "Shape Under Left=450 Top=450 Width=900 Height=900 FillStyle=solid FillColor=#0000FF BorderColor=#0000FF\n");
    EXPECT_EQ(image.pixel(45, 45), rgb(255, 0, 0));  // overlap
    EXPECT_EQ(image.pixel(80, 80), rgb(0, 0, 255));
    EXPECT_EQ(image.pixel(150, 50), rgb(255, 255, 255));
}

TEST_F(PaintTest, HiddenControlsAreNotPainted) {
    QImage image =
        paint("Shape Gone Left=0 Top=0 Width=900 Height=900 FillStyle=solid FillColor=#FF0000 Visible=false\n");
    EXPECT_EQ(inked(image, image.rect()), 0);
}

TEST_F(PaintTest, OpaqueLabelFillsItsBoxAndTransparentOneShowsWhatLiesBelow) {
    QImage image = paint(
        "Label Opaque Left=0 Top=0 Width=1500 Height=300 Caption=\"\" BackStyle=opaque BackColor=#804000\n"
        "Label Clear Left=0 Top=600 Width=1500 Height=300 Caption=\"\" BackStyle=transparent BackColor=#804000\n"
        "Shape Below Left=0 Top=600 Width=1500 Height=300 FillStyle=solid FillColor=#00FF00 BorderColor=#00FF00\n");
    EXPECT_EQ(image.pixel(50, 10), rgb(128, 64, 0));
    EXPECT_EQ(image.pixel(99, 19), rgb(128, 64, 0));
    EXPECT_EQ(image.pixel(100, 10), rgb(255, 255, 255));
    EXPECT_EQ(image.pixel(50, 50), rgb(0, 255, 0));
}

TEST_F(PaintTest, LabelTextStaysInsideItsBox) {
    QImage image =
        paint("Label Long Left=150 Top=150 Width=600 Height=300 Caption=\"WWWWWWWWWWWWWWWWWWWW\" ForeColor=#000000\n");
    const QRect box(10, 10, 40, 20);
    EXPECT_GT(inked(image, box), 20);
    EXPECT_EQ(inked(image, image.rect()), inked(image, box));
}

TEST_F(PaintTest, AlignmentPlacesTheText) {
    QImage left = paint("Label L Left=0 Top=0 Width=3000 Height=300 Caption=\"ok\" Alignment=left\n");
    QImage right = paint("Label R Left=0 Top=0 Width=3000 Height=300 Caption=\"ok\" Alignment=right\n");
    QImage centre = paint("Label C Left=0 Top=0 Width=3000 Height=300 Caption=\"ok\" Alignment=center\n");
    EXPECT_GT(inked(left, QRect(0, 0, 30, 20)), 0);
    EXPECT_EQ(inked(left, QRect(30, 0, 170, 20)), 0);
    EXPECT_GT(inked(right, QRect(170, 0, 30, 20)), 0);
    EXPECT_EQ(inked(right, QRect(0, 0, 170, 20)), 0);
    EXPECT_GT(inked(centre, QRect(85, 0, 30, 20)), 0);
    EXPECT_EQ(inked(centre, QRect(0, 0, 80, 20)) + inked(centre, QRect(120, 0, 80, 20)), 0);
}

TEST_F(PaintTest, CaptionIsPlainText) {
    // An ampersand is drawn, not taken as a mnemonic; markup is drawn as typed.
    const std::string label = "Label A Left=0 Top=0 Width=3000 Height=1500 FontSize=24 Caption=";
    const int plain = inked(paint(label + "\"ab\"\n"), QRect(0, 0, 200, 100));
    const int amp = inked(paint(label + "\"a&b\"\n"), QRect(0, 0, 200, 100));
    EXPECT_GT(amp - plain, 120);
    QImage markup = paint(label + "\"<b></b>\"\n");
    EXPECT_GT(inked(markup, markup.rect()), 100);
}

TEST_F(PaintTest, LineIsOnePixelInItsColour) {
    QImage image = paint("Line L X1=0 Y1=150 X2=1500 Y2=150 BorderColor=#FF0000\n");
    EXPECT_EQ(image.pixel(50, 10), rgb(255, 0, 0));
    EXPECT_EQ(image.pixel(50, 9), rgb(255, 255, 255));
    EXPECT_EQ(image.pixel(50, 11), rgb(255, 255, 255));
    EXPECT_EQ(inked(image, image.rect()), 101);
}

TEST_F(PaintTest, ImageDrawsItsPictureAtNaturalSize) {
    QImage image = paint("Image Tile Left=150 Top=150 Width=1110 Height=1125 Picture=grey_tile\n");
    const QRect tile(10, 10, 74, 75);
    EXPECT_EQ(inked(image, image.rect()), inked(image, tile));
    EXPECT_GT(inked(image, tile), 74 * 75 / 2);
}

TEST(PictureCacheTest, MissingDrawingBecomesAPlaceholderOfTheRightSize) {
    tarvik::testing::application();
    PictureCache pictures;
    const QPixmap& missing = pictures.pixmap("no_such_drawing", QSize(40, 30));
    EXPECT_EQ(missing.size(), QSize(40, 30));
    EXPECT_EQ(missing.toImage().pixel(20, 2), qRgb(160, 160, 160));
    EXPECT_TRUE(render_drawing("no_such_drawing", QSize(40, 30), 1.0).isNull());
}

TEST(PictureCacheTest, EachDrawingIsRenderedOncePerRatio) {
    tarvik::testing::application();
    PictureCache pictures;
    const QPixmap& first = pictures.pixmap("bush");
    const QPixmap& again = pictures.pixmap("bush");
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(first.size(), QSize(36, 33));
    const QPixmap& sharp = pictures.pixmap("bush", 2.0);
    EXPECT_EQ(sharp.size(), QSize(72, 66));
    EXPECT_EQ(pictures.size(), 2u);
}

TEST(PictureCacheTest, EveryCatalogueDrawingHasItsSvg) {
    tarvik::testing::application();
    for (const auto& [name, size] : drawing_catalogue())
        EXPECT_FALSE(render_drawing(name, QSize(size.width_px, size.height_px), 1.0).isNull()) << name;
}

TEST(WrapTest, BreaksOnlyAtBlanks) {
    tarvik::testing::application();
    QFont font = font_for(FontSpec{"Times New Roman", 15.75, false});
    QFontMetrics metrics(font);
    // The wall clock's text is one word: cut at the box, never broken.
    EXPECT_EQ(wrap_at_blanks("08:24:13", metrics, 49, 2), std::vector<QString>{"08:24:13"});
    const int two_words = metrics.horizontalAdvance(QStringLiteral("ab cd"));
    EXPECT_EQ(wrap_at_blanks("ab cd", metrics, two_words, 5), (std::vector<QString>{"ab cd"}));
    EXPECT_EQ(wrap_at_blanks("ab  cd ef", metrics, two_words - 1, 5), (std::vector<QString>{"ab", "cd ef"}));
    EXPECT_EQ(wrap_at_blanks(" ab", metrics, 1000, 5), (std::vector<QString>{" ab"}));
    EXPECT_EQ(wrap_at_blanks("a b c d", metrics, 1, 2), (std::vector<QString>{"a", "b"}));
}

TEST(LookTest, FontSizesArePixelsAt96Dpi) {
    EXPECT_EQ(font_pixel_size(8.25), 11);
    EXPECT_EQ(font_pixel_size(13.5), 18);
    EXPECT_EQ(font_pixel_size(21.75), 29);
    EXPECT_EQ(font_pixel_size(48), 64);
    tarvik::testing::application();
    const QFont font = font_for(FontSpec{"MS Sans Serif", 8.25, true});
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_TRUE(font.bold());
}

TEST(UnitsTest, PixelsAndTwips) {
    EXPECT_EQ(pixels_to_twips(QPointF(199, 0)), QPoint(2985, 0));
    EXPECT_EQ(pixels_to_twips(QPointF(17, 20)), QPoint(255, 300));
    EXPECT_EQ(twips_to_pixels(RectTw{-240, 3240, 2370, 765}), QRect(-16, 216, 158, 51));
    // A box off the pixel grid covers every pixel it touches.
    EXPECT_EQ(twips_to_pixels(RectTw{7, 0, 15, 15}), QRect(0, 0, 2, 1));
    EXPECT_EQ(repaint_rect(RectTw{150, 150, 150, 150}), QRect(9, 9, 12, 12));
}

// The game's own windows, rendered as their real windows show them.
class GameImageTest : public tarvik::testing::GameShellTest {
protected:
    void SetUp() override {
        GameShellTest::SetUp();
        main_screen_up();
    }
};

TEST_F(GameImageTest, MainScreenShowsFieldAndClockBox) {
    QImage image = shell->render("form1");
    ASSERT_EQ(image.size(), QSize(800, 600));
    const QColor field = image.pixelColor(198, 300);
    EXPECT_GT(field.green(), 100);
    EXPECT_LT(field.red(), field.green() / 2);
    EXPECT_LT(field.blue(), field.green() / 2);
    EXPECT_EQ(image.pixel(700, 15), qRgb(255, 255, 128));
    EXPECT_EQ(image.pixel(10, 300), qRgb(0, 0, 0));
}

TEST_F(GameImageTest, TransparentTitleShowsThePictureBelow) {
    Control& title = (*program->find_form("form1"))["Label11"];
    const QImage with_title = shell->render("form1");
    title.set_visible(false);
    shell->sync();
    const QImage without_title = shell->render("form1");
    // A corner of the title's box, away from its centred text.
    EXPECT_EQ(with_title.pixel(292, 78), without_title.pixel(292, 78));
    EXPECT_NE(with_title, without_title);
}

TEST_F(GameImageTest, SplashScreenDrawsTheMakerLineInWhite) {
    QImage image = shell->render("Form4");
    int white = 0;
    for (int y = 568; y < 600; ++y)
        for (int x = 584; x < 800; ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255)) ++white;
    EXPECT_GT(white, 20);
}

TEST_F(GameImageTest, NamingBoxShowsItsTextField) {
    (*program->find_form("Form2"))["Text1"].set_text("");
    const QImage empty = shell->render("Form2");
    (*program->find_form("Form2"))["Text1"].set_text("Kvelin");
    const QImage named = shell->render("Form2");
    EXPECT_EQ(empty.pixel(220, 80), qRgb(128, 64, 0));
    EXPECT_NE(empty.copy(88, 72, 137, 17), named.copy(88, 72, 137, 17));
}

}  // namespace
}  // namespace tarvik
