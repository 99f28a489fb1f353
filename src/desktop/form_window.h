#pragma once

// One real top-level window for one core window. It paints the form, turns
// a left press into one core click and hosts a real text field for each text
// box; everything it does goes through the shell, which decides nothing of
// the game either.

#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/form_painter.h"
#include "runtime/form.h"

class QLineEdit;

namespace tarvik {

class DesktopShell;
class PictureCache;

class FormWindow : public QWidget {
    Q_OBJECT

public:
    FormWindow(DesktopShell& shell, Form& form, PictureCache& pictures);

    Form& form() { return m_form; }
    const Form& form() const { return m_form; }
    // The client area of the design, in logical pixels.
    QRect client_rect() const;

    // Shows the window as its layout says (maximized or at its fixed size),
    // restored if it was minimized.
    void show_as_designed();
    // The text fields follow their text boxes: place, visibility, text.
    void follow_text_boxes();
    // Schedules the repaint of what the core reports as changed.
    void repaint_damage(const Damage& damage);
    // What the last repaint_damage asked to repaint (for tests).
    const QRegion& last_repaint() const { return m_last_repaint; }

    QLineEdit* text_field(std::string_view control_name) const;
    void focus_first_text_field();

    // The label layouts this window keeps between repaints (for tests).
    const LabelLayouts& label_layouts() const { return m_label_layouts; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct TextField {
        Control* control;
        QLineEdit* field;
        // The core's text the field last took, so that a sync costs nothing
        // while the text stays as it is.
        std::string shown_text;
    };

    void add_text_field(Control& control);

    DesktopShell& m_shell;
    Form& m_form;
    PictureCache& m_pictures;
    std::vector<TextField> m_text_fields;
    LabelLayouts m_label_layouts;
    // The text boxes whose fields show at the moment, for the painter.
    std::vector<const Control*> m_live_text_boxes;
    QRegion m_last_repaint;
};

}  // namespace tarvik
