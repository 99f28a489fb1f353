#pragma once

// A fresh game with the main screen loaded, and the few moves the board tests
// make through the runtime: choosing into a slot by hand, setting money,
// reading a value back.

#include <gtest/gtest.h>

#include <string>

#include "board/building_types.h"
#include "board/lot_procedure.h"
#include "game.h"
#include "runtime/conversions.h"
#include "runtime/program.h"

namespace tarvik::testing_board {

class BoardTest : public ::testing::Test {
protected:
    BoardTest() {
        m_program->advance(12000);
        m_main = &m_program->ensure_form("form1");
    }

    Form& main() { return *m_main; }
    Control& main(std::string_view name) { return (*m_main)[name]; }
    static std::string lot_name(int lot) { return "n" + std::to_string(lot); }
    static std::string flag_name(int lot) { return "nn" + std::to_string(lot); }

    // What a catalogue item does to a slot: the very picture object moves.
    void choose(std::string_view slot, std::string_view template_name) {
        main(slot).set_picture(main(template_name).picture());
    }
    void choose_lot(std::string_view template_name) { choose("post", template_name); }

    void set_value(std::string_view label, double value) { main(label).set_caption(text_form(value)); }
    double value(std::string_view label) { return lenient_parse(main(label).caption()); }

    bool lot_shows(int lot, std::string_view template_name) {
        return same_picture(main(lot_name(lot)).picture(), main(template_name).picture());
    }

    LotClickReport click(int lot) { return click_lot(main(), lot); }

    std::unique_ptr<Program> m_program = new_game([] { return std::string("12:00:00"); });
    Form* m_main = nullptr;
};

// The seven city state values, so a test can say "nothing else moved".
struct CityValues {
    std::string money, population, mood, income, police, fire, airports;
    bool operator==(const CityValues&) const = default;
};

inline CityValues city_values(Form& main) {
    return {main["many"].caption(), main["lid"].caption(),  main["nalada"].caption(), main["pen"].caption(),
            main["pol"].caption(),  main["has"].caption(), main["letiste"].caption()};
}

inline std::ostream& operator<<(std::ostream& out, const CityValues& v) {
    return out << "money " << v.money << ", population " << v.population << ", mood " << v.mood << ", income "
               << v.income << ", police " << v.police << ", fire " << v.fire << ", airports " << v.airports;
}

}  // namespace tarvik::testing_board
