// The river's 17 crossing spots m1 to m17. Each spot's Click runs one routine
// on its own Image mK and bridge flag mmK: once the bridge is chosen into the
// river selection and money is above 199, the spot takes a bridge picture for
// good, mood rises by 15 and money falls by 200. The spots lie under every lot
// in the main screen's layout, so a spot takes clicks only on the river in the
// gap between its lots, and its bridge shows only there.

#include <string>

#include "river/bindings.h"
#include "runtime/program.h"
#include "state/city_state.h"

namespace tarvik {

namespace {

constexpr int crossing_spots = 17;

// Spots 13 and 14 cross the north arm, which runs north to south, so their
// bridge runs left to right; all others cross an east-west arm.
const char* bridge_template(int spot) { return spot == 13 || spot == 14 ? "most2" : "most1"; }

// The tests are nested, each reading its caption afresh; a failed one ends
// the click with nothing changed.
void crossing_click(Program& program, int spot) {
    Form& main = program.ensure_form("form1");
    const std::string number = std::to_string(spot);
    if (!flag_equals(main["mm" + number], 0)) return;
    if (!same_picture(main["post2"].picture(), main["most"].picture())) return;
    if (!value_above(main["many"], 199)) return;
    // The Image takes the bridge at its natural size from its own Left and Top.
    main["m" + number].set_picture(main[bridge_template(spot)].picture());
    value_update(main["nalada"], 15);
    value_update(main["many"], -200);
    write_flag(main["mm" + number], 1);
}

}  // namespace

// Binds m1 to m17 (Click) to the crossing routine with the spot's number.
void bind_crossings(HandlerTable& table) {
    for (int spot = 1; spot <= crossing_spots; ++spot)
        table.bind("form1", "m" + std::to_string(spot), Event::Click,
                   [spot](Program& program) { crossing_click(program, spot); });
}

}  // namespace tarvik
