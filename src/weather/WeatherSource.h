#pragma once

#include <QString>

// Which service the weather module asks. "auto" (the default) takes the XML feed as soon as
// the setting "WeatherServer" names a server, the public forecast service otherwise.
namespace WeatherSource {

enum class Source { OpenMeteo, Xoap };

inline Source Choose(const QString& sourceSetting, const QString& weatherServer)
{
    const QString source = sourceSetting.trimmed().toLower();
    if (source == u"openmeteo")
        return Source::OpenMeteo;
    if (source == u"xoap")
        return Source::Xoap;
    return weatherServer.trimmed().isEmpty() ? Source::OpenMeteo : Source::Xoap;
}

} // namespace WeatherSource
