#include "SoundPlayer.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

void SoundPlayer::play(const QString& wavePath)
{
    for (const char* player : { "pw-play", "paplay", "aplay" }) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(player));
        if (!path.isEmpty() && QProcess::startDetached(path, { wavePath }))
            return;
    }
    QApplication::beep();
}
