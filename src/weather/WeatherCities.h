#pragma once

#include <QString>
#include <QStringList>

// The towns the weather can be shown for. Each entry reads code + ";(" + country + ") " + town,
// for instance "FRXX0111;(France) Abbeville"; the chosen town is remembered as its index.
namespace WeatherCities {

constexpr int kCount = 389;
constexpr int kDefaultIndex = 198; // Paris

// The whole table, in the order of the options list.
const QStringList& Table();

// The index stored in the setting "City": anything outside the table becomes Paris.
int CityIndexFromSetting(qint64 stored);

// "FRXX0076" for Paris.
QString WeatherCode(int index);
// "(France) Paris": the text of the options list.
QString ListText(int index);
// " Paris": everything after the country's closing parenthesis, leading space included.
QString TownLabel(int index);

} // namespace WeatherCities
