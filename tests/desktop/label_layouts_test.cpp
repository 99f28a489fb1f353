// A window keeps its labels' lines between repaints: they are laid out again
// when a label's caption, font or box changes, and only then, and what is
// painted from them is the same as painting without the cache.

#include <gtest/gtest.h>

#include <QPainter>

#include "desktop/desktop_shell.h"
#include "desktop/form_painter.h"
#include "desktop/form_window.h"
#include "desktop/look.h"
#include "desktop/picture_cache.h"
#include "desktop/units.h"
#include "game.h"
#include "game_shell.h"
#include "qt_environment.h"
#include "runtime/layout.h"

namespace tarvik {
namespace {

class LabelLayoutsTest : public ::testing::Test {
protected:
    void SetUp() override {
        tarvik::testing::application();
        const std::string text =
            "window Test ClientWidth=3000 ClientHeight=1500\n"
            "Label Words Left=0 Top=0 Width=1500 Height=900 Caption=\"one two three four five six\"\n"
            "Label Other Left=0 Top=900 Width=1500 Height=300 Caption=\"other\" Visible=false\n";
        Layout layout = read_layout("test.layout", text, drawing_catalogue());
        form = std::make_unique<Form>(program, "Test", layout.window, layout.controls);
        words = &(*form)["Words"];
        box = twips_to_pixels(words->rect());
    }

    const std::vector<QString>& lines(const Control& label, const QFont& used, int dpi, const QRect& at) {
        return layouts.lines(label, QFontMetrics(used), used, dpi, at);
    }

    Program program{std::make_shared<HandlerTable>(), [] { return std::string(); }};
    std::unique_ptr<Form> form;
    Control* words = nullptr;
    QRect box;
    LabelLayouts layouts;
    const QFont font = font_for(FontSpec{});
};

TEST_F(LabelLayoutsTest, SameCaptionFontAndBoxReuseTheLines) {
    const std::vector<QString>& first = lines(*words, font, 96, box);
    EXPECT_EQ(first, label_lines(*words, QFontMetrics(font), box));
    EXPECT_EQ(layouts.made(), 1u);
    const std::vector<QString>& again = lines(*words, font, 96, box);
    EXPECT_EQ(&again, &first);
    EXPECT_EQ(layouts.made(), 1u);
    // Moving the box keeps its lines; only its size counts.
    lines(*words, font, 96, box.translated(30, 40));
    EXPECT_EQ(layouts.made(), 1u);
}

TEST_F(LabelLayoutsTest, EachChangeLaysTheLabelOutAgain) {
    lines(*words, font, 96, box);
    std::uint64_t made = layouts.made();
    const auto expect_new_layout = [&](const char* what, const std::vector<QString>& got, const QFont& used,
                                       const QRect& at) {
        EXPECT_EQ(layouts.made(), ++made) << what;
        EXPECT_EQ(got, label_lines(*words, QFontMetrics(used), at)) << what;
    };

    words->set_caption("renamed city");
    expect_new_layout("caption", lines(*words, font, 96, box), font, box);

    // Changed while hidden, then shown: the new caption is laid out.
    words->set_visible(false);
    words->set_caption("hidden rename");
    words->set_visible(true);
    expect_new_layout("caption while hidden", lines(*words, font, 96, box), font, box);

    // Narrower: the same caption wraps into more lines.
    const QRect narrow(box.topLeft(), QSize(40, box.height()));
    const std::vector<QString> wide_lines = lines(*words, font, 96, box);
    const std::vector<QString>& narrow_lines = lines(*words, font, 96, narrow);
    expect_new_layout("width", narrow_lines, font, narrow);
    EXPECT_GT(narrow_lines.size(), wide_lines.size());

    const QRect low(box.topLeft(), QSize(40, 5));
    const std::vector<QString>& one_line = lines(*words, font, 96, low);
    expect_new_layout("height", one_line, font, low);
    EXPECT_EQ(one_line.size(), 1u);

    QFont big = font;
    big.setPixelSize(30);
    expect_new_layout("font", lines(*words, big, 96, box), big, box);
    lines(*words, big, 144, box);
    EXPECT_EQ(layouts.made(), ++made) << "dpi";
}

TEST_F(LabelLayoutsTest, LabelsAreKeptApart) {
    const Control& other = (*form)["Other"];
    const std::vector<QString> words_lines = lines(*words, font, 96, box);
    const std::vector<QString>& other_lines = lines(other, font, 96, box);
    EXPECT_EQ(other_lines, std::vector<QString>{"other"});
    EXPECT_EQ(lines(*words, font, 96, box), words_lines);
    EXPECT_EQ(layouts.made(), 2u);
}

TEST_F(LabelLayoutsTest, OverlongLinesAreKeptCut) {
    words->set_caption(std::string(1'000'000, 'M'));
    const std::vector<QString>& cut = lines(*words, font, 96, box);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_LT(cut[0].size(), 1000);
    EXPECT_EQ(cut, label_lines(*words, QFontMetrics(font), box));
}

// The main screen through its real window, with the cache, against the
// painter with none: the same pixels whatever the title and the clock do.
class MainScreenLayoutsTest : public tarvik::testing::GameShellTest {
protected:
    std::string wall_clock_text() const override { return "12:00:00"; }

    void SetUp() override {
        GameShellTest::SetUp();
        main_screen_up();
        main = program->find_form("form1");
        window = shell->window_for("form1");
    }

    QImage uncached() {
        QImage image(window->client_rect().size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint_form(painter, *main, shell->pictures(), image.rect(), window->palette());
        return image;
    }

    Form* main = nullptr;
    FormWindow* window = nullptr;
};

TEST_F(MainScreenLayoutsTest, CachedPaintIsThePainterAlone) {
    Control& title = (*main)["Label11"];
    Millis now = 12000;
    for (const std::string& name : {std::string("Tarvik"), std::string(1'000'000, ' '), std::string(1'000'000, 'M'),
                                    std::string("Nove Mesto nad Metuji a okoli"), std::string("Tarvik")}) {
        title.set_caption(name);
        for (int tick = 0; tick < 2; ++tick) {
            now += 1000;
            shell->step_to(now);
            EXPECT_EQ(shell->render("form1"), uncached()) << name.substr(0, 30) << " tick " << tick;
        }
    }
}

TEST_F(MainScreenLayoutsTest, StillScreenLaysNothingOutAgain) {
    (*main)["Label11"].set_caption(std::string(1'000'000, ' '));
    shell->sync();
    shell->render("form1");
    const std::uint64_t made = window->label_layouts().made();
    EXPECT_GT(made, 0u);
    shell->render("form1");
    EXPECT_EQ(window->label_layouts().made(), made);
    // One caption changes: one label is laid out again.
    (*main)["Label11"].set_caption(std::string(1'000'000, 'M'));
    shell->sync();
    shell->render("form1");
    EXPECT_EQ(window->label_layouts().made(), made + 1);
}

}  // namespace
}  // namespace tarvik
