// The price list Form5: fixed text rows for the player, all design data. Its
// only handler is the close hotspot over the close mark, which hides the
// window; showing it again shows the same window with the same text.

#include "catalogue/bindings.h"
#include "runtime/program.h"

namespace tarvik {

namespace {

void Form5_Image1_Click(Program& program) { program.hide("Form5"); }

}  // namespace

void bind_price_list(HandlerTable& table) { table.bind("Form5", "Image1", Event::Click, Form5_Image1_Click); }

}  // namespace tarvik
