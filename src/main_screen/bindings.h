#pragma once

// The handlers of the splash screen, the main screen and the naming box.

#include "runtime/handlers.h"

namespace tarvik {

void bind_splash(HandlerTable& table);       // Form4
void bind_main_screen(HandlerTable& table);  // form1: load and picture buttons
void bind_naming_box(HandlerTable& table);   // Form2 and the city-name code check
void bind_clockwork(HandlerTable& table);    // income tick, wall clock, mood face
void bind_animations(HandlerTable& table);   // train, helicopter, house-picture swap

}  // namespace tarvik
