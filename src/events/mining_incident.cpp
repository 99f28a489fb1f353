// Form6, the mining incident: terrorists demand 1500. Paying takes it without
// looking at money; the police decide by their count: above 3 a reward, below
// 3 six lots are razed, and at exactly 3 nothing happens and the dialog stays.

#include "board/razing.h"
#include "events/bindings.h"
#include "events/police_car.h"
#include "runtime/program.h"
#include "state/city_state.h"

namespace tarvik {

namespace {

// Runs inside the watcher's first show, so the incident comes once a run.
void Form6_Form_Load(Program& program) { program.ensure_form("form1")["Timer6"].set_interval(0); }

// "1)zaplatit"
void Form6_Label3_Click(Program& program) {
    value_update_strict(program.ensure_form("form1")["many"], -1500);
    program.hide("Form6");
}

// "2)policejni zasah"
void Form6_Label4_Click(Program& program) {
    Form& main = program.ensure_form("form1");
    if (value_above(main["pol"], 3)) {
        program.hide("Form6");
        value_update(main["many"], 1500);
    }
    if (value_below(main["pol"], 3)) {
        raze_lot(main, 22);
        value_update_strict(main["nalada"], -100);
        raze_lot(main, 46);
        raze_lot(main, 44);
        raze_lot(main, 33);
        raze_lot(main, 55);
        raze_lot(main, 56);
        write_flag(main["nn56n"], 0);
        program.hide("Form6");
    }
}

// Never stopped: once the car has arrived its ticks change nothing.
void Form6_Timer1_Timer(Program& program) { drive_police_car(program.ensure_form("Form6")); }

}  // namespace

void bind_mining_incident(HandlerTable& table) {
    table.bind_load("Form6", Form6_Form_Load);
    table.bind("Form6", "Label3", Event::Click, Form6_Label3_Click);
    table.bind("Form6", "Label4", Event::Click, Form6_Label4_Click);
    table.bind("Form6", "Timer1", Event::Timer, Form6_Timer1_Timer);
}

}  // namespace tarvik
