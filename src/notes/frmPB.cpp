#include "frmPB.h"

#include "shell/Skin.h"

frmPB::frmPB(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmPB"), QStringLiteral("imgBGPenseBete"), 46, context, parent)
    , m_title(addPicture(QStringLiteral("pictPenseBete"), { 0, 0, kWidth, 18 }))
    , m_caption(addLabel(QStringLiteral("labPB"), { 6, 20, 88, 26 }))
    , m_add(addPicture(QStringLiteral("pictAddNewPB"), { 96, 22, 20, 20 }))
    , m_list(addPicture(QStringLiteral("pictGestionPB"), { 120, 22, 20, 20 }))
{
    // "12 Pense-bête(s), 3 masqué(s)" is wider than the room beside the buttons: two lines.
    QFont font = m_caption->font();
    font.setPixelSize(10);
    m_caption->setFont(font);
    m_caption->setWordWrap(true);
    connect(m_add, &PictureBox::clicked, this, &frmPB::addNoteClicked);
    connect(m_list, &PictureBox::clicked, this, &frmPB::notesListClicked);
}

void frmPB::applySkin(SkinImages& images)
{
    BarModule::applySkin(images);
    m_title->setSkinPicture(images.picture(QStringLiteral("title_pensebete.bmp")));
    m_add->setSkinPicture(images.picture(QStringLiteral("btn_pb_ajouter.bmp")));
    m_list->setSkinPicture(images.picture(QStringLiteral("btn_pb_gestion.bmp")));
    setTextColour(m_caption, skin().textDark());
}

void frmPB::setCaption(const QString& caption)
{
    m_caption->setText(caption);
}
