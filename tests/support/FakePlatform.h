#pragma once

#include "platform/Platform.h"

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
};

class RecordingSound : public Sound {
public:
    QStringList played;
    void play(const QString& wavePath) override { played.append(wavePath); }
};

// All fakes together, and the Platform bundle pointing at them.
struct FakePlatform {
    FakeClock clock;
    FakeConnection connection;
    FakeScreen screen;
    RecordingDialogs dialogs;
    RecordingLauncher launcher;
    RecordingSound sound;

    Platform services()
    {
        Platform p;
        p.clock = &clock;
        p.connection = &connection;
        p.screen = &screen;
        p.dialogs = &dialogs;
        p.launcher = &launcher;
        p.sound = &sound;
        return p;
    }
};
