#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// The texts of the clock module; the weather module writes its date with DateText too.
namespace ClockText {

// "hh:mm:ss" on the 24-hour clock, two digits each.
QString TimeText(const QTime& time);

// Abbreviated day name, day of the month without leading zero, abbreviated month name and the
// four-digit year, as locale names and abbreviates them: "lun. 7 mars 2005" in French.
QString DateText(const QDate& date, const QLocale& locale);

} // namespace ClockText
