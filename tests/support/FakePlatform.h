#pragma once

#include "platform/FixedDisks.h"
#include "platform/HostAddresses.h"
#include "platform/InterfaceTable.h"
#include "platform/MemoryInfo.h"
#include "platform/Platform.h"
#include "platform/ProcessorCounters.h"
#include "shell/Twips.h"

#include <QHash>
#include <QList>

// Platform services under the test's control.
class FakeClock : public Clock {
public:
    QDateTime current = QDateTime(QDate(2005, 3, 7), QTime(10, 10, 30));
    QDateTime now() const override { return current; }
};

class FakeConnection : public ConnectionState {
public:
    bool connected = true;
    bool IsConnected() const override { return connected; }
};

class FakeScreen : public Screen {
public:
    QRect rect = QRect(0, 0, 1280, 1024);
    QRect geometry() const override { return rect; }
    int twipsPerPixelX() const override { return Twips::kDefaultPerPixel; }
    int twipsPerPixelY() const override { return Twips::kDefaultPerPixel; }
};

// Records every message and answers questions from a script (Yes when the script is empty).
class RecordingDialogs : public Dialogs {
public:
    struct Message {
        Icon icon;
        QString title;
        QString text;
    };
    QList<Message> messages;
    QList<bool> answers;
    QString nextFileName;

    void message(Icon icon, const QString& title, const QString& text) override
    {
        messages.append({ icon, title, text });
    }
    bool askYesNo(Icon icon, const QString& title, const QString& text) override
    {
        messages.append({ icon, title, text });
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    QString getOpenFileName(const QString&, const QString&, const QString&) override
    {
        return nextFileName;
    }
};

class RecordingLauncher : public Launcher {
public:
    QStringList opened;
    QList<QStringList> started;
    QStringList available; // program names findProgram knows
    QStringList programs; // paths isProgram takes for programs
    QStringList browsable; // locations canBrowse accepts
    QStringList desktops; // what currentDesktops answers
    bool succeed = true;

    bool openTarget(const QString& target) override
    {
        opened.append(target);
        return succeed;
    }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        started.append(QStringList { program } + arguments);
        return succeed;
    }
    QString findProgram(const QString& name) const override
    {
        return available.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
    bool isProgram(const QString& path) const override { return programs.contains(path); }
    bool canBrowse(const QString& location) const override { return browsable.contains(location); }
    QStringList currentDesktops() const override { return desktops; }
};

class RecordingSound : public Sound {
public:
    QStringList played;
    void play(const QString& wavePath) override { played.append(wavePath); }
};

class FakeSessionStart : public SessionStart {
public:
    bool enabled = false;
    bool setEnabled(bool on) override
    {
        enabled = on;
        return true;
    }
    bool isEnabled() const override { return enabled; }
};

// The dock and its reserved strip are read back from a real X server (tests/desktop).
class QuietScreenEdge : public ScreenEdge {
public:
    void makeDock(QWindow*) override { }
    void reserve(QWindow*, Side, int) override { }
};

// System figures set by the test; monitor tests that need real parsing use the Linux readers over
// prepared /proc files instead.
class FakeProcessors : public ProcessorCounters {
public:
    int count = 1;
    ProcessorSample next;
    bool readable = true;
    int processorCount() override { return count; }
    bool readSample(ProcessorSample& sample) override
    {
        sample = next;
        return readable;
    }
};

class FakeMemory : public MemoryInfo {
public:
    MemoryStatus status;
    MemoryStatus read() override { return status; }
};

class FakeDisks : public FixedDisks {
public:
    QStringList roots;
    QHash<QString, DiskSpace> spaces;
    QStringList list() override { return roots; }
    DiskSpace space(const QString& root) override { return spaces.value(root); }
};

class FakeInterfaces : public InterfaceTable {
public:
    QList<InterfaceRow> rows;
    QList<InterfaceRow> read() override { return rows; }
};

class FakeHosts : public HostAddresses {
public:
    QString name = QStringLiteral("poste");
    QStringList resolved;
    QList<InterfaceAddress> interfaces;
    QString hostName() const override { return name; }
    void lookUpHost(const QString&, std::function<void(QStringList)> done) override
    {
        done(resolved);
    }
    QList<InterfaceAddress> interfaceAddresses() const override { return interfaces; }
};

class RecordingNotifications : public DesktopNotifications {
public:
    struct Notification {
        QString title;
        QString body;
    };
    QList<Notification> shown;
    void announceMail(const QString& title, const QString& body) override
    {
        shown.append({ title, body });
    }
};

class CountingMemoryRelease : public MemoryRelease {
public:
    int releases = 0;
    void release() override { ++releases; }
};

// All fakes together, and the Platform bundle pointing at them.
struct FakePlatform {
    FakeClock clock;
    FakeConnection connection;
    FakeScreen screen;
    RecordingDialogs dialogs;
    RecordingLauncher launcher;
    RecordingSound sound;
    FakeProcessors processors;
    FakeMemory memory;
    FakeDisks disks;
    FakeInterfaces interfaces;
    FakeHosts hosts;
    FakeSessionStart sessionStart;
    QuietScreenEdge screenEdge;
    RecordingNotifications notifications;
    CountingMemoryRelease memoryRelease;

    Platform services()
    {
        Platform p;
        p.clock = &clock;
        p.connection = &connection;
        p.screen = &screen;
        p.dialogs = &dialogs;
        p.launcher = &launcher;
        p.sound = &sound;
        p.processors = &processors;
        p.memory = &memory;
        p.disks = &disks;
        p.interfaces = &interfaces;
        p.hosts = &hosts;
        p.notifications = &notifications;
        p.sessionStart = &sessionStart;
        p.screenEdge = &screenEdge;
        p.memoryRelease = &memoryRelease;
        return p;
    }
};
