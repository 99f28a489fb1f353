// The main screen's load and its four picture buttons.

#include "main_screen/bindings.h"
#include "runtime/program.h"

namespace tarvik {

namespace {

// Reading the naming box's text creates the naming box, hidden.
void form1_Form_Load(Program& program) {
    const std::string& name = program.ensure_form("Form2")["Text1"].text();
    program.ensure_form("form1")["Label11"].set_caption(name);
}

void form1_Image1_Click(Program& program) { program.show("Form3"); }
void form1_Image3_Click(Program& program) { program.show("Form2"); }
void form1_Image8_Click(Program& program) { program.show("Form5"); }
void form1_Image2_Click(Program& program) { program.end(); }

}  // namespace

void bind_main_screen(HandlerTable& table) {
    table.bind_load("form1", form1_Form_Load);
    table.bind("form1", "Image1", Event::Click, form1_Image1_Click);
    table.bind("form1", "Image3", Event::Click, form1_Image3_Click);
    table.bind("form1", "Image8", Event::Click, form1_Image8_Click);
    table.bind("form1", "Image2", Event::Click, form1_Image2_Click);
}

}  // namespace tarvik
