// The four watcher timers of the main screen. Each tick tests the city state
// of that moment, the second value only when the first test holds, and shows
// its event dialog when the condition holds. Stopping a watcher is setting its
// Interval to 0, which is final.

#include "events/bindings.h"
#include "runtime/picture.h"
#include "runtime/program.h"
#include "state/city_state.h"

namespace tarvik {

namespace {

// Lots 36 and 27 built: the mining incident. Form6's Load, run inside the
// first show, stops this watcher.
void form1_Timer6_Timer(Program& program) {
    Form& main = program.ensure_form("form1");
    if (!flag_equals(main["nn36"], 1)) return;
    if (!flag_equals(main["nn27"], 1)) return;
    program.show("Form6");
}

// More than 300 people under a smiling face: the victory message, then stop.
// The face is tested by picture identity with the smiling template.
void form1_Timer7_Timer(Program& program) {
    Form& main = program.ensure_form("form1");
    if (!value_above(main["lid"], 300)) return;
    if (!same_picture(main["nal"].picture(), main["smich"].picture())) return;
    program.show("Form7");
    main["Timer7"].set_interval(0);
}

// Two airports or more: the hijack, shown again on every tick until one of
// its closing choices stops this watcher.
void form1_Timer8_Timer(Program& program) {
    Form& main = program.ensure_form("form1");
    if (!value_above(main["letiste"], 1)) return;
    program.show("Form8");
}

// Lots 28 and 34 built: the rail offer. The watcher stops before the show.
void form1_Timer11_Timer(Program& program) {
    Form& main = program.ensure_form("form1");
    if (!flag_equals(main["nn28"], 1)) return;
    if (!flag_equals(main["nn34"], 1)) return;
    main["Timer11"].set_interval(0);
    program.show("Form9");
}

}  // namespace

void bind_watchers(HandlerTable& table) {
    table.bind("form1", "Timer6", Event::Timer, form1_Timer6_Timer);
    table.bind("form1", "Timer7", Event::Timer, form1_Timer7_Timer);
    table.bind("form1", "Timer8", Event::Timer, form1_Timer8_Timer);
    table.bind("form1", "Timer11", Event::Timer, form1_Timer11_Timer);
}

}  // namespace tarvik
