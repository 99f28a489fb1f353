#include "main_screen/bindings.h"
#include "runtime/program.h"

namespace tarvik {

void bind_clockwork(HandlerTable&) {}

}  // namespace tarvik
