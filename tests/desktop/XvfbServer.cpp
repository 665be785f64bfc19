#include "XvfbServer.h"

#include <QByteArray>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

XvfbServer::~XvfbServer()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        ::waitpid(m_pid, nullptr, 0);
    }
}

bool XvfbServer::start(const QString& screen)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (program.isEmpty())
        return false;
    int fds[2];
    if (::pipe(fds) != 0)
        return false;
    const QByteArray path = program.toLocal8Bit();
    const QByteArray fd = QByteArray::number(fds[1]);
    const QByteArray size = screen.toLocal8Bit();
    m_pid = ::fork();
    if (m_pid == 0) {
        ::close(fds[0]);
        // Xvfb picks a free display itself and writes its number on the pipe.
        ::execl(path.constData(), "Xvfb", "-displayfd", fd.constData(), "-screen", "0",
            size.constData(), "-nolisten", "tcp", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    QByteArray number;
    pollfd wait { fds[0], POLLIN, 0 };
    while (m_pid > 0 && !number.endsWith('\n') && ::poll(&wait, 1, 10000) > 0) {
        char c = 0;
        if (::read(fds[0], &c, 1) != 1)
            break;
        number += c;
    }
    ::close(fds[0]);
    if (!number.endsWith('\n'))
        return false;
    m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    return true;
}

bool XvfbServer::startForThisProcess(XvfbServer& server)
{
    if (!server.start())
        return false;
    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("TOLVANE_XVFB_DISPLAY", server.display().toLocal8Bit());
    return true;
}
