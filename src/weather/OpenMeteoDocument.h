#pragma once

#include "TownCoordinates.h"
#include "XoapDocument.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// The current conditions of the public forecast service (JSON): how they are requested and
// how they become the same labels and pictures as the XML feed's.
namespace OpenMeteoDocument {

// The address setting + "?latitude=..&longitude=..&current=..": metric units, local time.
// An invalid URL when the address is not an http or https address.
QUrl RequestUrl(const QString& address, const TownCoordinates::Coordinates& place);

// The values as the module shows them: whole degrees and percent, the pressure with one
// decimal, the wind as a 16-point compass text ("CALM" under 1 km/h), the visibility in km
// with one decimal. An error object, malformed JSON or no temperature give an empty
// temperature, which the module shows as not available.
XoapDocument::Values Parse(const QByteArray& body);

// "N", "NNE", ... "NNW" for a direction in degrees; "CALM" when the speed is under 1 km/h.
QString WindText(double degrees, std::optional<double> speedKmh);

// The number of the condition picture (00-47) for a WMO weather code by day or by night;
// nothing for a code the table does not know.
std::optional<int> PictureNumber(int weatherCode, bool isDay);

} // namespace OpenMeteoDocument
