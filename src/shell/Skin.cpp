#include "Skin.h"
#include "shell/SettingsKeys.h"

#include "IniReader.h"
#include "SettingsStore.h"
#include "common/Numbers.h"

#include <QFileInfo>

QColor SkinState::toColor(quint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

namespace Skin {

bool ParseSkinColor(const QString& text, quint32& colour)
{
    const QStringList parts = text.split(u'|');
    if (parts.size() < 3)
        return false;
    quint32 result = 0;
    for (int i = 0; i < 3; ++i) {
        const qint64 component = qBound<qint64>(0, Numbers::LeadingInteger(parts[i]), qint64(255));
        result += static_cast<quint32>(component) << (8 * i);
    }
    colour = result;
    return true;
}

QString SkinFolder(const QString& appDir, const QString& name, const SettingsStore& settings)
{
    const QString skin = name.isEmpty() ? settings.value(Keys::Skin) : name;
    return appDir + QStringLiteral("/skins/") + skin + QLatin1Char('/');
}

void ReadSkinIni(const QString& folder, SkinState& state)
{
    const QString ini = folder + QStringLiteral("skin.ini");
    state.folder = folder;
    state.useImgMeteoSkin
        = Numbers::LeadingNumber(IniReader::ReadIniString(
              ini, QStringLiteral("skin"), QStringLiteral("UseImgMeteoSkin"), QStringLiteral("0")))
        != 0;
    const std::pair<const char*, quint32*> keys[] = {
        { "TextDark", &state.colorTextDark },
        { "TextLight", &state.colorTextLight },
        { "TextTitle", &state.colorTextTitle },
        { "TextError", &state.colorTextError },
        { "BackGround", &state.colorBackGround },
        { "BackGroundLight", &state.colorBackGroundLight },
    };
    for (const auto& [key, colour] : keys) {
        const QString value = IniReader::ReadIniString(
            ini, QStringLiteral("colors"), QLatin1String(key), QStringLiteral("0|0|0"));
        ParseSkinColor(value, *colour);
    }
}

} // namespace Skin

QPixmap SkinImages::picture(const QString& fileName)
{
    auto found = m_loaded.constFind(fileName);
    if (found != m_loaded.constEnd())
        return *found;
    QPixmap pixmap;
    const QString path = m_folder + fileName;
    if (QFileInfo::exists(path))
        pixmap.load(path);
    m_loaded.insert(fileName, pixmap);
    return pixmap;
}
