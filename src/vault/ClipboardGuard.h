#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

// Puts a copied secret on the clipboard and takes it off again after a while, unless the
// clipboard has meanwhile been given something else.
class ClipboardGuard : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultDelay { 20000 };

    explicit ClipboardGuard(QObject* parent = nullptr);

    void copy(const QString& text);
    void setDelay(std::chrono::milliseconds delay) { m_timer.setInterval(delay); }

private:
    void clearIfUnchanged();

    QTimer m_timer;
    QString m_text;
};
