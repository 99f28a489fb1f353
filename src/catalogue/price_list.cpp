#include "catalogue/bindings.h"
#include "runtime/program.h"

namespace tarvik {

void bind_price_list(HandlerTable&) {}

}  // namespace tarvik
