#pragma once

// The platform's time of day as the wall clock shows it: long-time text in
// the user's locale. Only the programs' main() functions read the real clock.

#include <chrono>
#include <ctime>
#include <string>

#include "runtime/conversions.h"

namespace tarvik {

inline std::string local_time_of_day_text(std::chrono::system_clock::time_point when) {
    std::time_t now = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&now, &local);
    return long_time_text(local.tm_hour, local.tm_min, local.tm_sec);
}

inline std::string local_time_of_day_text() { return local_time_of_day_text(std::chrono::system_clock::now()); }

}  // namespace tarvik
