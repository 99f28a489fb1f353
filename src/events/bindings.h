#pragma once

// The watcher timers of the main screen and the four event dialogs.

#include "runtime/handlers.h"

namespace tarvik {

void bind_watchers(HandlerTable& table);         // form1.Timer6, Timer7, Timer8, Timer11
void bind_mining_incident(HandlerTable& table);  // Form6
void bind_airport_hijack(HandlerTable& table);   // Form8
void bind_rail_offer(HandlerTable& table);       // Form9
void bind_victory(HandlerTable& table);          // Form7

}  // namespace tarvik
