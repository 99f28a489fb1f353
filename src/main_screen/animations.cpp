// The main screen's animations: the train on lot 56, the helicopter driven by
// four direction flags, and the house template's alternating picture.
//
// Some of these timers tick every 10 to 250 ms, so each tick looks its
// controls up once, writes only what changes and builds no text: the flags
// take their literal "0" or "1".

#include <string_view>

#include "main_screen/bindings.h"
#include "runtime/program.h"
#include "state/city_state.h"

namespace tarvik {

namespace {

constexpr std::string_view flag_on = "1";
constexpr std::string_view flag_off = "0";

constexpr float train_step = 10.0f;
constexpr float helicopter_step = 100.0f;

// Every 10 ms, while the station stands: a step in the direction of `levo`.
// Two separate tests, each reading the direction; the train's visibility is
// not asked.
void form1_Timer9_Timer(Program& program) {
    Form& main = program.ensure_form("form1");
    if (flag_equals(main["nn56n"], 1)) {
        const Control& levo = main["levo"];
        Control& vlak = main["vlak"];
        if (flag_equals(levo, 1)) vlak.set_left(vlak.left() - train_step);
        if (flag_equals(levo, 0)) vlak.set_left(vlak.left() + train_step);
    }
}

// Every 100 ms, whatever the station flag: the train turns past the left edge
// of lot 56 or past the buffer stop (strictly beyond either); then the
// helicopter shows once there is an airport and, while shown, takes one step
// for each direction flag that is on. Opposite flags cancel out.
void form1_Timer10_Timer(Program& program) {
    Form& main = program.ensure_form("form1");
    Control& levo = main["levo"];
    const float train_left = main["vlak"].left();
    if (train_left < main["n56"].left()) levo.set_caption(flag_off);
    if (train_left > main["zarazka"].left()) levo.set_caption(flag_on);

    Control& vrt = main["vrt"];
    if (value_above(main["letiste"], 0)) vrt.set_visible(true);
    if (vrt.visible()) {
        if (flag_equals(main["dolu"], 1)) vrt.set_top(vrt.top() + helicopter_step);
        if (flag_equals(main["nah"], 1)) vrt.set_top(vrt.top() - helicopter_step);
        if (flag_equals(main["prav"], 1)) vrt.set_left(vrt.left() + helicopter_step);
        if (flag_equals(main["lev"], 1)) vrt.set_left(vrt.left() - helicopter_step);
    }
}

// A direction flag's setting or clearing tick: it writes only when the flag
// holds the other value.
void switch_flag(Program& program, std::string_view name, int from, std::string_view to) {
    Control& flag = program.ensure_form("form1")[name];
    if (flag_equals(flag, from)) flag.set_caption(to);
}

void form1_Timer12_Timer(Program& program) { switch_flag(program, "nah", 0, flag_on); }
void form1_Timer13_Timer(Program& program) { switch_flag(program, "dolu", 0, flag_on); }
void form1_Timer14_Timer(Program& program) { switch_flag(program, "lev", 0, flag_on); }
void form1_Timer15_Timer(Program& program) { switch_flag(program, "prav", 0, flag_on); }
void form1_Timer16_Timer(Program& program) { switch_flag(program, "nah", 1, flag_off); }
void form1_Timer17_Timer(Program& program) { switch_flag(program, "dolu", 1, flag_off); }
void form1_Timer18_Timer(Program& program) { switch_flag(program, "lev", 1, flag_off); }
void form1_Timer19_Timer(Program& program) { switch_flag(program, "prav", 1, flag_off); }

// Every 10 s: the helicopter back on its home mark, shown or not.
void form1_Timer20_Timer(Program& program) {
    Form& main = program.ensure_form("form1");
    Control& vrt = main["vrt"];
    const Control& home = main["start"];
    vrt.set_left(home.left());
    vrt.set_top(home.top());
}

// The house template takes the very picture of its source, shared, so that a
// selection copied from it matches only while the same source's turn lasts.
void form1_Timer4_Timer(Program& program) {
    Form& main = program.ensure_form("form1");
    main["d"].set_picture(main["d2"].picture());
}

void form1_Timer5_Timer(Program& program) {
    Form& main = program.ensure_form("form1");
    main["d"].set_picture(main["d1"].picture());
}

}  // namespace

void bind_animations(HandlerTable& table) {
    table.bind("form1", "Timer9", Event::Timer, form1_Timer9_Timer);
    table.bind("form1", "Timer10", Event::Timer, form1_Timer10_Timer);
    table.bind("form1", "Timer12", Event::Timer, form1_Timer12_Timer);
    table.bind("form1", "Timer13", Event::Timer, form1_Timer13_Timer);
    table.bind("form1", "Timer14", Event::Timer, form1_Timer14_Timer);
    table.bind("form1", "Timer15", Event::Timer, form1_Timer15_Timer);
    table.bind("form1", "Timer16", Event::Timer, form1_Timer16_Timer);
    table.bind("form1", "Timer17", Event::Timer, form1_Timer17_Timer);
    table.bind("form1", "Timer18", Event::Timer, form1_Timer18_Timer);
    table.bind("form1", "Timer19", Event::Timer, form1_Timer19_Timer);
    table.bind("form1", "Timer20", Event::Timer, form1_Timer20_Timer);
    table.bind("form1", "Timer4", Event::Timer, form1_Timer4_Timer);
    table.bind("form1", "Timer5", Event::Timer, form1_Timer5_Timer);
}

}  // namespace tarvik
