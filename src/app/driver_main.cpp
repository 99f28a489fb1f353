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
    tarvik::Driver driver(tarvik::local_time_of_day_text);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (auto answer = driver.execute(line)) {
            std::cout << *answer << '\n';
            std::cout.flush();
        }
    }
    return 0;
}
