#pragma once

#include "runtime/form.h"

namespace tarvik {

// Razing lot K of the main screen: the lot takes the empty-lot picture of
// `nic`, then its flag `nnK` becomes "0". Nothing else changes and nothing is
// tested: an empty lot is razed all the same.
void raze_lot(Form& main_screen, int lot);

}  // namespace tarvik
