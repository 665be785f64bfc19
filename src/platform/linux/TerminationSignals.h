#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, a service manager, Ctrl+C) become a Qt signal delivered
// by the event loop, so the program ends through its ordinary quit path, with its data written,
// instead of dying wherever the signal found it. The handler only writes the signal number to a
// pipe, the one thing a handler may safely do; the loop reads it. One instance per process.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    // The signals get their default action back.
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the pipe could not be made: the signals then keep their default action.
    bool isActive() const { return m_notifier != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
