// Form7, the victory message. Its tiny Command1 has no handler: pressing it
// does nothing.

#include "events/bindings.h"
#include "runtime/program.h"

namespace tarvik {

namespace {

// "pokratsovat": play goes on as before.
void Form7_Label2_Click(Program& program) { program.hide("Form7"); }

// "konec hry": the same ending as the main screen's end button.
void Form7_Label3_Click(Program& program) { program.end(); }

}  // namespace

void bind_victory(HandlerTable& table) {
    table.bind("Form7", "Label2", Event::Click, Form7_Label2_Click);
    table.bind("Form7", "Label3", Event::Click, Form7_Label3_Click);
}

}  // namespace tarvik
