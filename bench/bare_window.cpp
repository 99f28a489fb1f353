// The yardstick for the desktop cost: a bare Qt 6 window of 800 x 600
// titled "bare", with nothing in it.
//
//     tarvik_bare_window [TICK_MS]
//
// With TICK_MS, an empty precise timer ticks at that interval: the cost of
// waking the event loop that often and doing nothing.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(800, 600);
    window.show();
    QTimer tick;
    if (argc > 1) {
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout, [] {});
        tick.start(QString::fromLocal8Bit(argv[1]).toInt());
    }
    return QApplication::exec();
}
