#include "board/bindings.h"
#include "runtime/program.h"

namespace tarvik {

void bind_lots(HandlerTable&) {}

}  // namespace tarvik
