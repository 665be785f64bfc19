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

    // Moves a row (0-based) one place up (step -1) or down (+1); returns the row it is now at.
    int move(int row, int step);

    // The description shown beside a module name; empty for a name that is no module.
    static QString description(const QString& name);

private:
    QStringList m_names;
};
