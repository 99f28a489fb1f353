#pragma once

// One QApplication for all desktop tests, on Qt's offscreen platform unless
// another platform was asked for.

#include <QApplication>

namespace tarvik::testing {

inline QtMessageHandler& previous_handler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

// The offscreen platform cannot raise windows and says so each time.
inline void quiet_handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support raise"))) return;
    if (previous_handler() != nullptr) previous_handler()(type, context, message);
}

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "tarvik_desktop_tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: Qt's own statics go first at exit.
    static QApplication* app = new QApplication(argc, argv);
    static const bool quiet = [] {
        previous_handler() = qInstallMessageHandler(quiet_handler);
        QApplication::setQuitOnLastWindowClosed(false);
        return true;
    }();
    (void)quiet;
    return *app;
}

}  // namespace tarvik::testing
