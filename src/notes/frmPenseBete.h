#pragma once

#include "shell/AppContext.h"

#include <QPoint>
#include <QWidget>

class PictureBox;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QTimeEdit;
class QTimer;
class modPenseBete;

// One sticky note on the desktop: a frameless tool window with a title bar to drag it by, the
// note's text and, while it is being edited, the due-date panel with OK.
class frmPenseBete : public QWidget {
    Q_OBJECT
public:
    frmPenseBete(modPenseBete& store, AppContext& context, int index, QWidget* parent = nullptr);

    int index() const { return m_index; }
    // Fills the window from the note's line and text and shows it when the note is shown.
    void OpenNoteWindow();
    // At the saved position with the box ticked, or hidden with the box cleared.
    void ShowNote(bool show);
    // The reminder fired: alarm look, box ticked, window brought forward.
    void Alarm();
    // A new note comes forward with the cursor in its text.
    void focusText();

    int GetLineCount() const;
    void FitNoteText();
    void ExpandNote();
    void CollapseNote();
    void SaveNote();
    // Writes the text typed and the position the note was dragged to, when either changed since
    // the last save; the kind, due date and shown box wait for "OK".
    void KeepNote();
    bool isExpanded() const;

signals:
    // The notes list is open: it should come forward after the message.
    void listFocusWanted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildTitleBar();
    void buildEcheance();
    void onTextChanged();
    void onTextClicked();
    void keptAsSaved(const QString& text);
    void deleteNote();
    bool refuseWhileListOpen();
    void ShowListOpenMessage();
    bool dragTitle(QEvent* event);
    QSize screenTwips() const;
    QPoint positionTwips() const;
    void moveToTwips(int left, int top);

    modPenseBete& m_store;
    AppContext& m_context;
    int m_index;
    bool m_dragging = false;
    bool m_dragged = false; // since the last save
    QPoint m_dragStart;
    QString m_keptText; // as last read or written
    QTimer* m_typingPause;

    QFrame* m_frmBG;
    QLabel* m_imgTitleBar = nullptr;
    QLabel* m_labPB_Titre = nullptr;
    PictureBox* m_pictCLose = nullptr;
    QLabel* m_pictLogo = nullptr;
    QTextEdit* m_txtPenseBete;
    QGroupBox* m_frmEcheance = nullptr;
    QComboBox* m_cmbType = nullptr;
    QDateEdit* m_DTDate = nullptr;
    QTimeEdit* m_DTTime = nullptr;
    QCheckBox* m_chkShow = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QLineEdit* m_txtIndice;
    QLineEdit* m_txtFileName;
};
