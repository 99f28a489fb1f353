// The splash screen: an aeroplane climbs across the title for 12 seconds, then
// the main screen comes up over it. The splash screen is never closed.

#include "main_screen/bindings.h"
#include "runtime/program.h"

namespace tarvik {

namespace {

void Form4_Timer2_Timer(Program& program) {
    Control& plane = program.ensure_form("Form4")["lett"];
    plane.set_top(plane.top() - 10);
    plane.set_left(plane.left() + 20);
}

void Form4_Timer1_Timer(Program& program) {
    Form& splash = program.ensure_form("Form4");
    splash["Timer1"].set_interval(0);
    splash["Timer2"].set_interval(0);
    program.show("form1");
    program.hide("Form2");
}

}  // namespace

void bind_splash(HandlerTable& table) {
    table.bind("Form4", "Timer2", Event::Timer, Form4_Timer2_Timer);
    table.bind("Form4", "Timer1", Event::Timer, Form4_Timer1_Timer);
}

}  // namespace tarvik
