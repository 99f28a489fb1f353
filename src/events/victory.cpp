#include "events/bindings.h"
#include "runtime/program.h"

namespace tarvik {

void bind_victory(HandlerTable&) {}

}  // namespace tarvik
