#include "desktop/form_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <limits>

#include "desktop/desktop_shell.h"
#include "desktop/form_painter.h"
#include "desktop/look.h"
#include "desktop/picture_cache.h"
#include "desktop/units.h"

namespace tarvik {

namespace {

// A text box's live field. It covers the text box's whole box and paints all
// of it: its background, its text inside the text box's thin sunken frame,
// and the frame. So it is opaque, and the window paints nothing beneath it.
class TextBoxField : public QLineEdit {
public:
    explicit TextBoxField(QWidget* parent) : QLineEdit(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        const int frame = text_box_frame_width;
        setTextMargins(frame, frame, frame, frame);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        {
            // The style may round the corners of the field's background.
            QPainter painter(this);
            painter.fillRect(rect(), palette().base());
        }
        QLineEdit::paintEvent(event);
        QPainter painter(this);
        paint_sunken_frame(painter, rect(), palette().base().color());
    }
};

}  // namespace

FormWindow::FormWindow(DesktopShell& shell, Form& form, PictureCache& pictures)
    : QWidget(nullptr), m_shell(shell), m_form(form), m_pictures(pictures) {
    const WindowLook& look = form.look();
    setObjectName(QString::fromStdString(form.name()));
    setWindowTitle(QString::fromStdString(look.caption));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    if (look.border == BorderStyle::None) setWindowFlag(Qt::FramelessWindowHint);
    if (!look.icon_drawing.empty()) setWindowIcon(QIcon(m_pictures.pixmap(look.icon_drawing)));
    if (!look.cursor_drawing.empty()) setCursor(QCursor(m_pictures.pixmap(look.cursor_drawing), 0, 0));

    const QSize client = client_rect().size();
    if (look.maximized) {
        resize(client);
    } else {
        setFixedSize(client);
        QScreen* screen = QGuiApplication::primaryScreen();
        if (look.centred && screen != nullptr)
            move(screen->availableGeometry().center() - QPoint(client.width() / 2, client.height() / 2));
    }

    for (Control& control : form.controls())
        if (control.kind() == ControlKind::TextBox) add_text_field(control);
    follow_text_boxes();
}

QRect FormWindow::client_rect() const {
    return QRect(0, 0, twips_to_pixel(m_form.look().client_width), twips_to_pixel(m_form.look().client_height));
}

void FormWindow::add_text_field(Control& control) {
    auto* field = new TextBoxField(this);
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setFrame(false);
    field->setFont(font_for(control.look().font));
    QPalette colours = field->palette();
    colours.setColor(QPalette::Base, to_qcolor(control.look().back_color, colours.base().color()));
    colours.setColor(QPalette::Text, to_qcolor(control.look().fore_color, colours.text().color()));
    field->setPalette(colours);
    Control* edited = &control;
    connect(field, &QLineEdit::textEdited, this,
            [this, edited](const QString& text) { m_shell.text_edited(*edited, text); });
    m_text_fields.push_back(TextField{&control, field, {}});
}

void FormWindow::follow_text_boxes() {
    for (TextField& entry : m_text_fields) {
        entry.field->setGeometry(twips_to_pixels(entry.control->rect()));
        entry.field->setVisible(entry.control->visible());
        if (entry.control->text() == entry.shown_text) continue;
        entry.shown_text = entry.control->text();
        const QString text = QString::fromStdString(entry.shown_text);
        if (entry.field->text() != text) entry.field->setText(text);
    }
}

QLineEdit* FormWindow::text_field(std::string_view control_name) const {
    for (const TextField& entry : m_text_fields)
        if (entry.control->name() == control_name) return entry.field;
    return nullptr;
}

void FormWindow::focus_first_text_field() {
    for (const TextField& entry : m_text_fields) {
        if (entry.field->isVisible()) {
            entry.field->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
    }
}

void FormWindow::show_as_designed() {
    if (m_form.look().maximized) {
        // Without a window manager a maximize request is not carried out, so
        // the window also takes the whole screen by itself.
        if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
        showMaximized();
    } else {
        // Also restores a window the player minimized.
        showNormal();
    }
}

void FormWindow::repaint_damage(const Damage& damage) {
    m_last_repaint = QRegion();
    if (damage.whole_window) {
        m_last_repaint = QRegion(rect());
        update();
        return;
    }
    for (const RectTw& changed : damage.rects) m_last_repaint += repaint_rect(changed);
    if (!m_last_repaint.isEmpty()) update(m_last_repaint);
}

void FormWindow::paintEvent(QPaintEvent* event) {
    // A field that is not hidden paints its text box, here and in render().
    m_live_text_boxes.clear();
    for (const TextField& entry : m_text_fields)
        if (!entry.field->isHidden()) m_live_text_boxes.push_back(entry.control);
    QPainter painter(this);
    paint_form(painter, m_form, m_pictures, event->rect(), palette(), WindowPaint{&m_label_layouts, m_live_text_boxes});
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_shell.click(m_form, event->position());
}

// The second press of a double click is no click: the game knows only single
// clicks, and a double click on a lot must not build and demolish twice.
void FormWindow::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) m_shell.window_activated(*this);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (m_shell.finished()) {
        event->accept();
        return;
    }
    // The core decides what closing does: a hidden window stays as it is,
    // and only the end of the program lets the window close.
    m_shell.close_requested(m_form);
    event->setAccepted(m_shell.finished());
}

}  // namespace tarvik
