// The forecast service's JSON document as any server may send it: reading never fails and
// every value it gives is one the module can show.
#include "FuzzSupport.h"
#include "weather/OpenMeteoDocument.h"

static const QStringList& windTexts()
{
    static const QStringList texts
        = QStringLiteral("N NNE NE ENE E ESE SE SSE S SSW SW WSW W WNW NW NNW CALM")
              .split(QLatin1Char(' '));
    return texts;
}

static bool isNumberText(const QString& text)
{
    bool ok = text.isEmpty();
    if (!ok)
        text.toDouble(&ok);
    return ok;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const XoapDocument::Values values = OpenMeteoDocument::Parse(Fuzz::bytes(data, size));
    FUZZ_CHECK(values.wind.isEmpty() || windTexts().contains(values.wind));
    FUZZ_CHECK(!values.iconTaken || (values.icon >= 0 && values.icon <= 47));
    for (const QString* text : { &values.temperature, &values.humidity, &values.dewPoint,
             &values.pressure, &values.visibility })
        FUZZ_CHECK(isNumberText(*text));
    XoapDocument::PictureFileName(values.icon);
    return 0;
}
