#include "frmPenseBete.h"

#include "NoteColours.h"
#include "NoteDetails.h"
#include "NoteLine.h"
#include "NotePictures.h"
#include "NoteWindowRules.h"
#include "modPenseBete.h"
#include "shell/SkinWidgets.h"
#include "shell/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTimer>

using namespace NoteWindowRules;

namespace {

constexpr int kTitleHeight = 18;
constexpr int kTextTop = kTitleHeight + 2;
constexpr int kEcheanceHeight = 136;
// A note is kept this long after the last key, so a pause in typing never loses a word.
constexpr int kTypingPauseMs = 1000;

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* widget = named(new QLabel(text, parent), name);
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

frmPenseBete::frmPenseBete(modPenseBete& store, AppContext& context, int index, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_store(store)
    , m_context(context)
    , m_index(index)
    , m_typingPause(new QTimer(this))
    , m_frmBG(named(new QFrame(this), "frmBG"))
    , m_txtPenseBete(named(new QTextEdit(m_frmBG), "txtPenseBete"))
    , m_txtIndice(named(new QLineEdit(this), "txtIndice"))
    , m_txtFileName(named(new QLineEdit(this), "txtFileName"))
{
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(kTypingPauseMs);
    connect(m_typingPause, &QTimer::timeout, this, &frmPenseBete::KeepNote);
    setObjectName(QStringLiteral("frmPenseBete"));
    setWindowTitle(QStringLiteral("Pense-B\u00eate"));
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    m_txtIndice->hide();
    m_txtFileName->hide();
    buildTitleBar();
    QFont textFont = small;
    textFont.setPixelSize(10);
    m_txtPenseBete->setFont(textFont);
    m_txtPenseBete->setFrameShape(QFrame::NoFrame);
    m_txtPenseBete->document()->setDocumentMargin(1);
    m_txtPenseBete->setAcceptRichText(false);
    m_txtPenseBete->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtPenseBete->setGeometry(4, kTextTop, kWidth - 8, TextBoxHeight(1));
    m_txtPenseBete->viewport()->installEventFilter(this);
    connect(m_txtPenseBete, &QTextEdit::textChanged, this, &frmPenseBete::onTextChanged);
    buildEcheance();
    NoteColours::SetNoteColours(this, false);
    resize(kDesignSize);
    m_frmBG->setGeometry(0, 0, kWidth, height() + kGap);
}

void frmPenseBete::buildTitleBar()
{
    m_imgTitleBar = named(new QLabel(m_frmBG), "imgTitleBar");
    m_imgTitleBar->setGeometry(0, 0, kWidth, kTitleHeight);
    m_imgTitleBar->setPixmap(NotePictures::TitleBar(kWidth, kTitleHeight));
    m_imgTitleBar->installEventFilter(this);
    m_pictLogo = named(new QLabel(m_frmBG), "pictLogo");
    m_pictLogo->setGeometry(2, 1, 16, 16);
    m_pictLogo->setPixmap(NotePictures::Logo(16));
    m_labPB_Titre
        = label(m_frmBG, "labPB_Titre", QStringLiteral("Pense-B\u00eate"), { 20, 1, 76, 16 });
    QFont bold = m_labPB_Titre->font();
    bold.setBold(true);
    m_labPB_Titre->setFont(bold);
    m_labPB_Titre->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pictCLose = new PictureBox(QStringLiteral("pictCLose"), m_frmBG);
    m_pictCLose->setGeometry(kWidth - 18, 1, 16, 16);
    m_pictCLose->setPixmap(NotePictures::Close(16));
    m_pictCLose->setToolTip(QStringLiteral("Supprimer ce Pense-B\u00eate"));
    connect(m_pictCLose, &PictureBox::clicked, this, &frmPenseBete::deleteNote);
}

void frmPenseBete::buildEcheance()
{
    m_frmEcheance
        = named(new QGroupBox(QStringLiteral("\u00c9ch\u00e9ance"), m_frmBG), "frmEcheance");
    m_frmEcheance->setGeometry(4, 0, kWidth - 8, kEcheanceHeight);
    const int inner = kWidth - 20;
    label(m_frmEcheance, "lblType", QStringLiteral("Type :"), { 6, 16, inner, 14 });
    m_cmbType = named(new QComboBox(m_frmEcheance), "cmbType");
    m_cmbType->setGeometry(6, 30, inner, 20);
    NoteDetails::FillReminderKinds(m_cmbType);
    label(m_frmEcheance, "lblRappel", QStringLiteral("Rappel :"), { 6, 52, inner, 14 });
    m_DTDate = named(new QDateEdit(m_frmEcheance), "DTDate");
    m_DTDate->setGeometry(6, 66, 90, 20);
    m_DTDate->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_DTDate->setCalendarPopup(true);
    m_DTTime = named(new QTimeEdit(m_frmEcheance), "DTTime");
    m_DTTime->setGeometry(100, 66, inner - 94, 20);
    m_DTTime->setDisplayFormat(QStringLiteral("HH:mm"));
    m_chkShow
        = named(new QCheckBox(QStringLiteral("Rester affich\u00e9 sur le bureau"), m_frmEcheance),
            "chkShow");
    m_chkShow->setGeometry(6, 90, inner, 18);
    m_cmdOK = named(new QPushButton(QStringLiteral("OK"), m_frmEcheance), "cmdOK");
    m_cmdOK->setGeometry(inner - 44, 110, 50, 22);
    connect(m_cmdOK, &QPushButton::clicked, this, [this] {
        FitNoteText();
        SaveNote();
        CollapseNote();
    });
}

void frmPenseBete::OpenNoteWindow()
{
    m_txtIndice->setText(QString::number(m_index));
    const QString line = m_store.entry(m_index);
    const QStringList fields = line.split(u';');
    NoteDetails::ShowReminder(this, line);
    if (fields.size() > NoteLine::FileName) {
        m_txtFileName->setText(fields.at(NoteLine::FileName));
        const QSignalBlocker quiet(m_txtPenseBete);
        m_txtPenseBete->setPlainText(
            NoteDetails::DisplayedText(m_store.ReadNoteText(m_txtFileName->text())));
        m_keptText = NoteDetails::TypedText(m_txtPenseBete);
    }
    FitNoteText();
    CollapseNote();
    const int state = NoteLine::number(line, NoteLine::State);
    if (state == 2)
        NoteColours::SetNoteColours(this, true);
    if (state == 0)
        m_chkShow->setChecked(false);
    else if ((state == 1 || state == 2) && fields.size() > NoteLine::Top)
        ShowNote(true);
}

void frmPenseBete::ShowNote(bool shown)
{
    m_chkShow->setChecked(shown);
    if (!shown) {
        hide();
        return;
    }
    const QString line = m_store.entry(m_index);
    const QSize screen = screenTwips();
    const int tppX = m_context.platform.screen ? m_context.platform.screen->twipsPerPixelX() : 15;
    const int tppY = m_context.platform.screen ? m_context.platform.screen->twipsPerPixelY() : 15;
    moveToTwips(
        ClampPosition(NoteLine::number(line, NoteLine::Left), screen.width(), width() * tppX),
        ClampPosition(NoteLine::number(line, NoteLine::Top), screen.height(), height() * tppY));
    show();
}

void frmPenseBete::Alarm()
{
    NoteColours::SetNoteColours(this, true);
    m_chkShow->setChecked(true);
    show();
    raise();
    activateWindow();
}

void frmPenseBete::focusText()
{
    raise();
    activateWindow();
    m_txtPenseBete->setFocus();
}

int frmPenseBete::GetLineCount() const
{
    const int width
        = m_txtPenseBete->width() - 2 * int(m_txtPenseBete->document()->documentMargin());
    return WrappedLineCount(m_txtPenseBete->toPlainText(), m_txtPenseBete->font(), width);
}

void frmPenseBete::FitNoteText()
{
    m_txtPenseBete->resize(m_txtPenseBete->width(), TextBoxHeight(GetLineCount()));
    m_frmEcheance->move(m_frmEcheance->x(), m_txtPenseBete->geometry().bottom() + 1 + kGap);
    ExpandNote();
}

void frmPenseBete::ExpandNote()
{
    m_txtPenseBete->setEnabled(true);
    m_frmEcheance->show();
    resize(kWidth, m_frmEcheance->y() + m_frmEcheance->height() + kGap);
    m_frmBG->setGeometry(0, 0, width(), height() + kGap);
}

void frmPenseBete::CollapseNote()
{
    m_frmEcheance->hide();
    resize(kWidth, m_frmEcheance->y() + kGap);
    m_frmBG->setGeometry(0, 0, width(), height() + kGap);
}

bool frmPenseBete::isExpanded() const
{
    return m_frmEcheance->isVisibleTo(this);
}

void frmPenseBete::SaveNote()
{
    const QDate date = m_DTDate->date();
    const QTime time = m_DTTime->time();
    const int index = int(m_txtIndice->text().toInt());
    const QDateTime now
        = m_context.platform.clock ? m_context.platform.clock->now() : QDateTime::currentDateTime();
    if (NoteLine::number(m_store.entry(index), NoteLine::State) == 2
        && IsLaterThanNow(date, time, now))
        NoteColours::SetNoteColours(this, false);
    const QPoint at = positionTwips();
    const QString line = NoteLine::makeLine(m_chkShow->isChecked() ? 1 : 0,
        m_cmbType->currentIndex(), date, time, m_txtFileName->text(), at.x(), at.y());
    const QString text = NoteDetails::TypedText(m_txtPenseBete);
    if (m_store.SaveNote(index, line, text))
        keptAsSaved(text);
    if (!m_chkShow->isChecked())
        ShowNote(false);
}

void frmPenseBete::KeepNote()
{
    m_typingPause->stop();
    const QString line = m_store.entry(m_index);
    if (line.isEmpty() || m_store.NotesListOpen())
        return;
    QString kept = line;
    if (m_dragged) {
        const QPoint at = positionTwips();
        kept = NoteLine::withPosition(line, at.x(), at.y());
    }
    const QString text = NoteDetails::TypedText(m_txtPenseBete);
    if (kept == line && text == m_keptText)
        return;
    if (m_store.SaveNote(m_index, kept, text, false))
        keptAsSaved(text);
}

void frmPenseBete::keptAsSaved(const QString& text)
{
    m_keptText = text;
    m_dragged = false;
}

void frmPenseBete::onTextChanged()
{
    if (refuseWhileListOpen())
        return;
    FitNoteText();
    m_typingPause->start();
}

void frmPenseBete::onTextClicked()
{
    if (!refuseWhileListOpen())
        ExpandNote();
}

void frmPenseBete::deleteNote()
{
    if (refuseWhileListOpen() || !m_context.platform.dialogs)
        return;
    if (!m_context.platform.dialogs->askYesNo(Dialogs::Icon::Question, QStringLiteral("Tolvane"),
            QStringLiteral("\u00cates-vous s\u00fbr de vouloir supprimer ce Pense-B\u00eate ?")))
        return;
    m_store.DeleteNote(m_index);
}

bool frmPenseBete::refuseWhileListOpen()
{
    if (!m_store.NotesListOpen())
        return false;
    ShowListOpenMessage();
    return true;
}

void frmPenseBete::ShowListOpenMessage()
{
    if (m_context.platform.dialogs) {
        m_context.platform.dialogs->message(Dialogs::Icon::Information, QStringLiteral("Tolvane"),
            QStringLiteral("Les Pense-B\u00eates ne sont pas modifiables lorsque la fen\u00eatre\n"
                           "de gestion des Pense-B\u00eates est ouverte !"));
    }
    emit listFocusWanted();
}

bool frmPenseBete::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_imgTitleBar)
        return dragTitle(event);
    if (watched == m_txtPenseBete->viewport() && event->type() == QEvent::MouseButtonPress)
        onTextClicked();
    return QWidget::eventFilter(watched, event);
}

bool frmPenseBete::dragTitle(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove
        && type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_imgTitleBar->setCursor(Qt::SizeAllCursor);
        m_dragStart = mouse->globalPosition().toPoint();
        m_dragging = true;
        return true;
    case QEvent::MouseMove:
        if (!m_dragging)
            return false;
        move(pos() + mouse->globalPosition().toPoint() - m_dragStart);
        m_dragStart = mouse->globalPosition().toPoint();
        return true;
    case QEvent::MouseButtonRelease:
        if (!m_dragging || mouse->button() != Qt::LeftButton)
            return false;
        m_imgTitleBar->unsetCursor();
        m_dragging = false;
        m_dragged = true;
        KeepNote();
        return true;
    default:
        return false;
    }
}

void frmPenseBete::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || isActiveWindow())
        return;
    if (isVisible())
        CollapseNote();
    KeepNote();
}

QSize frmPenseBete::screenTwips() const
{
    const Screen* screen = m_context.platform.screen;
    if (!screen)
        return QSize(1024 * 15, 768 * 15);
    return QSize(screen->geometry().width() * screen->twipsPerPixelX(),
        screen->geometry().height() * screen->twipsPerPixelY());
}

QPoint frmPenseBete::positionTwips() const
{
    const Screen* screen = m_context.platform.screen;
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    const int tppX = screen ? screen->twipsPerPixelX() : 15;
    const int tppY = screen ? screen->twipsPerPixelY() : 15;
    return QPoint(
        Twips::fromPixels(x() - origin.x(), tppX), Twips::fromPixels(y() - origin.y(), tppY));
}

void frmPenseBete::moveToTwips(int left, int top)
{
    const Screen* screen = m_context.platform.screen;
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    const int tppX = screen ? screen->twipsPerPixelX() : 15;
    const int tppY = screen ? screen->twipsPerPixelY() : 15;
    move(origin.x() + Twips::toPixels(left, tppX), origin.y() + Twips::toPixels(top, tppY));
}
