// Form9, the neighbouring mayor's rail offer: the only road to the railway.

#include "events/bindings.h"
#include "runtime/program.h"
#include "state/city_state.h"

namespace tarvik {

namespace {

// "ano": the rail and the train appear, the catalogue's "nadrazi" item becomes
// available (the catalogue is created hidden if it was never opened) and the
// 2000 is taken without looking at money.
void Form9_Label3_Click(Program& program) {
    Form& main = program.ensure_form("form1");
    main["kolej"].set_visible(true);
    main["vlak"].set_visible(true);
    program.ensure_form("Form3")["nad"].set_visible(true);
    value_update_strict(main["many"], -2000);
    program.hide("Form9");
}

// "ne": the watcher has already stopped, so the offer never returns.
void Form9_Label4_Click(Program& program) { program.hide("Form9"); }

}  // namespace

void bind_rail_offer(HandlerTable& table) {
    table.bind("Form9", "Label3", Event::Click, Form9_Label3_Click);
    table.bind("Form9", "Label4", Event::Click, Form9_Label4_Click);
}

}  // namespace tarvik
