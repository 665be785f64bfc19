#pragma once

#include <QString>

// Numbers read from settings, ini files and data files all follow one rule: blanks, tabs and
// line feeds are skipped, the longest leading decimal number is taken and the rest ignored;
// a text without a leading number is 0.
namespace Numbers {

double LeadingNumber(const QString& text);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
qint64 RoundHalfEven(double value);

// LeadingNumber rounded into an integer field.
qint64 LeadingInteger(const QString& text);

} // namespace Numbers
