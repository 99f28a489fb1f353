// Pictures drawn ahead on other threads: the same pixels as drawn on the
// spot, kept once, and the placeholder for a drawing that is missing.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "desktop/desktop_shell.h"
#include "desktop/form_painter.h"
#include "desktop/form_window.h"
#include "desktop/picture_cache.h"
#include "game.h"
#include "qt_environment.h"

namespace tarvik {
namespace {

TEST(PicturePrefetchTest, PrefetchedPictureHasThePixelsOfOneDrawnOnTheSpot) {
    tarvik::testing::application();
    PictureCache ahead;
    ahead.prefetch("splash_title", QSize(501, 243));
    ahead.prefetch("bush", QSize(36, 33), 2.0);
    EXPECT_EQ(ahead.size(), 0u);
    const QImage title = ahead.pixmap("splash_title", QSize(501, 243)).toImage();
    const QImage sharp = ahead.pixmap("bush", QSize(36, 33), 2.0).toImage();
    EXPECT_EQ(ahead.size(), 2u);

    PictureCache on_the_spot;
    EXPECT_EQ(title, on_the_spot.pixmap("splash_title", QSize(501, 243)).toImage());
    EXPECT_EQ(sharp, on_the_spot.pixmap("bush", QSize(36, 33), 2.0).toImage());
    EXPECT_EQ(sharp.size(), QSize(72, 66));
}

TEST(PicturePrefetchTest, PrefetchingTwiceOrAfterUseKeepsOnePicture) {
    tarvik::testing::application();
    PictureCache pictures;
    pictures.prefetch("bush", QSize(36, 33));
    pictures.prefetch("bush", QSize(36, 33));
    const QPixmap& first = pictures.pixmap("bush", QSize(36, 33));
    pictures.prefetch("bush", QSize(36, 33));
    EXPECT_EQ(&pictures.pixmap("bush", QSize(36, 33)), &first);
    EXPECT_EQ(pictures.size(), 1u);
}

TEST(PicturePrefetchTest, MissingDrawingPrefetchedIsThePlaceholder) {
    tarvik::testing::application();
    PictureCache pictures;
    pictures.prefetch("no_such_drawing", QSize(40, 30));
    const QPixmap& missing = pictures.pixmap("no_such_drawing", QSize(40, 30));
    EXPECT_EQ(missing.size(), QSize(40, 30));
    EXPECT_EQ(missing.toImage().pixel(20, 2), qRgb(160, 160, 160));
}

// A window's pictures are drawn ahead when the shell makes the window, so
// its first paint finds them kept; it paints what a cache without them does.
TEST(PicturePrefetchTest, SplashWindowPaintsTheSameWithPicturesDrawnAhead) {
    tarvik::testing::application();
    auto program = new_game([] { return std::string("12:00:00"); });
    DesktopShell shell(*program);
    shell.sync();
    ASSERT_NE(shell.window_for("Form4"), nullptr);
    const QImage ahead = shell.render("Form4");
    EXPECT_GE(shell.pictures().size(), 3u);  // the cursor, the title and the aeroplane

    PictureCache fresh;
    QImage direct(ahead.size(), QImage::Format_ARGB32_Premultiplied);
    direct.fill(Qt::transparent);
    QPainter painter(&direct);
    paint_form(painter, *program->find_form("Form4"), fresh, direct.rect(), shell.window_for("Form4")->palette());
    painter.end();
    EXPECT_EQ(ahead, direct);
}

}  // namespace
}  // namespace tarvik
