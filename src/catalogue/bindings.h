#pragma once

// The handlers of the building catalogue and the price list.

#include "runtime/handlers.h"

namespace tarvik {

void bind_catalogue(HandlerTable& table);   // Form3
void bind_price_list(HandlerTable& table);  // Form5

}  // namespace tarvik
