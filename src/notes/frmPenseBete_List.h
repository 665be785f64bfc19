#pragma once

#include "shell/AppContext.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QPushButton;
class QTextEdit;
class QTimeEdit;
class QTreeWidget;
class modPenseBete;

// The notes list "Pense-Bête": every note in a table with the selected one's details; shows,
// hides or deletes a note. While it is open the note windows take no change.
class frmPenseBete_List : public QWidget {
    Q_OBJECT
public:
    frmPenseBete_List(modPenseBete& store, AppContext& context, QWidget* parent = nullptr);
    ~frmPenseBete_List() override;

    void FillNotesList();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildDetails();
    int selectedNote() const;
    void showSelectedNote();
    void onShowClicked(bool show);
    void deleteSelectedNote();
    void enableDetails(bool enable);

    modPenseBete& m_store;
    AppContext& m_context;
    QTreeWidget* m_lvPB;
    QGroupBox* m_frmPB;
    QTextEdit* m_txtPenseBete = nullptr;
    QComboBox* m_cmbType = nullptr;
    QDateEdit* m_DTDate = nullptr;
    QTimeEdit* m_DTTime = nullptr;
    QCheckBox* m_chkShow = nullptr;
    QPushButton* m_cmdDel = nullptr;
    QPushButton* m_cmdClose;
};
