// A city name far wider than the title's box shows the part its centring
// keeps, and the title keeps its box: a megabyte-long name draws just as a
// name of a few thousand of the same letters does.

#include <gtest/gtest.h>

#include "desktop/desktop_shell.h"
#include "desktop/units.h"
#include "game.h"
#include "qt_environment.h"

namespace tarvik {
namespace {

QImage title_with(std::string name) {
    auto program = new_game([] { return std::string(); });
    DesktopShell shell(*program);
    shell.step_to(12000);
    program->find_form("form1")->control("Label11").set_caption(name);
    shell.sync();
    const QRect title = twips_to_pixels(program->find_form("form1")->control("Label11").rect());
    return shell.render("form1").copy(title.adjusted(-10, 0, 10, 0));
}

TEST(LongName, MegabyteNameShowsTheCentredPartInTheTitlesBox) {
    tarvik::testing::application();
    const QImage short_name = title_with(std::string(3000, 'M'));
    const QImage huge_name = title_with(std::string(1 << 20, 'M'));
    EXPECT_EQ(short_name, huge_name);
    const QImage plain = title_with("Tarvik");
    EXPECT_NE(plain, huge_name) << "the long name is drawn at all";
}

}  // namespace
}  // namespace tarvik
