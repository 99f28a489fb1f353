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

    // Modeless and idempotent: showing a shown window changes nothing.
    void show(std::string_view name);
    void hide(std::string_view name);

    // Ends the program at once: no further handler runs.
    void end();
    bool ended() const { return m_ended; }

    Millis now() const { return m_now; }
    // Delivers every tick due within the next span (a tick due exactly at its
    // end included), in order, each handler to its end.
    void advance(Millis span, LateTicks late = LateTicks::DeliverAll);
    // The due time of the next tick, if any timer runs.
    std::optional<Millis> next_due() const;

    // A left click at x, y twips of a window's client area: the topmost
    // visible control there takes it and runs its Click handler, if any.
    void click(Form& form, int x, int y);

    std::string time_of_day_text() const { return m_time_of_day ? m_time_of_day() : std::string(); }

    // Bumped whenever a window is shown, hidden or created, so a shell can
    // tell cheaply whether to look at the windows again.
    std::uint64_t window_generation() const { return m_window_generation; }
    // Bumped each time a hidden window is shown (a shell brings it to front).
    std::uint64_t show_serial(const Form& form) const;

    const HandlerTable& handlers() const { return *m_handlers; }

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

    std::shared_ptr<const HandlerTable> m_handlers;
    TimeOfDayText m_time_of_day;
    std::vector<std::unique_ptr<Form>> m_forms;
    std::vector<std::uint64_t> m_show_serials;
    std::vector<TimerEntry> m_timers;
    std::uint64_t m_next_sequence = 0;
    std::uint64_t m_window_generation = 0;
    std::uint64_t m_next_show_serial = 0;
    Millis m_now = 0;
    bool m_ended = false;
};

}  // namespace tarvik
