// The board's 56 lots: every lot's Click runs the one lot procedure with its
// own number.

#include <string>

#include "board/bindings.h"
#include "board/lot_procedure.h"
#include "runtime/program.h"

namespace tarvik {

void bind_lots(HandlerTable& table) {
    for (int lot = 1; lot <= kLotCount; ++lot) {
        // nK_Click
        table.bind("form1", "n" + std::to_string(lot), Event::Click,
                   [lot](Program& program) { click_lot(program.ensure_form("form1"), lot); });
    }
}

}  // namespace tarvik
