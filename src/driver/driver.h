#pragma once

// The scripted driver's protocol: one command a line in, one answer out, on a
// virtual clock. tarvik-driver reads standard input through it, and the
// scenario tests run their transcripts through the very same code.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/program.h"

namespace tarvik {

// The time of day the wall clock shows, given the virtual milliseconds since
// the driver started: the driver has no real clock of its own.
using TimeOfDayAt = std::function<std::string(Millis virtual_now)>;

class Driver {
public:
    explicit Driver(TimeOfDayAt time_of_day);

    // The answer to one input line, or nothing for a comment or blank line.
    std::optional<std::string> execute(std::string_view line);

    Program& program() { return *m_program; }

    // The longest span one advance may cover: a day of game time, which takes
    // about a second; a longer span would look like a hang to a script.
    static constexpr Millis max_advance = 86'400'000;

private:
    // One row a command: its verb and what answers it.
    struct Command {
        std::string_view verb;
        std::string (Driver::*run)(std::string_view args);
    };
    static const std::vector<Command>& commands();

    std::string advance(std::string_view args);
    std::string click(std::string_view args);
    std::string type(std::string_view args);
    std::string get(std::string_view args);
    std::string same(std::string_view args);
    std::string shown(std::string_view args);
    std::string loaded(std::string_view args);
    std::string close(std::string_view args);
    std::string front(std::string_view args);
    std::string ended(std::string_view args);

    std::unique_ptr<Program> m_program;
};

}  // namespace tarvik
