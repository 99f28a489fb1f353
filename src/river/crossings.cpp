#include "river/bindings.h"
#include "runtime/program.h"

namespace tarvik {

void bind_crossings(HandlerTable&) {}

}  // namespace tarvik
