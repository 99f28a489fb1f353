#include "events/bindings.h"
#include "runtime/program.h"

namespace tarvik {

void bind_mining_incident(HandlerTable&) {}

}  // namespace tarvik
