// tarvik-driver: the game without a display, on a virtual clock, driven by
// commands on standard input (one a line), one answer a line on standard output.

#include <clocale>
#include <iostream>
#include <string>

#include "app/local_time.h"
#include "driver/driver.h"

int main() {
    std::setlocale(LC_TIME, "");
    std::ios::sync_with_stdio(false);
    // The wall clock runs on the virtual clock, from the real time at start.
    const auto started = std::chrono::system_clock::now();
    tarvik::Driver driver([started](tarvik::Millis virtual_now) {
        return tarvik::local_time_of_day_text(started + std::chrono::milliseconds(virtual_now));
    });
    std::string line;
    while (std::getline(std::cin, line)) {
        if (auto answer = driver.execute(line)) {
            std::cout << *answer << '\n';
            std::cout.flush();
        }
    }
    return 0;
}
