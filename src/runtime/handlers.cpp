#include "runtime/handlers.h"

#include <stdexcept>

namespace tarvik {

void HandlerTable::bind(std::string form, std::string control, Event event, std::function<void(Program&)> run) {
    if (find(form, control, event) != nullptr) throw std::logic_error("handler bound twice: " + form + "." + control);
    m_rows.push_back(Row{std::move(form), std::move(control), event, Handler{std::move(run)}});
}

const Handler* HandlerTable::find(std::string_view form, std::string_view control, Event event) const {
    for (const Row& row : m_rows) {
        if (row.event == event && row.form == form && row.control == control) return &row.handler;
    }
    return nullptr;
}

}  // namespace tarvik
