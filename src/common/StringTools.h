#pragma once

#include <QString>

// Cutting and shaping texts. Positions count characters from 1.
namespace StringTools {

// The part of text before the first separator; throws std::invalid_argument when the separator
// does not occur in a non-empty text.
QString StrBefore(const QString& text, const QString& separator);

// The part of text after the first separator; without a separator, the text less its first
// (separator length - 1) characters. Throws std::invalid_argument for a separator longer than
// the text plus one character.
QString StrAfter(const QString& text, const QString& separator);

// Text cut to maxLength characters followed by " ...", or unchanged when short enough.
QString TruncateText(const QString& text, int maxLength);

// Head and tail of text joined by "..", or unchanged when short enough.
QString ShortenMiddle(const QString& text, int maxLength);

} // namespace StringTools
