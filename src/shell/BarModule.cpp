#include "BarModule.h"

#include "Skin.h"

BarModule::BarModule(const QString& frameName, const QString& backgroundName, int designedHeight,
    AppContext& context, QWidget* parent)
    : QFrame(parent)
    , m_context(context)
    , m_designedHeight(designedHeight)
    , m_background(new BackgroundImage(backgroundName, BackgroundImage::Fill::Stretch, this))
{
    setObjectName(frameName);
    setFrameShape(QFrame::NoFrame);
    resize(kWidth, designedHeight);
    m_background->setGeometry(0, 0, kWidth, designedHeight);
    m_background->lower();
    connect(m_background, &BackgroundImage::clicked, this, &BarModule::backgroundClicked);
}

void BarModule::applySkin(SkinImages& images)
{
    m_background->setSkinPicture(images.picture(QStringLiteral("background_middle.bmp")));
}

void BarModule::stretchBackground(int height)
{
    m_background->setGeometry(0, 0, m_background->width(), height);
}

PictureBox* BarModule::addPicture(const QString& name, const QRect& geometry)
{
    auto* picture = new PictureBox(name, this);
    picture->setGeometry(geometry);
    return picture;
}

QLabel* BarModule::addLabel(const QString& name, const QRect& geometry, const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

const SkinState& BarModule::skin() const
{
    return *m_context.skin;
}
