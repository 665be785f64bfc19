#pragma once

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QString>

struct AppContext;

// A skin's colours are 24-bit values red + 256 * green + 65536 * blue, black until a skin sets
// them.
struct SkinState {
    QString folder; // ends with "/"
    bool useImgMeteoSkin = false;
    quint32 colorTextDark = 0;
    quint32 colorTextLight = 0;
    quint32 colorTextTitle = 0;
    quint32 colorTextError = 0;
    quint32 colorBackGround = 0;
    quint32 colorBackGroundLight = 0;

    static QColor toColor(quint32 value);
    QColor textDark() const { return toColor(colorTextDark); }
    QColor textLight() const { return toColor(colorTextLight); }
    QColor textTitle() const { return toColor(colorTextTitle); }
    QColor textError() const { return toColor(colorTextError); }
    QColor background() const { return toColor(colorBackGround); }
    QColor backgroundLight() const { return toColor(colorBackGroundLight); }
};

namespace Skin {

// "r|g|b" into a colour; components over 255 count as 255. False, with colour untouched, when
// the text has fewer than three parts.
bool ParseSkinColor(const QString& text, quint32& colour);

// The folder of the named skin, ending with "/": the user's own skins folder when it holds that
// skin, else AppDir/skins/<name>/.
QString NamedSkinFolder(const AppContext& context, const QString& skin);

// The skin folder LoadSkin uses: an empty name means the setting "Skin".
QString SkinFolder(const AppContext& context, const QString& name);

// Every skin there is to choose from, the program's and the user's, each name once, sorted.
QStringList SkinNames(const AppContext& context);

// Reads skin.ini of the folder into state: the weather-picture flag and the six colours. A
// colour whose value has fewer than three parts keeps its previous value.
void ReadSkinIni(const QString& folder, SkinState& state);

} // namespace Skin

// The pictures of one skin folder, each file decoded at most once however many controls use it.
// On a high-density screen a picture drawn at twice the pixels ("name@2x.bmp") is taken when the
// skin has one.
class SkinImages {
public:
    explicit SkinImages(const QString& folder, qreal screenRatio = 1.0)
        : m_folder(folder)
        , m_ratio(screenRatio)
    {
    }
    // A null pixmap when the file is missing or unreadable: the control then keeps its picture.
    QPixmap picture(const QString& fileName);
    QString folder() const { return m_folder; }

private:
    QString m_folder;
    qreal m_ratio;
    QHash<QString, QPixmap> m_loaded;
};
