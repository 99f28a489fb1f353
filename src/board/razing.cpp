#include "board/razing.h"

#include <string>

#include "state/city_state.h"

namespace tarvik {

void raze_lot(Form& main_screen, int lot) {
    const std::string number = std::to_string(lot);
    main_screen["n" + number].set_picture(main_screen["nic"].picture());
    write_flag(main_screen["nn" + number], 0);
}

}  // namespace tarvik
