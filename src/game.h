#pragma once

// The whole game: every window's handlers in one table, and a new run that
// opens on the splash screen at time 0.

#include <memory>

#include "runtime/program.h"

namespace tarvik {

std::shared_ptr<const HandlerTable> game_handlers();
std::unique_ptr<Program> new_game(TimeOfDayText time_of_day);

}  // namespace tarvik
