#pragma once

#include <QString>

#include <sys/types.h>

// A private Xvfb display for one test program, started before the application object so the
// program can use the xcb platform on it, and stopped by its PID when the test ends.
class XvfbServer {
public:
    XvfbServer() = default;
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // False when Xvfb is not installed or does not come up within a few seconds.
    bool start(const QString& screen = QStringLiteral("1280x1024x24"));
    QString display() const { return m_display; }

    // Starts Xvfb and points the process at it (DISPLAY, QT_QPA_PLATFORM=xcb); when there is no
    // Xvfb the process stays on the offscreen platform and the tests skip.
    static bool startForThisProcess(XvfbServer& server);
    static bool available() { return !qEnvironmentVariableIsEmpty("TOLVANE_XVFB_DISPLAY"); }

private:
    pid_t m_pid = -1;
    QString m_display;
};
