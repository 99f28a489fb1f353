#pragma once

#include "runtime/form.h"

namespace tarvik {

// One step of the police car `pol` of an incident dialog towards its stop mark
// `zar`: 15 twips to the left while the car stands right of the mark. The mark
// is read first, then the car; every start lies a whole number of steps from
// its mark, so the car stops exactly on it.
void drive_police_car(Form& dialog);

}  // namespace tarvik
