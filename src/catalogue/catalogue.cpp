#include "catalogue/bindings.h"
#include "runtime/program.h"

namespace tarvik {

void bind_catalogue(HandlerTable&) {}

}  // namespace tarvik
