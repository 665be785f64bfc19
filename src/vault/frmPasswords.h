#pragma once

#include "VaultEditor.h"
#include "VaultStore.h"
#include "VaultUnlock.h"
#include "shell/AppContext.h"

#include <QDialog>
#include <QList>

class ClipboardGuard;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The vault window: the rows of confidential data in a list, an edit panel under it, and
// "Valider" that writes the vault file. Not modal; it deletes itself when it closes.
class frmPasswords : public QDialog {
    Q_OBJECT
public:
    frmPasswords(AppContext& context, const VaultStore& store, const VaultUnlock& unlock,
        ClipboardGuard& clipboard, QWidget* parent = nullptr);

    QString vaultPath() const { return m_store.vaultPath(); }
    // Shows the rows the master password dialog deciphered.
    void LoadVault();
    // Writes the list under the master password on a thread of its own (a key derivation) and
    // closes the window once it is written; a failure is shown and the window stays.
    void SaveVault();
    bool isSaving() const { return m_saving; }

    const VaultEditor& editor() const { return m_editor; }
    // Copies one cell's text to the clipboard for a short while (rows and columns from 0).
    void copyCell(int row, int column);

protected:
    // Escape while a row is being edited abandons that edit, not the whole window.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildList();
    QWidget* buildCommands();
    QGroupBox* buildEditPanel();
    QPushButton* addButton(const char* name, const QString& text);

    void SetupVaultColumns();
    void setSaving(bool saving);
    void showRows();
    void syncSelection();
    void BeginEdit();
    void EndEdit();
    void setEditing(bool editing);
    void ClearEditBoxes();
    VaultRow editBoxesRow() const;

    void onAdd();
    void onModify();
    void onConfirmAddMod();
    void onCancelItem();
    void onDelete();
    void onMoveUp();
    void onMoveDown();
    void onValide();
    void showCellMenu(const QPoint& position);
    void warn(Dialogs::Icon icon, const QString& text) const;

    AppContext& m_context;
    ClipboardGuard& m_clipboard;
    const VaultStore m_store;
    VaultUnlock m_unlock;
    VaultEditor m_editor;
    bool m_saving = false;
    QLabel* m_labSaving = nullptr;

    QTreeWidget* m_lvPasswords = nullptr;
    QList<QPushButton*> m_browseButtons;
    QGroupBox* m_frmDescription = nullptr;
    QList<QLabel*> m_labels;
    QList<QLineEdit*> m_boxes;
    QPushButton* m_cmdConfirmAddMod = nullptr;
    QPushButton* m_cmdCancelItem = nullptr;
};
