#include "desktop/desktop_shell.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

#include "desktop/form_window.h"
#include "desktop/units.h"
#include "runtime/layout.h"

namespace tarvik {

namespace {

// The shortest time between two wake-ups of the loop: 50 frames a second.
constexpr Millis frame_ms = 20;

// How long a request to bring a window forward may take the window manager:
// a report of another window's activation in that time was sent before the
// request was carried out.
constexpr qint64 activation_grace_ms = 500;

// Starts drawing every picture a window shows when it opens, beside the
// making of the window.
void prefetch_pictures(const Form& form, PictureCache& pictures) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    const auto prefetch = [&](const PictureRef& picture) {
        if (picture) pictures.prefetch(picture->drawing(), QSize(picture->width_px(), picture->height_px()), ratio);
    };
    prefetch(form.picture());
    // The window's icon and cursor, at their catalogue sizes.
    for (const std::string* drawing : {&form.look().icon_drawing, &form.look().cursor_drawing}) {
        auto found = drawing_catalogue().find(*drawing);
        if (found != drawing_catalogue().end())
            pictures.prefetch(*drawing, QSize(found->second.width_px, found->second.height_px));
    }
    for (const Control& control : form.controls())
        if (control.kind() == ControlKind::Image && control.visible()) prefetch(control.picture());
}

}  // namespace

// Reading the installed fonts takes several milliseconds; it runs on a
// thread of its own while the first window is made and its pictures drawn.
// The font database serialises every use, so a first text waits for it.
DesktopShell::DesktopShell(Program& program) : m_program(program), m_font_warm_up([] { QFontDatabase::families(); }) {
    m_due_timer.setSingleShot(true);
    m_due_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_due_timer, &QTimer::timeout, this, [this] {
        m_last_wake = m_clock.elapsed();
        catch_up();
        after_change();
    });
}

DesktopShell::~DesktopShell() {
    m_finished = true;
    m_windows.clear();
    if (m_font_warm_up.joinable()) m_font_warm_up.join();
}

void DesktopShell::start_clock() {
    m_live = true;
    m_clock.start();
    m_last_wake = -frame_ms;
    after_change();
}

// The core catches up with real time before anything else happens, so a
// click lands after every tick that was due before it. The ticks held back
// for the frame all run; a timer later still than that (after a stall) ticks
// once and keeps its grid.
void DesktopShell::catch_up() {
    if (!m_live || m_program.ended()) return;
    const Millis now = m_clock.elapsed();
    const Millis held_back_to = std::min(m_planned_wake, now);
    if (held_back_to > m_program.now()) m_program.advance(held_back_to - m_program.now());
    m_program.advance(now - m_program.now(), LateTicks::Coalesce);
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
    m_planned_wake = std::max(*due, m_last_wake + frame_ms);
    const Millis wait = std::max<Millis>(0, m_planned_wake - m_clock.elapsed());
    m_due_timer.start(static_cast<int>(std::min<Millis>(wait, std::numeric_limits<int>::max())));
}

void DesktopShell::step_to(Millis ms) {
    m_program.advance(ms - m_program.now());
    sync();
}

FormWindow& DesktopShell::ensure_window(Form& form) {
    if (FormWindow* existing = window_for(form.name())) return *existing;
    prefetch_pictures(form, m_pictures);
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
    for (const auto& form : m_program.forms()) {
        const Damage damage = form->take_damage();
        if (!form->visible()) {
            if (FormWindow* window = window_for(form->name()); window != nullptr && window->isVisible()) window->hide();
            continue;
        }
        FormWindow& window = ensure_window(*form);
        // A text box that changed while shown is part of the damage.
        if (damage.whole_window || !damage.rects.empty()) window.follow_text_boxes();
        window.repaint_damage(damage);
    }
    if (m_program.stacking_serial() != m_stacking_serial) {
        m_stacking_serial = m_program.stacking_serial();
        follow_stacking();
    }
}

// New windows open bottom first, so the window manager stacks them as the
// core does; the window in front is then raised and activated, also when a
// show found it open already, and a minimized one is restored.
void DesktopShell::follow_stacking() {
    for (Form* form : m_program.stacking()) {
        FormWindow& window = ensure_window(*form);
        if (!window.isVisible()) window.show_as_designed();
    }
    Form* front = m_program.front();
    if (front == nullptr) return;
    FormWindow& window = ensure_window(*front);
    if (window.isMinimized()) window.show_as_designed();
    window.raise();
    if (!window.isActiveWindow()) {
        window.activateWindow();
        m_requested_front = &window;
        m_activation_clock.start();
    }
    window.focus_first_text_field();
}

void DesktopShell::window_activated(FormWindow& window) {
    if (m_finished) return;
    if (m_requested_front != nullptr && m_requested_front != &window &&
        m_activation_clock.elapsed() < activation_grace_ms)
        return;
    m_requested_front = nullptr;
    if (m_program.front() == &window.form()) return;
    catch_up();
    m_program.bring_to_front(window.form());
    after_change();
}

void DesktopShell::finish() {
    m_finished = true;
    m_due_timer.stop();
    for (const auto& window : m_windows) window->close();
    emit program_ended();
}

QImage DesktopShell::render(std::string_view form_name) {
    Form* form = m_program.find_form(form_name);
    if (form == nullptr) return QImage();
    FormWindow& window = ensure_window(*form);
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
    m_program.type(text_box, text.toStdString());
    after_change();
}

void DesktopShell::close_requested(Form& form) {
    if (m_finished) return;
    catch_up();
    m_program.request_close(form);
    after_change();
}

}  // namespace tarvik
