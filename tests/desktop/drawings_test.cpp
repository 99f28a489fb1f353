// Every drawing the layouts name has its own SVG source, which parses and has
// exactly the listed size; drawings shown by several controls are one source
// but separate picture objects at run time.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QSvgRenderer>
#include <set>

#include "game.h"
#include "qt_environment.h"
#include "runtime/assets.h"
#include "runtime/layout.h"

using namespace tarvik;

TEST(Drawings, EverySvgParsesAtItsListedSize) {
    tarvik::testing::application();
    for (const auto& [name, size] : drawing_catalogue()) {
        auto svg = find_asset("pictures/" + name + ".svg");
        ASSERT_TRUE(svg.has_value()) << name << ".svg is missing";
        QSvgRenderer renderer(QByteArray(svg->data(), static_cast<qsizetype>(svg->size())));
        EXPECT_TRUE(renderer.isValid()) << name << ".svg does not parse";
        EXPECT_EQ(renderer.defaultSize(), QSize(size.width_px, size.height_px)) << name;
        EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, size.width_px, size.height_px)) << name;
    }
}

TEST(Drawings, EverySvgIsListedAndEveryListedDrawingIsUsed) {
    std::set<std::string> named;
    for (const std::string& form : Program::form_names()) {
        const Layout& layout = layout_of(form);
        for (const std::string& drawing : layout.picture_drawings)
            if (!drawing.empty()) named.insert(drawing);
        for (const std::string* drawing :
             {&layout.window.picture_drawing, &layout.window.icon_drawing, &layout.window.cursor_drawing})
            if (!drawing->empty()) named.insert(*drawing);
    }
    for (const auto& [name, size] : drawing_catalogue())
        EXPECT_TRUE(named.count(name)) << name << " is used by no window";
    for (std::string_view path : asset_paths()) {
        if (path.substr(0, 9) != "pictures/" || path.size() < 4 || path.substr(path.size() - 4) != ".svg") continue;
        std::string name(path.substr(9, path.size() - 13));
        EXPECT_TRUE(drawing_catalogue().count(name)) << path << " is not listed in drawings.txt";
    }
}

TEST(Drawings, SharedDrawingsAreSeparatePictureObjects) {
    auto program = new_game([] { return std::string(); });
    Form& main = program->ensure_form("form1");
    std::set<const Picture*> empty_lots;
    for (int lot = 1; lot <= 56; ++lot) empty_lots.insert(main["n" + std::to_string(lot)].picture().get());
    empty_lots.insert(main["nic"].picture().get());
    EXPECT_EQ(empty_lots.size(), 57u);
    for (const Picture* picture : empty_lots) EXPECT_EQ(picture->drawing(), "empty_lot");

    std::set<const Picture*> scenes;
    for (const char* dialog : {"Form6", "Form8", "Form9"}) {
        const PictureRef& scene = program->ensure_form(dialog)["Image1"].picture();
        EXPECT_EQ(scene->drawing(), "village_scene");
        scenes.insert(scene.get());
    }
    EXPECT_EQ(scenes.size(), 3u);
    EXPECT_NE(program->ensure_form("Form6")["pol"].picture().get(),
              program->ensure_form("Form8")["pol"].picture().get());
    EXPECT_NE(main["Image4"].picture().get(), main["Image5"].picture().get());
}
