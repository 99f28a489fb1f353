#pragma once

// The lot click procedure: what a click on lot K does, the same routine for
// all 56 lots. The flag test, then (on an empty lot) lot 56's railway-station
// branch and the twelve build branches, each tested and applied in turn, then
// the demolition step, which reads the flag afresh. Lot 56 alone adds the
// station branch and clears the station flag after a demolition.

#include <optional>

namespace tarvik {

class Form;
struct BuildingType;

inline constexpr int kLotCount = 56;
inline constexpr int kStationLot = 56;

// What one click did, for tests and nothing else.
struct LotClickReport {
    bool station_built = false;
    const BuildingType* built = nullptr;
    bool demolished = false;

    bool changed_nothing() const { return !station_built && built == nullptr && !demolished; }
};

// Runs the procedure for lot `lot` (1 to 56) on the main screen.
LotClickReport click_lot(Form& main_screen, int lot);

}  // namespace tarvik
