#include "game_fixture.h"

#include <optional>
#include <stdexcept>

#include "runtime/conversions.h"

namespace tarvik::testing_game {

CityValues city_values(Form& main) {
    return {main["many"].caption(), main["lid"].caption(), main["nalada"].caption(), main["pen"].caption(),
            main["pol"].caption(),  main["has"].caption(), main["letiste"].caption()};
}

std::ostream& operator<<(std::ostream& out, const CityValues& v) {
    return out << "money " << v.money << ", population " << v.population << ", mood " << v.mood << ", income "
               << v.income << ", police " << v.police << ", fire " << v.fire << ", airports " << v.airports;
}

void GameTest::SetUp() {
    fresh_game();
    ASSERT_TRUE(m_main->visible()) << "the main screen is up " << kMainScreenUp << " ms after the start";
}

void GameTest::fresh_game() {
    m_time_calls = 0;
    m_driver =
        std::make_unique<Driver>([this](Millis) { return m_time_texts.at(m_time_calls++ % m_time_texts.size()); });
    EXPECT_EQ(run("advance " + std::to_string(kMainScreenUp)), "ok");
    m_main = &game().ensure_form("form1");
}

std::string GameTest::run(const std::string& line) {
    auto answer = m_driver->execute(line);
    return answer ? *answer : std::string("<no answer>");
}

Form& GameTest::form(std::string_view name) {
    Form* found = game().find_form(name);
    if (found == nullptr) throw std::logic_error("the test looks into " + std::string(name) + ", which is not loaded");
    return *found;
}

bool GameTest::shown(std::string_view form_name) const {
    const Form* found = m_driver->program().find_form(form_name);
    return found != nullptr && found->visible();
}

bool GameTest::loaded(std::string_view form_name) const { return m_driver->program().find_form(form_name) != nullptr; }

double GameTest::value(std::string_view label) { return lenient_parse(main(label).caption()); }

void GameTest::set_value(std::string_view label, double value) { main(label).set_caption(text_form(value)); }

bool GameTest::advance_until(Millis limit, const std::function<bool()>& done) {
    const Millis end = game().now() + limit;
    while (!done()) {
        // State changes only at ticks: step from one due tick to the next.
        const std::optional<Millis> next = game().next_due();
        if (!next || *next > end) {
            advance(end - game().now());
            return done();
        }
        advance(*next - game().now());
    }
    return true;
}

}  // namespace tarvik::testing_game
