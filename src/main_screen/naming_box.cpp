// The city's name: the naming box that sets the title, and the code check that
// gives a city named after the hidden code 20000 in money every 8 seconds.

#include "main_screen/bindings.h"
#include "runtime/conversions.h"
#include "runtime/program.h"

namespace tarvik {

namespace {

// The name is taken exactly as typed: no trimming, no check; empty too.
void Form2_Label7_Click(Program& program) {
    std::string name = program.ensure_form("Form2")["Text1"].text();
    program.ensure_form("form1")["Label11"].set_caption(name);
}

void Form2_Image1_Click(Program& program) { program.hide("Form2"); }

// Exact comparison, character by character: case and blanks count.
void form1_Timer3_Timer(Program& program) {
    Form& main = program.ensure_form("form1");
    if (main["Label11"].caption() == main["kod"].caption()) main["many"].set_caption(whole_number_text(20000));
}

}  // namespace

void bind_naming_box(HandlerTable& table) {
    table.bind("Form2", "Label7", Event::Click, Form2_Label7_Click);
    table.bind("Form2", "Image1", Event::Click, Form2_Image1_Click);
    table.bind("form1", "Timer3", Event::Timer, form1_Timer3_Timer);
}

}  // namespace tarvik
