#include "Skin.h"
#include "shell/SettingsKeys.h"

#include "AppContext.h"
#include "IniReader.h"
#include "PictureFile.h"
#include "SettingsStore.h"
#include "common/Numbers.h"

#include <QDir>
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

QString NamedSkinFolder(const AppContext& context, const QString& skin)
{
    const QString own = context.userSkinsDir() + QLatin1Char('/') + skin;
    if (!skin.isEmpty() && QFileInfo(own).isDir())
        return own + QLatin1Char('/');
    return context.path(QStringLiteral("skins/")) + skin + QLatin1Char('/');
}

QString SkinFolder(const AppContext& context, const QString& name)
{
    return NamedSkinFolder(context, name.isEmpty() ? context.settings->value(Keys::Skin) : name);
}

QStringList SkinNames(const AppContext& context)
{
    QStringList names;
    for (const QString& root : { context.path(QStringLiteral("skins")), context.userSkinsDir() })
        names += QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    names.sort(Qt::CaseInsensitive);
    names.removeDuplicates();
    return names;
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
    const int dot = fileName.lastIndexOf(u'.');
    const QString dense = m_folder + fileName.left(dot) + QStringLiteral("@2x") + fileName.mid(dot);
    if (m_ratio > 1.0 && dot > 0 && QFileInfo::exists(dense))
        pixmap = PictureFile::Read(dense);
    if (!pixmap.isNull())
        pixmap.setDevicePixelRatio(2.0);
    else if (QFileInfo::exists(path))
        pixmap = PictureFile::Read(path);
    m_loaded.insert(fileName, pixmap);
    return pixmap;
}
