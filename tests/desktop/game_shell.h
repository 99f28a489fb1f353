#pragma once

// A new game under the desktop shell on Qt's offscreen platform: the base of
// the desktop tests that play through the shell's real windows.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <memory>
#include <string>
#include <string_view>

#include "desktop/desktop_shell.h"
#include "desktop/form_window.h"
#include "game.h"
#include "qt_environment.h"

namespace tarvik::testing {

class GameShellTest : public ::testing::Test {
protected:
    // The game has started: the splash screen's window is up.
    void SetUp() override {
        application();
        program = new_game([text = wall_clock_text()] { return text; });
        shell = std::make_unique<DesktopShell>(*program);
        shell->sync();
    }

    // The time of day the wall clock shows.
    virtual std::string wall_clock_text() const { return {}; }

    // Twelve seconds on: the main screen's window is up.
    void main_screen_up() { shell->step_to(12000); }

    // A mouse event at a pixel of a window, as the platform delivers it.
    void send_mouse(std::string_view form, QEvent::Type type, QPointF pixel, Qt::MouseButton button = Qt::LeftButton) {
        FormWindow* window = shell->window_for(form);
        ASSERT_NE(window, nullptr) << form;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, pixel, window->mapToGlobal(pixel), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &event);
    }

    // Whether the window of a core window is shown on the desktop.
    bool window_shown(std::string_view form) const {
        const FormWindow* window = shell->window_for(form);
        return window != nullptr && window->isVisible();
    }

    std::unique_ptr<Program> program;
    std::unique_ptr<DesktopShell> shell;
};

}  // namespace tarvik::testing
