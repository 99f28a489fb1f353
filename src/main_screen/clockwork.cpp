// The main screen's clockwork between clicks: the income tick, the wall clock
// and the mood face.

#include "main_screen/bindings.h"
#include "runtime/conversions.h"
#include "runtime/program.h"
#include "state/city_state.h"

namespace tarvik {

namespace {

// Every 10 s: money plus income, both read leniently, income first. No bound:
// a negative income drives money below zero.
void form1_Timer1_Timer(Program& program) {
    Form& main = program.ensure_form("form1");
    const double income = lenient_parse(main["pen"].caption());
    value_update(main["many"], income);
}

// Every second: the time of day as the shell gives it (long-time text of the
// user's locale). The label keeps its box; the shell cuts what does not fit.
void form1_Timer2_Timer(Program& program) {
    program.ensure_form("form1")["Label3"].set_caption(program.time_of_day_text());
}

// Every second: six separate tests, each reading the mood afresh. Exactly 100
// and exactly 50 pass none of them that copies a face, so the face stays; a
// mood below 50 takes the neutral face first and, unless it is exactly 0,
// replaces it within the same tick.
void form1_Tnalada_Timer(Program& program) {
    Form& main = program.ensure_form("form1");
    const Control& mood = main["nalada"];
    Control& face = main["nal"];
    if (value_above(mood, 100)) face.set_picture(main["smich"].picture());
    if (value_below(mood, 100)) {
        if (value_above(mood, 50)) face.set_picture(main["nicmoc"].picture());
        if (value_below(mood, 50)) {
            face.set_picture(main["nicmoc"].picture());
            if (value_below(mood, 0)) face.set_picture(main["velmi"].picture());
            if (value_above(mood, 0)) face.set_picture(main["nas"].picture());
        }
    }
}

}  // namespace

void bind_clockwork(HandlerTable& table) {
    table.bind("form1", "Timer1", Event::Timer, form1_Timer1_Timer);
    table.bind("form1", "Timer2", Event::Timer, form1_Timer2_Timer);
    table.bind("form1", "Tnalada", Event::Timer, form1_Tnalada_Timer);
}

}  // namespace tarvik
