#pragma once

#include <QList>
#include <QString>

#include <functional>

class BarModule;
class QWidget;
struct AppContext;
struct SettingKey;

// One module of the bar: its name in the order string, how it is made, the setting that shows
// it and the one that keeps its small form (nullptr when it has none). Adding a module to the
// bar is one entry of ModuleTable().
struct ModuleEntry {
    QString id;
    std::function<BarModule*(AppContext&, QWidget*)> create;
    const SettingKey* displayKey = nullptr;
    const SettingKey* smallKey = nullptr;
};

// Every module, in the order the bar creates them.
const QList<ModuleEntry>& ModuleTable();

// The entry of a name in the order string, nullptr for an unknown one.
const ModuleEntry* FindModuleEntry(const QString& id);
