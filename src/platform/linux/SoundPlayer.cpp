#include "SoundPlayer.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

void SoundPlayer::play(const QString& wavePath)
{
    // No file: the desktop's own alert, as a player given no file would stay silent.
    if (wavePath.isEmpty()) {
        QApplication::beep();
        return;
    }
    for (const char* player : { "pw-play", "paplay", "aplay" }) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(player));
        if (!path.isEmpty() && QProcess::startDetached(path, { wavePath }))
            return;
    }
    QApplication::beep();
}
