#include "TitleStrip.h"

#include "shell/Skin.h"
#include "shell/SkinWidgets.h"

#include <QLabel>

static PictureBox* makeButton(QWidget* bar, const char* name, const QString& tip, int x)
{
    auto* button = new PictureBox(QLatin1String(name), bar);
    button->setGeometry(x, 3, 16, 16);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(tip);
    return button;
}

TitleStrip TitleStrip::create(QWidget* bar)
{
    const int width = bar->width();
    TitleStrip strip;
    strip.background = new PictureBox(QStringLiteral("pictBGTop"), bar);
    strip.background->setGeometry(0, 0, width, kHeight);
    strip.title = new QLabel(QStringLiteral("Tolvane"), bar);
    strip.title->setObjectName(QStringLiteral("labTitre"));
    strip.title->setGeometry(6, 3, 56, 16);
    QFont bold = strip.title->font();
    bold.setBold(true);
    strip.title->setFont(bold);

    const int first = width - 4 - 5 * 17;
    strip.password = makeButton(bar, "pictPassword", QStringLiteral("Coffre-fort"), first);
    strip.about = makeButton(bar, "pictAbout", QStringLiteral("\u00C0 propos"), first + 17);
    strip.config = makeButton(bar, "pictConfig", QStringLiteral("Options"), first + 34);
    strip.hide = makeButton(bar, "pictHide", QStringLiteral("Masquer la barre"), first + 51);
    strip.close = makeButton(bar, "pictCloseWindow", QStringLiteral("Quitter"), first + 68);
    return strip;
}

void TitleStrip::applySkin(SkinImages& images, const SkinState& skin)
{
    setTextColour(title, skin.textDark());
    background->setSkinPicture(images.picture(QStringLiteral("background_top.bmp")));
    password->setSkinPicture(images.picture(QStringLiteral("button_password.bmp")));
    about->setSkinPicture(images.picture(QStringLiteral("button_about.bmp")));
    hide->setSkinPicture(images.picture(QStringLiteral("button_hide_right.bmp")));
    config->setSkinPicture(images.picture(QStringLiteral("button_config.bmp")));
    close->setSkinPicture(images.picture(QStringLiteral("button_closewindow.bmp")));
}

void TitleStrip::raise()
{
    background->raise();
    title->raise();
    for (PictureBox* button : { password, about, config, hide, close })
        button->raise();
}

int TitleStrip::titleBottom() const
{
    return title->y() + title->height();
}
