#pragma once

// The Qt desktop shell over the core: one real window per shown core window,
// real time for the core's virtual clock, and mouse and keyboard into the
// core. It translates and paints; the game is decided in the core.
//
// The loop belongs to the shell: one single-shot precise QTimer is armed for
// the core's next due tick and, when it fires, the core is advanced to the
// time read from a monotonic clock. While no tick is due nothing runs.
//
// The loop wakes at most once a frame (20 ms, 50 frames a second): a tick due
// sooner after the last wake-up waits for the next one and runs there with
// the others held back, each in order and on its timer's grid, and their
// changes are painted once. So the 10 ms timers run two ticks a wake-up.

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QTimer>
#include <memory>
#include <string_view>
#include <thread>
#include <vector>

#include "desktop/picture_cache.h"
#include "runtime/program.h"

namespace tarvik {

class FormWindow;

class DesktopShell : public QObject {
    Q_OBJECT

public:
    explicit DesktopShell(Program& program);
    ~DesktopShell() override;
    DesktopShell(const DesktopShell&) = delete;
    DesktopShell& operator=(const DesktopShell&) = delete;

    // Runs the core from real time from now on (the program's time 0 is now).
    void start_clock();

    // The windows follow the core: created when first shown, hidden when
    // hidden, the core's front window raised and activated whenever the
    // core's stacking order changes or a show brings a window forward;
    // changes are repainted. Once the program has ended every window closes
    // and program_ended is sent.
    void sync();
    // Virtual time for tests: advances the core to the moment ms, then syncs.
    void step_to(Millis ms);

    FormWindow* window_for(std::string_view form_name) const;
    // Paints a window's client area into an image of its design size; a
    // window the core has not created yet gives a null image (drawing it
    // never creates it).
    QImage render(std::string_view form_name);

    // What the windows report.
    void click(Form& form, QPointF pixels);
    void text_edited(Control& text_box, const QString& text);
    void close_requested(Form& form);
    // The player activated a window by other means than a click in it (its
    // title bar, the window manager's keys): it comes to the front.
    void window_activated(FormWindow& window);

    PictureCache& pictures() { return m_pictures; }
    bool finished() const { return m_finished; }

signals:
    // The program has ended; the event loop should quit.
    void program_ended();

private:
    void catch_up();
    void after_change();
    void arm_timer();
    void finish();
    void follow_stacking();
    FormWindow& ensure_window(Form& form);

    Program& m_program;
    PictureCache m_pictures;
    std::vector<std::unique_ptr<FormWindow>> m_windows;
    QElapsedTimer m_clock;
    QTimer m_due_timer;
    bool m_live = false;
    bool m_finished = false;
    // Real times of the last wake-up of the loop and of the next one.
    Millis m_last_wake = 0;
    Millis m_planned_wake = 0;
    // The core's stacking order as the windows last followed it, and the
    // window the shell last asked the window manager to activate.
    std::uint64_t m_stacking_serial = 0;
    FormWindow* m_requested_front = nullptr;
    QElapsedTimer m_activation_clock;
    // Loads the font database beside the start-up work of the main thread.
    std::thread m_font_warm_up;
};

}  // namespace tarvik
