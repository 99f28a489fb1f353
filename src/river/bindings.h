#pragma once

// The handlers of the river's 17 crossing spots.

#include "runtime/handlers.h"

namespace tarvik {

void bind_crossings(HandlerTable& table);

}  // namespace tarvik
