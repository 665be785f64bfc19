#pragma once

#include <QDateTime>
#include <QRect>
#include <QString>
#include <QStringList>

class QWindow;

// The services the system asks of the operating system. Each has a Linux implementation in
// linux/ and a fake in the tests; components receive them through their constructors.

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// Whether the machine can reach the Internet; every network task waits for it.
class ConnectionState {
public:
    virtual ~ConnectionState() = default;
    virtual bool IsConnected() const = 0;
};

// The screen the bar docks on. Window positions are kept in twips where the system stores them;
// the conversion to pixels uses these factors.
class Screen {
public:
    virtual ~Screen() = default;
    virtual QRect geometry() const = 0;
    virtual int twipsPerPixelX() const = 0;
    virtual int twipsPerPixelY() const = 0;
};

// Message boxes and the file dialog; tests answer them from a script.
class Dialogs {
public:
    enum class Icon { None, Critical, Exclamation, Information, Question };
    virtual ~Dialogs() = default;
    virtual void message(Icon icon, const QString& title, const QString& text) = 0;
    virtual bool askYesNo(Icon icon, const QString& title, const QString& text) = 0;
    virtual QString getOpenFileName(
        const QString& title, const QString& folder, const QString& filter)
        = 0;
};

// Starting programs and opening documents, folders and addresses with the desktop.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Opens a document, folder or address with the desktop's preferred program.
    virtual bool openTarget(const QString& target) = 0;
    // Starts a program detached from the bar.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // The full path of a program found on PATH, empty when absent.
    virtual QString findProgram(const QString& name) const = 0;
    // Whether the file is a program to start rather than a document to open with one: an
    // executable binary or script, told by its first bytes since some file systems mark every
    // file executable.
    virtual bool isProgram(const QString& path) const = 0;
    // Whether the desktop can show a location such as "trash:///" in its file manager.
    virtual bool canBrowse(const QString& location) const = 0;
    // The names of the running desktop, most specific first ("ubuntu", "GNOME"); empty when the
    // session does not say.
    virtual QStringList currentDesktops() const = 0;
};

class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const QString& wavePath) = 0;
};

// Starting the bar with the user's session.
class SessionStart {
public:
    virtual ~SessionStart() = default;
    // Adds or removes the bar from the programs the session starts; false when that failed.
    virtual bool setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

// The bar's place at a screen edge where the window system keeps one (X11 window managers): a
// dock on every desktop, outside the task bar and pager, holding a strip of the edge so that
// maximised windows stop beside it. Where the session has no such notion nothing happens.
class ScreenEdge {
public:
    enum class Side { Left, Right };
    virtual ~ScreenEdge() = default;
    // Marks the window as a dock; takes effect when it is shown next.
    virtual void makeDock(QWindow* window) = 0;
    // Reserves width pixels of the screen's edge beside the window, over the window's own rows;
    // 0 releases the strip.
    virtual void reserve(QWindow* window, Side side, int width) = 0;
};

// Desktop notifications (the freedesktop.org notification service on Linux). Where the
// desktop has no notification server nothing is shown and nothing is said.
class DesktopNotifications {
public:
    virtual ~DesktopNotifications() = default;
    // A notification with the bar's icon whose default action starts the desktop's mail client.
    virtual void announceMail(const QString& title, const QString& body) = 0;
};

// Handing memory back once a burst of work is over: the pages of the library code that ran for it
// and the heap's free pages. What the next burst needs comes back at its first use.
class MemoryRelease {
public:
    virtual ~MemoryRelease() = default;
    virtual void release() = 0;
};

class ProcessorCounters;
class MemoryInfo;
class FixedDisks;
class InterfaceTable;
class HostAddresses;

// Non-owning bundle of the services, filled in main() or by a test.
struct Platform {
    Clock* clock = nullptr;
    ConnectionState* connection = nullptr;
    Screen* screen = nullptr;
    Dialogs* dialogs = nullptr;
    Launcher* launcher = nullptr;
    Sound* sound = nullptr;
    ProcessorCounters* processors = nullptr;
    MemoryInfo* memory = nullptr;
    FixedDisks* disks = nullptr;
    InterfaceTable* interfaces = nullptr;
    HostAddresses* hosts = nullptr;
    SessionStart* sessionStart = nullptr;
    ScreenEdge* screenEdge = nullptr;
    DesktopNotifications* notifications = nullptr;
    MemoryRelease* memoryRelease = nullptr;
};
