#include "runtime/form.h"

#include <stdexcept>

#include "runtime/program.h"

namespace tarvik {

Form::Form(Program& program, std::string name, WindowLook look, std::vector<Control> controls)
    : m_program(program), m_name(std::move(name)), m_look(std::move(look)), m_controls(std::move(controls)) {
    m_index.reserve(m_controls.size());
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        m_controls[i].m_form = this;
        m_index.emplace(m_controls[i].name(), i);
    }
}

Control* Form::find(std::string_view name) {
    auto found = m_index.find(name);
    return found == m_index.end() ? nullptr : &m_controls[found->second];
}

const Control* Form::find(std::string_view name) const {
    auto found = m_index.find(name);
    return found == m_index.end() ? nullptr : &m_controls[found->second];
}

Control& Form::control(std::string_view name) {
    Control* control = find(name);
    if (control == nullptr) throw std::logic_error(m_name + " has no control " + std::string(name));
    return *control;
}

Control* Form::hit_test(int x, int y) {
    for (Control& control : m_controls) {
        if (control.visible() && control.takes_clicks() && control.rect().contains(x, y)) return &control;
    }
    return nullptr;
}

void Form::note_change(Control& control) {
    if (control.m_dirty) return;
    control.m_dirty = true;
    control.m_dirty_was_visible = control.m_visible;
    control.m_dirty_from = control.bounds();
    m_dirty.push_back(&control);
}

void Form::note_interval(Control& control) { m_program.reschedule(*this, control); }

void Form::set_visible(bool visible) {
    if (visible == m_visible) return;
    m_visible = visible;
    m_whole_window_dirty = true;
}

Damage Form::take_damage() {
    Damage damage;
    damage.whole_window = m_whole_window_dirty;
    m_whole_window_dirty = false;
    for (Control* control : m_dirty) {
        control->m_dirty = false;
        if (damage.whole_window) continue;
        if (control->m_dirty_was_visible && !control->m_dirty_from.empty())
            damage.rects.push_back(control->m_dirty_from);
        const RectTw now = control->bounds();
        if (control->visible() && !now.empty() && (now != control->m_dirty_from || !control->m_dirty_was_visible))
            damage.rects.push_back(now);
    }
    m_dirty.clear();
    return damage;
}

}  // namespace tarvik
