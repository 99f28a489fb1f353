#include "board/lot_procedure.h"

#include <string>

#include "board/building_types.h"
#include "runtime/form.h"
#include "state/city_state.h"

namespace tarvik {

namespace {

// Picture copy, the row's updates, then the flag: every build writes the lot's
// picture before its flag.
void build(Form& main_screen, const BuildingType& row, Control& lot_picture, Control& flag) {
    lot_picture.set_picture(main_screen[row.template_name].picture());
    apply_updates(main_screen, row);
    write_flag(flag, 1);
}

}  // namespace

LotClickReport click_lot(Form& main_screen, int lot) {
    const std::string number = std::to_string(lot);
    Control& lot_picture = main_screen["n" + number];
    Control& flag = main_screen["nn" + number];
    Control& lot_selection = main_screen["post"];
    LotClickReport report;

    // The flag is read once for the whole building placement; a branch that
    // fires does not end it, and later branches read money afresh.
    if (flag_equals(flag, 0)) {
        if (lot == kStationLot && row_passes(main_screen, railway_station(), main_screen["post2"])) {
            lot_picture.set_picture(main_screen[railway_station().template_name].picture());
            apply_updates(main_screen, railway_station());
            write_flag(main_screen["nn56n"], 1);
            write_flag(flag, 1);
            report.station_built = true;
        }
        for (const BuildingType& row : building_types()) {
            if (row_passes(main_screen, row, lot_selection)) {
                build(main_screen, row, lot_picture, flag);
                report.built = &row;
            }
        }
    }

    // The demolition step always runs and reads the flag again, so it sees a
    // build of this same click.
    if (flag_equals(flag, 1) && row_passes(main_screen, demolition(), lot_selection)) {
        lot_picture.set_picture(main_screen[demolition().template_name].picture());
        apply_updates(main_screen, demolition());
        write_flag(flag, 0);
        if (lot == kStationLot) write_flag(main_screen["nn56n"], 0);
        report.demolished = true;
    }
    return report;
}

}  // namespace tarvik
