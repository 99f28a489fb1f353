#pragma once

// The game's handlers, bound by window name, control name and event. Each
// window's file of handlers adds its rows to one table; the program resolves
// them when a window loads.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

class Program;

enum class Event { Click, Timer, Load };

struct Handler {
    std::function<void(Program&)> run;
};

class HandlerTable {
public:
    struct Row {
        std::string form;
        std::string control;  // empty for the window's own Load
        Event event;
        Handler handler;
    };

    void bind(std::string form, std::string control, Event event, std::function<void(Program&)> run);
    void bind_load(std::string form, std::function<void(Program&)> run) {
        bind(std::move(form), {}, Event::Load, std::move(run));
    }

    // Null when nothing is bound. Pointers stay valid while the table is not
    // changed, which holds once a program has been made from it.
    const Handler* find(std::string_view form, std::string_view control, Event event) const;
    const std::vector<Row>& rows() const { return m_rows; }

private:
    std::vector<Row> m_rows;
};

}  // namespace tarvik
