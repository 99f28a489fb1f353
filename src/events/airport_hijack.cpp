// Form8, the airport hijack: terrorists demand 2000. Its watcher shows it every
// second until a closing choice stops the watcher. The commando decides by the
// police count as the mining incident's police do: above 3 a reward, below 3
// the mood falls by 200 and lot 44 is razed, at exactly 3 nothing happens.

#include "board/razing.h"
#include "events/bindings.h"
#include "events/police_car.h"
#include "runtime/program.h"
#include "state/city_state.h"

namespace tarvik {

namespace {

// "Zaplatit 2000"
void Form8_Label4_Click(Program& program) {
    Form& main = program.ensure_form("form1");
    value_update_strict(main["many"], -2000);
    program.hide("Form8");
    main["Timer8"].set_interval(0);
}

// "Zavolat komando"
void Form8_Label5_Click(Program& program) {
    Form& main = program.ensure_form("form1");
    if (value_above(main["pol"], 3)) {
        program.hide("Form8");
        value_update(main["many"], 1500);
        // The car stands where it is; only this choice stops the drive.
        program.ensure_form("Form8")["Timer1"].set_interval(0);
        main["Timer8"].set_interval(0);
    }
    if (value_below(main["pol"], 3)) {
        value_update(main["nalada"], -100);
        value_update(main["nalada"], -100);
        raze_lot(main, 44);
        program.hide("Form8");
        main["Timer8"].set_interval(0);
    }
}

void Form8_Timer1_Timer(Program& program) { drive_police_car(program.ensure_form("Form8")); }

}  // namespace

void bind_airport_hijack(HandlerTable& table) {
    table.bind("Form8", "Label4", Event::Click, Form8_Label4_Click);
    table.bind("Form8", "Label5", Event::Click, Form8_Label5_Click);
    table.bind("Form8", "Timer1", Event::Timer, Form8_Timer1_Timer);
}

}  // namespace tarvik
