#pragma once

// The running program: its windows, its timers on a virtual clock, and the
// end. Windows are created on first touch; creating one loads its layout and
// runs its Load handler inside the touching call. Nothing here reads a real
// clock or draws: the shells advance the clock and paint the windows.
//
// Timer order: a timer with Interval above 0 ticks every Interval ms, first
// one interval after its window loaded. Ticks due at the same moment come in
// the order in which their timers were registered: windows in the order they
// loaded, and within a window in layout order (topmost first). A timer's next
// due time is fixed before its handler runs, so a handler may stop it.
//
// Which window is in front: the shown windows lie in a stacking order. A show
// brings its window to the top, also when it is already shown (never a second
// window); a click in a shown window, or typing into one of its text boxes,
// brings that window to the top before anything else happens; hiding takes a
// window out, and the one below it is in front. The shells mirror the order.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/form.h"
#include "runtime/handlers.h"

namespace tarvik {

using Millis = std::int64_t;

// What the shells give the core: the time of day as long-time text.
using TimeOfDayText = std::function<std::string()>;

enum class LateTicks {
    // Every due tick is delivered (the scripted driver, tests).
    DeliverAll,
    // A tick that is late by more than one interval is delivered once, and the
    // timer's next tick stays on its own grid (the desktop after a stall).
    Coalesce,
};

class Program {
public:
    Program(std::shared_ptr<const HandlerTable> handlers, TimeOfDayText time_of_day);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the start-up window (the splash screen) at time 0.
    void start(std::string_view startup_form);

    static bool is_form_name(std::string_view name);
    static const std::vector<std::string>& form_names();

    // Creates the window on first touch (layout, Load handler) and returns it.
    Form& ensure_form(std::string_view name);
    // Null when the window has not been created; never creates it.
    Form* find_form(std::string_view name);
    const Form* find_form(std::string_view name) const;
    // Windows in the order they were created.
    const std::vector<std::unique_ptr<Form>>& forms() const { return m_forms; }

    // Modeless: a show makes no second window; it brings the window to the top.
    void show(std::string_view name);
    void hide(std::string_view name);

    // The shown windows, bottom first; the last one is in front.
    const std::vector<Form*>& stacking() const { return m_stacking; }
    // The window in front, or null when none is shown.
    Form* front() const { return m_stacking.empty() ? nullptr : m_stacking.back(); }
    // A shown window activated by the player comes to the top.
    void bring_to_front(Form& form);
    // Bumped by every show and by every change of the stacking order, so a
    // shell can tell cheaply whether to bring a window forward again.
    std::uint64_t stacking_serial() const { return m_stacking_serial; }

    // The window system's close request (title bar, Alt+F4), carried out as
    // the window's layout says: end the program, hide the window, or nothing.
    void request_close(Form& form);

    // Ends the program at once: no further handler runs.
    void end();
    bool ended() const { return m_ended; }

    Millis now() const { return m_now; }
    // Delivers every tick due within the next span (a tick due exactly at its
    // end included), in order, each handler to its end.
    void advance(Millis span, LateTicks late = LateTicks::DeliverAll);
    // The due time of the next tick, if any timer runs.
    std::optional<Millis> next_due() const;

    // A left click at x, y twips of a shown window's client area: the window
    // comes to the top, then the topmost visible control there takes the
    // click and runs its Click handler, if any.
    void click(Form& form, int x, int y);
    // The player's typing: the text box's window comes to the top, then the
    // text becomes the text box's whole text.
    void type(Control& text_box, std::string_view text);

    std::string time_of_day_text() const { return m_time_of_day ? m_time_of_day() : std::string(); }

private:
    friend class Form;

    struct TimerEntry {
        Form* form;
        std::size_t control_index;
        const Handler* handler;
        Millis due;
        std::uint64_t sequence;
        bool active;
    };

    void register_timers(Form& form);
    void reschedule(Form& form, Control& timer);
    TimerEntry* earliest_due(Millis limit);
    void run(const Handler* handler);
    void take_out_of_stacking(Form& form);
    void put_on_top(Form& form);

    std::shared_ptr<const HandlerTable> m_handlers;
    TimeOfDayText m_time_of_day;
    std::vector<std::unique_ptr<Form>> m_forms;
    std::vector<Form*> m_stacking;
    std::uint64_t m_stacking_serial = 0;
    std::vector<TimerEntry> m_timers;
    std::uint64_t m_next_sequence = 0;
    Millis m_now = 0;
    bool m_ended = false;
};

}  // namespace tarvik
