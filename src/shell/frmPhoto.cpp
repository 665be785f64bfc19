#include "frmPhoto.h"

#include "ModuleLayout.h"
#include "Skin.h"

frmPhoto::frmPhoto(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmPhoto"), QStringLiteral("imgBgPhoto"), 110, context, parent)
    , m_photo(addPicture(QStringLiteral("imgPhoto"), { 4, 4, 138, 102 }))
{
    m_photo->setAlignment(Qt::AlignCenter);
}

QString frmPhoto::moduleId() const
{
    return ModuleLayout::kPhoto;
}

void frmPhoto::DisplayPhoto()
{
    if (!m_context.skin)
        return;
    const QPixmap logo(m_context.skin->folder + QStringLiteral("tolvane_logo.bmp"));
    if (!logo.isNull())
        m_photo->setPixmap(logo.scaledToWidth(m_photo->width(), Qt::SmoothTransformation));
}
