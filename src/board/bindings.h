#pragma once

// The handlers of the board's 56 lots.

#include "runtime/handlers.h"

namespace tarvik {

void bind_lots(HandlerTable& table);

}  // namespace tarvik
