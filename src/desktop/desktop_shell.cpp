#include "desktop/desktop_shell.h"

#include <algorithm>
#include <limits>

#include "desktop/form_window.h"
#include "desktop/units.h"

namespace tarvik {

bool closing_ends_program(std::string_view form_name) { return form_name == "form1" || form_name == "Form4"; }

DesktopShell::DesktopShell(Program& program) : m_program(program) {
    m_due_timer.setSingleShot(true);
    m_due_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_due_timer, &QTimer::timeout, this, [this] {
        catch_up();
        after_change();
    });
}

DesktopShell::~DesktopShell() {
    m_finished = true;
    m_windows.clear();
}

void DesktopShell::start_clock() {
    m_live = true;
    m_clock.start();
    after_change();
}

// The core catches up with real time before anything else happens, so a
// click lands after every tick that was due before it.
void DesktopShell::catch_up() {
    if (!m_live || m_program.ended()) return;
    m_program.advance(m_clock.elapsed() - m_program.now(), LateTicks::Coalesce);
}

void DesktopShell::after_change() {
    sync();
    arm_timer();
}

void DesktopShell::arm_timer() {
    if (!m_live || m_finished) return;
    std::optional<Millis> due = m_program.next_due();
    if (!due) {
        m_due_timer.stop();
        return;
    }
    const Millis wait = std::max<Millis>(0, *due - m_clock.elapsed());
    m_due_timer.start(static_cast<int>(std::min<Millis>(wait, std::numeric_limits<int>::max())));
}

void DesktopShell::step_to(Millis ms) {
    m_program.advance(ms - m_program.now());
    sync();
}

FormWindow& DesktopShell::ensure_window(Form& form) {
    if (FormWindow* existing = window_for(form.name())) return *existing;
    m_windows.push_back(std::make_unique<FormWindow>(*this, form, m_pictures));
    return *m_windows.back();
}

FormWindow* DesktopShell::window_for(std::string_view form_name) const {
    for (const auto& window : m_windows)
        if (window->form().name() == form_name) return window.get();
    return nullptr;
}

void DesktopShell::sync() {
    if (m_finished) return;
    if (m_program.ended()) {
        finish();
        return;
    }
    std::vector<FormWindow*> newly_shown;
    for (const auto& form : m_program.forms()) {
        const Damage damage = form->take_damage();
        if (!form->visible()) {
            if (FormWindow* window = window_for(form->name()); window != nullptr && window->isVisible()) window->hide();
            continue;
        }
        FormWindow& window = ensure_window(*form);
        // A text box that changed while shown is part of the damage.
        if (damage.whole_window || !damage.rects.empty()) window.follow_text_boxes();
        const std::uint64_t serial = m_program.show_serial(*form);
        if (serial != window.shown_serial()) {
            window.set_shown_serial(serial);
            newly_shown.push_back(&window);
        }
        window.repaint_damage(damage);
    }
    // Raised in the order the core showed them, the last shown on top.
    std::sort(newly_shown.begin(), newly_shown.end(),
              [](const FormWindow* a, const FormWindow* b) { return a->shown_serial() < b->shown_serial(); });
    for (FormWindow* window : newly_shown) {
        window->show_as_designed();
        window->raise();
        window->activateWindow();
        window->focus_first_text_field();
    }
}

void DesktopShell::finish() {
    m_finished = true;
    m_due_timer.stop();
    for (const auto& window : m_windows) window->close();
    emit program_ended();
}

QImage DesktopShell::render(std::string_view form_name) {
    Form& form = m_program.ensure_form(form_name);
    FormWindow& window = ensure_window(form);
    window.follow_text_boxes();
    QImage image(window.client_rect().size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    window.render(&image, QPoint(), QRegion(window.client_rect()));
    return image;
}

void DesktopShell::click(Form& form, QPointF pixels) {
    if (m_finished) return;
    catch_up();
    const QPoint twips = pixels_to_twips(pixels);
    m_program.click(form, twips.x(), twips.y());
    after_change();
}

void DesktopShell::text_edited(Control& text_box, const QString& text) {
    if (m_finished) return;
    text_box.set_text(text.toStdString());
    after_change();
}

void DesktopShell::close_requested(Form& form) {
    if (m_finished) return;
    catch_up();
    if (closing_ends_program(form.name()))
        m_program.end();
    else
        m_program.hide(form.name());
    after_change();
}

}  // namespace tarvik
