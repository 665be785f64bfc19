// Writes 500 notes into a temporary data folder, then prints the time to load them and open
// their windows, and the cost of one reminder check over all of them.
#include "notes/NoteFiles.h"
#include "notes/NoteLine.h"
#include "notes/NoteWindows.h"
#include "notes/modPenseBete.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

constexpr int kNotes = 500;
constexpr int kChecks = 20000;

class FixedClock : public Clock {
public:
    QDateTime current = QDateTime(QDate(2005, 3, 7), QTime(10, 10, 30));
    QDateTime now() const override { return current; }
};

class QuietDialogs : public Dialogs {
public:
    void message(Icon, const QString&, const QString&) override { }
    bool askYesNo(Icon, const QString&, const QString&) override { return false; }
    QString getOpenFileName(const QString&, const QString&, const QString&) override { return {}; }
};

// Every kind of reminder, none of them due at the measured moment so nothing fires.
void writeNotes(const QString& dataDir)
{
    QStringList lines;
    for (int i = 0; i < kNotes; ++i) {
        const QString name = QStringLiteral("20050301%1.fic").arg(i, 6, 10, QLatin1Char('0'));
        const int kind = i % 5;
        lines.append(
            NoteLine::makeLine(i % 3 == 0 ? 0 : 1, kind, QDate(2005, 1 + i % 12, 1 + i % 28),
                QTime(i % 24, 20 + i % 30), name, 15 * (i % 1000), 15 * (i % 700)));
        NoteFiles::WriteNoteText(dataDir + QStringLiteral("/pensebete/") + name,
            QStringLiteral(
                "Note %1\nune deuxi\u00e8me ligne assez longue pour passer \u00e0 la ligne")
                .arg(i));
    }
    NoteFiles::WriteLines(dataDir + QStringLiteral("/tolvane_pensebete.dat"), lines);
}

double processCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + now.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The offscreen platform cannot raise windows and says so for each; the figures matter here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QTemporaryDir data;
    writeNotes(data.path());

    FixedClock clock;
    QuietDialogs dialogs;
    AppContext context;
    context.appDir = data.path();
    context.dataDir = data.path();
    context.platform.clock = &clock;
    context.platform.dialogs = &dialogs;
    modPenseBete store(context);
    NoteWindows windows(store, context);

    QElapsedTimer timer;
    timer.start();
    double cpu = processCpuMs();
    store.LoadNotes();
    const double loadMs = timer.nsecsElapsed() / 1e6;
    std::printf("%d notes: load and open their windows %8.1f ms (%.1f ms CPU, %d windows)\n",
        kNotes, loadMs, processCpuMs() - cpu, int(windows.windows().size()));

    store.reminderTimer().stop();
    timer.restart();
    cpu = processCpuMs();
    for (int i = 0; i < kChecks; ++i) {
        clock.current = clock.current.addMSecs(1);
        store.CheckReminders();
    }
    const double checkMs = timer.nsecsElapsed() / 1e6 / kChecks;
    std::printf("%d notes: one reminder check          %8.4f ms (%.4f ms CPU, mean of %d)\n",
        kNotes, checkMs, (processCpuMs() - cpu) / kChecks, kChecks);
    return 0;
}
