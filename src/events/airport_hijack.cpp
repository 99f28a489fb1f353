#include "events/bindings.h"
#include "runtime/program.h"

namespace tarvik {

void bind_airport_hijack(HandlerTable&) {}

}  // namespace tarvik
