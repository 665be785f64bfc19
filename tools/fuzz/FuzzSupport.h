#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: one application object, a private folder for the files the
// parsers read, and a check that turns a broken property into a finding.
namespace Fuzz {

inline QCoreApplication& application()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = { name, nullptr };
    static QCoreApplication* app
        = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app ? *app : *QCoreApplication::instance();
}

inline const QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Splits the input at a line "----" into at most count parts.
inline QList<QByteArray> parts(const QByteArray& input, int count)
{
    QList<QByteArray> out;
    qsizetype from = 0;
    while (out.size() < count - 1) {
        const qsizetype at = input.indexOf("\n----\n", from);
        if (at < 0)
            break;
        out.append(input.mid(from, at - from));
        from = at + 6;
    }
    out.append(input.mid(from));
    while (out.size() < count)
        out.append(QByteArray());
    return out;
}

} // namespace Fuzz

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
