// Long random play on the core: random clicks anywhere on every shown window
// (outside every control and on the edges too), random city names, random
// spans of time; after every step the city's invariants are checked.
//
//   tarvik_random_play [STEPS] [SEED]
//
// CI runs it briefly; a long run takes more steps. It prints one closing line
// "N passed, M failed" and exits non-zero on any failure.

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "game.h"
#include "runtime/conversions.h"
#include "runtime/program.h"

using namespace tarvik;

namespace {

struct Snapshot {
    double population = 0, police = 0, fire = 0, airports = 0;
};

class Checker {
public:
    explicit Checker(std::uint64_t seed) : m_random(seed) {}

    long failures() const { return m_failures; }
    long games() const { return m_games; }
    // How many finished runs reached each event dialog (and ended with the station standing).
    const std::map<std::string, long>& reached() const { return m_reached; }

    void run(long steps) {
        new_run();
        for (long step = 0; step < steps; ++step) {
            m_step = step;
            if (m_program->ended()) {
                check_ended_stays_still();
                new_run();
                continue;
            }
            act();
            check();
        }
    }

private:
    void new_run() {
        if (m_program) {
            for (const char* dialog : {"Form6", "Form7", "Form8", "Form9"})
                if (m_program->find_form(dialog) != nullptr) ++m_reached[dialog];
            if (Form* main = m_program->find_form("form1"); main && main->control("nn56n").caption() == "1")
                ++m_reached["station"];
        }
        m_program = new_game([] { return std::string("12:34:56"); });
        m_before = Snapshot{};
        ++m_games;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    void act() {
        int choice = pick(0, 99);
        if (choice < 25) {
            m_program->advance(pick(0, 99) < 80 ? pick(0, 1500) : pick(0, 12000));
        } else if (choice < 80) {
            click_a_control();
        } else if (choice < 92) {
            click_anywhere();
        } else {
            type_a_name();
        }
    }

    std::vector<Form*> shown_forms() {
        std::vector<Form*> shown;
        for (const auto& form : m_program->forms())
            if (form->visible()) shown.push_back(form.get());
        return shown;
    }

    // Mostly the top window a player would see, sometimes any shown window.
    Form* some_shown_form() {
        std::vector<Form*> shown = shown_forms();
        if (shown.empty()) return nullptr;
        return shown[static_cast<std::size_t>(pick(0, static_cast<int>(shown.size()) - 1))];
    }

    void click_a_control() {
        Form* form = some_shown_form();
        if (form == nullptr) return;
        std::vector<Control*> clickable;
        for (Control& control : form->controls())
            if (control.visible() && control.takes_clicks() && control.click_handler() != nullptr)
                clickable.push_back(&control);
        if (clickable.empty()) return;
        Control& control = *clickable[static_cast<std::size_t>(pick(0, static_cast<int>(clickable.size()) - 1))];
        // The two ways to end the game are taken rarely, so that runs grow.
        const bool ends = (form->name() == "form1" && control.name() == "Image2") ||
                          (form->name() == "Form7" && control.name() == "Label3");
        if (ends && pick(0, 199) != 0) return;
        RectTw rect = control.rect();
        m_program->click(*form, rect.left + pick(0, std::max(0, rect.width - 1)),
                         rect.top + pick(0, std::max(0, rect.height - 1)));
    }

    void click_anywhere() {
        Form* form = some_shown_form();
        if (form == nullptr) return;
        const int width = form->look().client_width, height = form->look().client_height;
        int x = pick(0, 9) == 0 ? pick(-1, 1) * width : pick(-600, width + 600);
        int y = pick(0, 9) == 0 ? pick(-1, 1) * height : pick(-600, height + 600);
        m_program->click(*form, x, y);
    }

    void type_a_name() {
        Form* naming = m_program->find_form("Form2");
        if (naming == nullptr) return;
        static const char* names[] = {"Kvelin",       "Tarvik",     "",          " Kvelin",
                                      "kvelin",       "Nove Mesto", "ěščřžýáíé", "\x01\x02\x7f",
                                      "\xff\xfe bad", "שלום עולם",  "%s%n",      "<b>x</b>"};
        std::string name = names[pick(0, static_cast<int>(std::size(names)) - 1)];
        if (pick(0, 20) == 0) name.assign(static_cast<std::size_t>(pick(1, 5000)), 'W');
        naming->control("Text1").set_text(name);
        if (naming->visible() && pick(0, 1) == 0) m_program->click(*naming, 3450, 1500);
    }

    void fail(const std::string& what) {
        if (++m_failures <= 20) std::cerr << "step " << m_step << " (run " << m_games << "): " << what << '\n';
    }

    void check_text_form(const Control& label) {
        auto value = strict_parse(label.caption());
        if (!value || text_form(*value) != label.caption())
            fail(label.name() + " is not in the text form: '" + label.caption() + "'");
    }

    void check_flag(const Control& label) {
        if (label.caption() != "0" && label.caption() != "1")
            fail(label.name() + " flag reads '" + label.caption() + "'");
    }

    void check_never_falls(double& before, const Control& label) {
        double now = lenient_parse(label.caption());
        if (now < before) fail(label.name() + " fell from " + text_form(before) + " to " + label.caption());
        before = now;
    }

    void check() {
        std::set<std::string> names;
        for (const auto& form : m_program->forms())
            if (!names.insert(form->name()).second) fail("window " + form->name() + " exists twice");
        if (m_program->ended()) return;
        Form* main = m_program->find_form("form1");
        if (main == nullptr) return;
        Form& f = *main;
        for (const char* value : {"many", "lid", "nalada", "pen", "pol", "has", "letiste"}) check_text_form(f[value]);
        for (int lot = 1; lot <= 56; ++lot) {
            const Control& flag = f["nn" + std::to_string(lot)];
            check_flag(flag);
            const bool built = f["n" + std::to_string(lot)].picture()->drawing() != "empty_lot";
            if (built != (flag.caption() == "1"))
                fail("lot " + std::to_string(lot) + " shows " + f["n" + std::to_string(lot)].picture()->drawing() +
                     " with flag " + flag.caption());
        }
        for (int spot = 1; spot <= 19; ++spot) check_flag(f["mm" + std::to_string(spot)]);
        for (const char* flag : {"nn56n", "nah", "dolu", "lev", "prav", "levo"}) check_flag(f[flag]);
        if (f["nn56n"].caption() == "1" && f["nn56"].caption() != "1") fail("station flag without lot 56 built");
        check_never_falls(m_before.population, f["lid"]);
        check_never_falls(m_before.police, f["pol"]);
        check_never_falls(m_before.fire, f["has"]);
        check_never_falls(m_before.airports, f["letiste"]);
    }

    // After the end no handler runs: time passing changes nothing.
    void check_ended_stays_still() {
        Form* main = m_program->find_form("form1");
        std::string money = main ? main->control("many").caption() : "";
        std::string train = main ? std::to_string(main->control("vlak").left()) : "";
        m_program->advance(5000);
        if (main && (main->control("many").caption() != money || std::to_string(main->control("vlak").left()) != train))
            fail("a handler ran after the end");
        for (const auto& form : m_program->forms())
            if (form->visible()) fail(form->name() + " is still shown after the end");
    }

    std::mt19937_64 m_random;
    std::unique_ptr<Program> m_program;
    Snapshot m_before;
    long m_step = 0;
    long m_failures = 0;
    long m_games = 0;
    std::map<std::string, long> m_reached;
};

}  // namespace

int main(int argc, char** argv) {
    long steps = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 200000;
    std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261207;
    Checker checker(seed);
    checker.run(steps);
    std::cout << "random play: " << steps << " steps, " << checker.games() << " runs, seed " << seed << '\n';
    std::cout << "runs that reached:";
    for (const auto& [what, runs] : checker.reached()) std::cout << ' ' << what << ' ' << runs;
    std::cout << '\n';
    std::cout << (steps - checker.failures()) << " passed, " << checker.failures() << " failed" << std::endl;
    return checker.failures() == 0 ? 0 : 1;
}
