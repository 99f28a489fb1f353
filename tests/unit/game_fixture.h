#pragma once

// The one fixture of the unit tests that play the whole game: a new game with
// its main screen up, controls looked up by name, the city's values, window
// queries that never create a window, and a bounded wait. The game runs inside
// a scripted driver, so a test may also send it driver lines.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "board/lot_procedure.h"
#include "driver/driver.h"
#include "runtime/program.h"

namespace tarvik::testing_game {

// The splash screen gives way to the main screen this long after the start.
constexpr Millis kMainScreenUp = 12000;

// The seven city values, so a test can say "nothing else moved".
struct CityValues {
    std::string money, population, mood, income, police, fire, airports;
    bool operator==(const CityValues&) const = default;
};

CityValues city_values(Form& main);
std::ostream& operator<<(std::ostream& out, const CityValues& v);

class GameTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Drops the game and starts a new one with its main screen up.
    void fresh_game();

    Program& game() { return m_driver->program(); }
    Driver& driver() { return *m_driver; }
    // One driver line and its answer ("<no answer>" for a comment).
    std::string run(const std::string& line);

    // Controls by name: on the main screen, or on another window, which must
    // be loaded already (a look-up never creates a window).
    Form& main() { return *m_main; }
    Control& main(std::string_view control) { return (*m_main)[control]; }
    Form& form(std::string_view name);
    Control& control(std::string_view form_name, std::string_view control) { return form(form_name)[control]; }

    bool shown(std::string_view form_name) const;
    bool loaded(std::string_view form_name) const;

    // A left click at x, y twips of a loaded window.
    void click(std::string_view form_name, int x, int y) { game().click(form(form_name), x, y); }
    void open_catalogue() { click("form1", 1500, 3700); }

    // Pictures: whether a control holds the very picture object of another
    // main-screen control, and a copy of one, as a catalogue item makes.
    bool same(std::string_view control, std::string_view source) {
        return same_picture(main(control).picture(), main(source).picture());
    }
    void choose(std::string_view slot, std::string_view source) { main(slot).set_picture(main(source).picture()); }
    void choose_lot(std::string_view source) { choose("post", source); }

    // The board's lots and their flags, and the lot procedure on one lot.
    static std::string lot_name(int lot) { return "n" + std::to_string(lot); }
    static std::string flag_name(int lot) { return "nn" + std::to_string(lot); }
    LotClickReport click_lot(int lot) { return tarvik::click_lot(main(), lot); }
    bool lot_shows(int lot, std::string_view source) { return same(lot_name(lot), source); }

    // The city's values on the main screen.
    CityValues city() { return city_values(main()); }
    std::string money() { return main("many").caption(); }
    std::string mood() { return main("nalada").caption(); }
    std::string income() { return main("pen").caption(); }
    double value(std::string_view label);
    void set_value(std::string_view label, double value);

    // Time: a span, a moment after the main screen came up, or tick by tick
    // until `done` holds or `limit` ms have passed; true if `done` held.
    void advance(Millis span) { game().advance(span); }
    void advance_to(Millis since_main_screen) { advance(kMainScreenUp + since_main_screen - game().now()); }
    bool advance_until(Millis limit, const std::function<bool()>& done);

    // What the wall clock reads: these texts in turn, one a reading.
    void set_wall_clock(std::vector<std::string> texts) { m_time_texts = std::move(texts); }

private:
    std::vector<std::string> m_time_texts{"12:00:00"};
    std::size_t m_time_calls = 0;
    std::unique_ptr<Driver> m_driver;
    Form* m_main = nullptr;
};

}  // namespace tarvik::testing_game
