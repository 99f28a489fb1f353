// tarvik: the game in real windows on the desktop.

#include <QApplication>
#include <clocale>

#include "app/local_time.h"
#include "desktop/desktop_shell.h"
#include "game.h"

int main(int argc, char** argv) {
    std::setlocale(LC_TIME, "");
    QApplication application(argc, argv);
    // Qt takes the whole locale from the environment; the wall clock's time
    // of day follows the user, numbers keep the C form.
    std::setlocale(LC_NUMERIC, "C");
    std::setlocale(LC_TIME, "");
    QApplication::setQuitOnLastWindowClosed(false);

    std::unique_ptr<tarvik::Program> program = tarvik::new_game([] { return tarvik::local_time_of_day_text(); });
    tarvik::DesktopShell shell(*program);
    QObject::connect(&shell, &tarvik::DesktopShell::program_ended, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    shell.start_clock();
    return QApplication::exec();
}
