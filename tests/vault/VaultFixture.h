#pragma once

#include "Controls.h"
#include "TestApp.h"
#include "TestFiles.h"
#include "vault/VaultFile.h"
#include "vault/VaultWindows.h"
#include "vault/frmGetPassword.h"
#include "vault/frmPasswords.h"

#include <QTreeWidget>

// The vault windows as the bar opens them.
struct VaultFixture {
    TestApp app { false };
    QWidget owner;
    VaultWindows windows { app.context, &owner };

    QString vaultPath() const { return app.context.dataPath(VaultFile::fileName()); }
    QByteArray fileBytes() const { return readBytes(vaultPath()); }
    void putFile(const QByteArray& bytes) const { writeBytes(vaultPath(), bytes); }

    // Opens the dialog, gives the passwords and validates; the vault window when it opened.
    frmPasswords* unlock(
        const QString& current, const QString& fresh = {}, const QString& confirmation = {})
    {
        windows.open();
        frmGetPassword* dialog = windows.passwordDialog();
        if (!current.isEmpty())
            type(dialog, "txtPassword", current);
        type(dialog, "txtNewPassword", fresh);
        type(dialog, "txtConfirmNewPassword", confirmation);
        click(dialog, "cmdValide");
        return windows.vaultWindow();
    }

    static void addRow(const QWidget* vault, const QStringList& fields)
    {
        static const char* const kBoxes[]
            = { "txtDescriptif", "txtData1", "txtData2", "txtData3", "txtData4" };
        click(vault, "cmdAdd");
        for (int n = 0; n < fields.size(); ++n)
            type(vault, kBoxes[n], fields[n]);
        click(vault, "cmdConfirmAddMod");
    }

    static QStringList shownRows(const QWidget* vault)
    {
        auto* list = control<QTreeWidget>(vault, "lvPasswords");
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int column = 0; column < 5; ++column)
                cells.append(list->topLevelItem(i)->text(column));
            rows.append(cells.join(QLatin1Char('|')));
        }
        return rows;
    }

    static void selectRow(const QWidget* vault, int row)
    {
        auto* list = control<QTreeWidget>(vault, "lvPasswords");
        list->setCurrentItem(list->topLevelItem(row));
    }
};
