// Speed of painting: a full frame of the main screen into an 800 x 600 image,
// the repaint of one moving sprite, the train, where only the damaged
// rectangles are painted again, and the repaints that a city name of a
// million characters must not make dear: the clock's tick on the still main
// screen (its box lies inside the title's) and the naming box's text field.
//
// Runs on Qt's offscreen platform unless another one is asked for.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <memory>

#include "desktop/desktop_shell.h"
#include "desktop/form_painter.h"
#include "desktop/form_window.h"
#include "desktop/picture_cache.h"
#include "desktop/units.h"
#include "game.h"
#include "runtime/program.h"
#include "state/city_state.h"

using namespace tarvik;

namespace {

// The main screen at its busiest: the rail track and the train shown, the
// station built and the helicopter in the air.
std::unique_ptr<Program> busy_main_screen() {
    auto program = new_game([] { return std::string("12:00:00"); });
    program->advance(12'000);
    Form& main = program->ensure_form("form1");
    main["kolej"].set_visible(true);
    main["vlak"].set_visible(true);
    main["vrt"].set_visible(true);
    main["n56"].set_picture(main["nad"].picture());
    write_flag(main["nn56"], 1);
    write_flag(main["nn56n"], 1);
    main["letiste"].set_caption("1");
    main.take_damage();
    return program;
}

QRect main_screen_pixels(const Form& form) {
    return QRect(0, 0, twips_to_pixel(form.look().client_width), twips_to_pixel(form.look().client_height));
}

// Paints the whole frame into the image, as a warm-up or one iteration.
void paint_whole(QImage& image, const Form& form, PictureCache& pictures, const QRect& frame, const QPalette& palette) {
    QPainter painter(&image);
    paint_form(painter, form, pictures, frame, palette);
}

// Every picture rasterised once more, as the first frame after the start
// has it: a new cache each time.
void BM_FullFrameCold(benchmark::State& state) {
    auto program = busy_main_screen();
    const Form& main = *program->find_form("form1");
    const QRect frame = main_screen_pixels(main);
    QImage image(frame.size(), QImage::Format_ARGB32_Premultiplied);
    const QPalette palette;
    for (auto _ : state) {
        PictureCache pictures;
        paint_whole(image, main, pictures, frame, palette);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FullFrameCold)->Unit(benchmark::kMillisecond);

// The frame of a running game: every picture already in the cache.
void BM_FullFrame(benchmark::State& state) {
    auto program = busy_main_screen();
    const Form& main = *program->find_form("form1");
    const QRect frame = main_screen_pixels(main);
    QImage image(frame.size(), QImage::Format_ARGB32_Premultiplied);
    const QPalette palette;
    PictureCache pictures;
    paint_whole(image, main, pictures, frame, palette);
    for (auto _ : state) {
        paint_whole(image, main, pictures, frame, palette);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pixels"] = static_cast<double>(frame.width()) * frame.height();
    state.counters["pictures_cached"] = static_cast<double>(pictures.size());
}
BENCHMARK(BM_FullFrame)->Unit(benchmark::kMicrosecond);

// The same frame through the shell's window (QWidget::render), as the real
// window paints it.
void BM_FullFrameShellRender(benchmark::State& state) {
    auto program = busy_main_screen();
    DesktopShell shell(*program);
    benchmark::DoNotOptimize(shell.render("form1"));
    for (auto _ : state) benchmark::DoNotOptimize(shell.render("form1"));
}
BENCHMARK(BM_FullFrameShellRender)->Unit(benchmark::kMicrosecond);

// One frame of the train: it moves 10 twips, the form reports its damage,
// and only the damaged pixels (the shell's repaint rectangles) are painted.
void BM_TrainMoveRepaint(benchmark::State& state) {
    auto program = busy_main_screen();
    Form& main = *program->find_form("form1");
    Control& train = main["vlak"];
    const QRect frame = main_screen_pixels(main);
    QImage image(frame.size(), QImage::Format_ARGB32_Premultiplied);
    const QPalette palette;
    PictureCache pictures;
    paint_whole(image, main, pictures, frame, palette);
    const float start = train.left();
    int step = 0;
    double damaged_pixels = 0;
    double damage_rects = 0;
    for (auto _ : state) {
        // To and fro over the track, as the game moves it.
        const RectTw before = train.rect();
        train.set_left(start - 10.0f * static_cast<float>(step % 100 + 1));
        ++step;
        const Damage damage = main.take_damage();
        QRegion region;
        if (damage.whole_window) region = QRegion(frame);
        for (const RectTw& changed : damage.rects) region += repaint_rect(changed);
        region &= QRegion(frame);
        // Only the train's old and new rectangles may be painted again.
        if (region != ((QRegion(repaint_rect(before)) + repaint_rect(train.rect())) & QRegion(frame))) {
            state.SkipWithError("the repaint is not the train's old and new rectangles");
            break;
        }
        QPainter painter(&image);
        painter.setClipRegion(region);
        paint_form(painter, main, pictures, region.boundingRect(), palette);
        painter.end();
        for (const QRect& rect : region) damaged_pixels += static_cast<double>(rect.width()) * rect.height();
        damage_rects += static_cast<double>(damage.rects.size());
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["damaged_px_per_frame"] = benchmark::Counter(damaged_pixels, benchmark::Counter::kAvgIterations);
    state.counters["damage_rects_per_frame"] = benchmark::Counter(damage_rects, benchmark::Counter::kAvgIterations);
    state.counters["train_px"] =
        static_cast<double>(twips_to_pixels(train.rect()).width()) * twips_to_pixels(train.rect()).height();
}
BENCHMARK(BM_TrainMoveRepaint)->Unit(benchmark::kMicrosecond);

// Real play: the game advances 10 ms at a time with the train and the
// helicopter moving and every other timer running; each step repaints the
// damage of the main screen, as the shell does after each tick.
void BM_PlayTickRepaint(benchmark::State& state) {
    auto program = busy_main_screen();
    Form& main = *program->find_form("form1");
    const QRect frame = main_screen_pixels(main);
    QImage image(frame.size(), QImage::Format_ARGB32_Premultiplied);
    const QPalette palette;
    PictureCache pictures;
    paint_whole(image, main, pictures, frame, palette);
    double damaged_pixels = 0;
    for (auto _ : state) {
        program->advance(10);
        const Damage damage = main.take_damage();
        QRegion region;
        if (damage.whole_window) region = QRegion(frame);
        for (const RectTw& changed : damage.rects) region += repaint_rect(changed);
        region &= QRegion(frame);
        if (region.isEmpty()) continue;
        QPainter painter(&image);
        painter.setClipRegion(region);
        paint_form(painter, main, pictures, region.boundingRect(), palette);
        painter.end();
        for (const QRect& rect : region) damaged_pixels += static_cast<double>(rect.width()) * rect.height();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["damaged_px_per_tick"] = benchmark::Counter(damaged_pixels, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PlayTickRepaint)->Unit(benchmark::kMicrosecond);

// The city names measured: 0 the first name, 1 a million blanks, 2 a
// million 'M's (one word).
std::string city_name(std::int64_t kind) {
    switch (kind) {
    case 1: return std::string(1'000'000, ' ');
    case 2: return std::string(1'000'000, 'M');
    default: return "Tarvik";
    }
}

const char* city_name_label(std::int64_t kind) {
    switch (kind) {
    case 1: return "1M blanks";
    case 2: return "1M M";
    default: return "Tarvik";
    }
}

// The still main screen named so, through the shell.
struct StillMainScreen {
    explicit StillMainScreen(std::int64_t name_kind)
        : program(new_game([] { return std::string("12:00:00"); })), shell(*program) {
        shell.step_to(12'000);
        main = program->find_form("form1");
        (*main)["Label11"].set_caption(city_name(name_kind));
        shell.sync();
        window = shell.window_for("form1");
        image = QImage(window->client_rect().size(), QImage::Format_ARGB32_Premultiplied);
        window->render(&image);
    }

    // The next second of the wall clock, as the clock's timer shows it.
    void tick() {
        ++seconds;
        const int second = seconds % 60;
        (*main)["Label3"].set_caption("12:00:" + std::string(second < 10 ? "0" : "") + std::to_string(second));
    }

    int seconds = 0;
    std::unique_ptr<Program> program;
    DesktopShell shell;
    Form* main = nullptr;
    FormWindow* window = nullptr;
    QImage image;
};

// One tick of the wall clock on the still main screen: the core reports the
// clock's box, which overlaps the title's, and the window repaints it as the
// real window does (its label layouts kept between repaints).
void BM_ClockTickRepaint(benchmark::State& state) {
    StillMainScreen screen(state.range(0));
    const QRect title = twips_to_pixels((*screen.main)["Label11"].rect());
    for (auto _ : state) {
        screen.tick();
        screen.shell.sync();
        const QRegion& repaint = screen.window->last_repaint();
        if (!repaint.intersects(title)) {
            state.SkipWithError("the clock's repaint does not reach the title");
            break;
        }
        screen.window->render(&screen.image, repaint.boundingRect().topLeft(), repaint);
        benchmark::DoNotOptimize(screen.image.constBits());
    }
    state.SetLabel(city_name_label(state.range(0)));
}
BENCHMARK(BM_ClockTickRepaint)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The same repaint by the painter alone, laying every label out anew each
// time: what each tick cost before the window kept its label layouts.
void BM_ClockTickRepaintNoLayoutCache(benchmark::State& state) {
    StillMainScreen screen(state.range(0));
    const QPalette palette = screen.window->palette();
    for (auto _ : state) {
        screen.tick();
        screen.shell.sync();
        const QRegion& repaint = screen.window->last_repaint();
        QPainter painter(&screen.image);
        painter.setClipRegion(repaint);
        paint_form(painter, *screen.main, screen.shell.pictures(), repaint.boundingRect(), palette);
        painter.end();
        benchmark::DoNotOptimize(screen.image.constBits());
    }
    state.SetLabel(city_name_label(state.range(0)));
}
BENCHMARK(BM_ClockTickRepaintNoLayoutCache)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The naming box's text field repainted, as each blink of its cursor does,
// with the name in it: the field paints its whole box, the window nothing.
void BM_NamingFieldRepaint(benchmark::State& state) {
    auto program = new_game([] { return std::string("12:00:00"); });
    DesktopShell shell(*program);
    shell.step_to(12'000);
    (*program->find_form("Form2"))["Text1"].set_text(city_name(state.range(0)));
    shell.render("Form2");
    FormWindow* window = shell.window_for("Form2");
    const QRect field = window->text_field("Text1")->geometry();
    QImage image(window->client_rect().size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        window->render(&image, field.topLeft(), QRegion(field));
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(city_name_label(state.range(0)));
}
BENCHMARK(BM_NamingFieldRepaint)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
