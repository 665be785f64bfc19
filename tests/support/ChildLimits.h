#pragma once

#include <QFile>

#include <functional>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs body in a child process once prepare succeeded there. Returns 1 when body returned true,
// 0 when it returned false, -1 when the child could not be prepared or did not end normally (a
// crash, an uncaught std::bad_alloc).
inline int runInChild(const std::function<bool()>& prepare, const std::function<bool()>& body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(!prepare() ? 3 : body() ? 1 : 0);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    const int code = WEXITSTATUS(status);
    return code <= 1 ? code : -1;
}

// Runs body in a child process under a resource limit.
inline int runInLimitedChild(int resource, rlim_t limitValue, const std::function<bool()>& body)
{
    return runInChild(
        [resource, limitValue] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit { limitValue, limitValue };
            return setrlimit(resource, &limit) == 0;
        },
        body);
}

// As on a full disk: files cannot grow past maxBytes, a write past it fails with EFBIG.
inline int runWithFileSizeLimit(rlim_t maxBytes, const std::function<bool()>& body)
{
    return runInLimitedChild(RLIMIT_FSIZE, maxBytes, body);
}

// The child may map at most headroom bytes more than the test process has mapped now.
inline int runWithMemoryHeadroom(rlim_t headroom, const std::function<bool()>& body)
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const rlim_t pages = statm.readAll().split(' ').value(0).toULongLong();
    return runInLimitedChild(RLIMIT_AS, pages * rlim_t(sysconf(_SC_PAGESIZE)) + headroom, body);
}

// Runs body in a child process of another user than the owner of the test's files, so that a
// file of mode 0 cannot be read there: as root the child becomes "nobody" (who can neither read
// nor change root's files), any other user already is such a user.
inline int runAsAnotherUser(const std::function<bool()>& body)
{
    return runInChild(
        [] {
            constexpr uid_t kNobody = 65534;
            return geteuid() != 0
                || (setgid(kNobody) == 0 && setuid(kNobody) == 0 && geteuid() != 0);
        },
        body);
}
