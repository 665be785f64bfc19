#pragma once

#include <QLocale>
#include <QString>

// The reply to "STAT" ("+OK 3 1536"): the message count as text and the total size in
// "Ko" (up to 1024 Ko) or "Mo", with the locale's decimal separator.
struct Pop3Stat {
    QString count; // with its leading space, as cut from the reply
    QString size;

    // Both texts empty when the reply holds fewer than two spaces.
    static Pop3Stat ParsePop3Stat(const QString& reply, const QLocale& locale = QLocale());
    // "0.##" + " Ko" up to 1024 Ko, "##0.00" + " Mo" above; empty for a negative size.
    static QString FormatSize(double bytes, const QLocale& locale = QLocale());
    // "3 message(s) (1,5 Ko)", or empty when the count is not above 0.
    QString statusText() const;
};
