#pragma once

#include <QString>
#include <QStringList>

// The rows of the module-order list: module names in display order.
class ModuleOrder {
public:
    // The stored order with "e-Mails" and "Pense-Bête" appended when missing; empty pieces and
    // names that are no module are dropped.
    void load(const QString& stored);
    // Every row's name followed by ";".
    QString toSetting() const;

    const QStringList& names() const { return m_names; }
    int count() const { return static_cast<int>(m_names.size()); }

    // Move row (0-based) one place; returns the row the entry is now at (the same one when it
    // cannot move).
    int moveUp(int row);
    int moveDown(int row);

    // The description shown beside a module name; empty for a name that is no module.
    static QString description(const QString& name);

private:
    QStringList m_names;
};
