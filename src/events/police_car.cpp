#include "events/police_car.h"

namespace tarvik {

void drive_police_car(Form& dialog) {
    const float mark = dialog["zar"].left();
    Control& car = dialog["pol"];
    if (car.left() > mark) car.set_left(car.left() - 15);
}

}  // namespace tarvik
