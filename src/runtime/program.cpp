#include "runtime/program.h"

#include <algorithm>
#include <stdexcept>

#include "runtime/assets.h"
#include "runtime/layout.h"

namespace tarvik {

// The windows are those whose layouts are embedded: layouts/NAME.layout.
const std::vector<std::string>& Program::form_names() {
    static const std::vector<std::string> names = [] {
        constexpr std::string_view folder = "layouts/", extension = ".layout";
        std::vector<std::string> found;
        for (std::string_view path : asset_paths())
            if (path.starts_with(folder) && path.ends_with(extension))
                found.emplace_back(path.substr(folder.size(), path.size() - folder.size() - extension.size()));
        return found;
    }();
    return names;
}

bool Program::is_form_name(std::string_view name) {
    const auto& names = form_names();
    return std::find(names.begin(), names.end(), name) != names.end();
}

Program::Program(std::shared_ptr<const HandlerTable> handlers, TimeOfDayText time_of_day)
    : m_handlers(std::move(handlers)), m_time_of_day(std::move(time_of_day)) {}

Program::~Program() = default;

void Program::start(std::string_view startup_form) { show(startup_form); }

Form* Program::find_form(std::string_view name) {
    for (auto& form : m_forms)
        if (form->name() == name) return form.get();
    return nullptr;
}

const Form* Program::find_form(std::string_view name) const {
    for (const auto& form : m_forms)
        if (form->name() == name) return form.get();
    return nullptr;
}

Form& Program::ensure_form(std::string_view name) {
    if (Form* existing = find_form(name)) return *existing;
    if (!is_form_name(name)) throw std::logic_error("no window named " + std::string(name));

    const Layout& layout = layout_of(name);
    std::vector<Control> controls = layout.controls;
    const DrawingCatalogue& drawings = drawing_catalogue();
    // Every stored picture becomes a picture object of its own.
    auto new_picture = [&](const std::string& drawing) -> PictureRef {
        const DrawingSize& size = drawings.find(drawing)->second;
        return std::make_shared<const Picture>(drawing, size.width_px, size.height_px);
    };
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!layout.picture_drawings[i].empty()) controls[i].set_picture(new_picture(layout.picture_drawings[i]));
    }
    auto form = std::make_unique<Form>(*this, std::string(name), layout.window, std::move(controls));
    if (!layout.window.picture_drawing.empty()) form->m_picture = new_picture(layout.window.picture_drawing);
    for (Control& control : form->controls())
        control.m_click_handler = m_handlers->find(name, control.name(), Event::Click);

    Form& created = *form;
    m_forms.push_back(std::move(form));
    register_timers(created);
    run(m_handlers->find(name, {}, Event::Load));
    return created;
}

void Program::register_timers(Form& form) {
    for (std::size_t i = 0; i < form.controls().size(); ++i) {
        Control& control = form.controls()[i];
        if (control.kind() != ControlKind::Timer) continue;
        m_timers.push_back(TimerEntry{&form, i, m_handlers->find(form.name(), control.name(), Event::Timer),
                                      m_now + control.interval(), m_next_sequence++, control.interval() > 0});
    }
}

void Program::reschedule(Form& form, Control& timer) {
    std::size_t index = static_cast<std::size_t>(&timer - form.controls().data());
    for (TimerEntry& entry : m_timers) {
        if (entry.form != &form || entry.control_index != index) continue;
        entry.active = timer.interval() > 0;
        entry.due = m_now + timer.interval();
    }
}

void Program::show(std::string_view name) {
    Form& form = ensure_form(name);
    if (m_ended) return;
    form.set_visible(true);
    put_on_top(form);
}

void Program::hide(std::string_view name) {
    Form& form = ensure_form(name);
    if (!form.visible()) return;
    form.set_visible(false);
    take_out_of_stacking(form);
    ++m_stacking_serial;
}

void Program::take_out_of_stacking(Form& form) {
    m_stacking.erase(std::remove(m_stacking.begin(), m_stacking.end(), &form), m_stacking.end());
}

void Program::put_on_top(Form& form) {
    take_out_of_stacking(form);
    m_stacking.push_back(&form);
    ++m_stacking_serial;
}

void Program::bring_to_front(Form& form) {
    if (m_ended || !form.visible() || front() == &form) return;
    put_on_top(form);
}

void Program::request_close(Form& form) {
    if (m_ended || !form.visible()) return;
    switch (form.look().close_request) {
    case CloseRequest::EndProgram: end(); break;
    case CloseRequest::Hide: hide(form.name()); break;
    case CloseRequest::Ignore: break;
    }
}

void Program::end() {
    if (m_ended) return;
    m_ended = true;
    for (auto& form : m_forms) form->set_visible(false);
    m_stacking.clear();
    ++m_stacking_serial;
}

void Program::run(const Handler* handler) {
    if (handler != nullptr && handler->run && !m_ended) handler->run(*this);
}

Program::TimerEntry* Program::earliest_due(Millis limit) {
    TimerEntry* best = nullptr;
    for (TimerEntry& entry : m_timers) {
        if (!entry.active || entry.due > limit) continue;
        if (best == nullptr || entry.due < best->due || (entry.due == best->due && entry.sequence < best->sequence))
            best = &entry;
    }
    return best;
}

std::optional<Millis> Program::next_due() const {
    if (m_ended) return std::nullopt;
    std::optional<Millis> best;
    for (const TimerEntry& entry : m_timers)
        if (entry.active && (!best || entry.due < *best)) best = entry.due;
    return best;
}

void Program::advance(Millis span, LateTicks late) {
    if (span < 0) span = 0;
    const Millis target = m_now + span;
    while (!m_ended) {
        TimerEntry* entry = earliest_due(target);
        if (entry == nullptr) break;
        m_now = entry->due;
        const Millis interval = entry->form->controls()[entry->control_index].interval();
        // The next tick is fixed before the handler runs, on the timer's grid.
        Millis next = entry->due + interval;
        if (late == LateTicks::Coalesce && next <= target)
            next = entry->due + interval * ((target - entry->due) / interval + 1);
        entry->due = next;
        // The handler may load a window, which adds timers and may move the
        // vector; copy what is needed first.
        const Handler* handler = entry->handler;
        run(handler);
    }
    if (!m_ended) m_now = target;
}

void Program::click(Form& form, int x, int y) {
    if (m_ended || !form.visible()) return;
    bring_to_front(form);
    Control* control = form.hit_test(x, y);
    if (control != nullptr) run(control->click_handler());
}

void Program::type(Control& text_box, std::string_view text) {
    if (m_ended) return;
    if (text_box.m_form != nullptr) bring_to_front(*text_box.m_form);
    text_box.set_text(text);
}

}  // namespace tarvik
