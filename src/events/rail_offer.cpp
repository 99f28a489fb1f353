#include "events/bindings.h"
#include "runtime/program.h"

namespace tarvik {

void bind_rail_offer(HandlerTable&) {}

}  // namespace tarvik
