#pragma once

#include "WeatherCities.h"

// Where each town of the weather table lies, in decimal degrees, in the order of the table.
// The texts are sent as they stand in the forecast request.
namespace TownCoordinates {

struct Coordinates {
    const char* latitude;
    const char* longitude;
};

extern const Coordinates kTable[WeatherCities::kCount];

} // namespace TownCoordinates
