#include "OptionsControls.h"

#include "OptionsForm.h"
#include "WrappingButtons.h"
#include "shell/SettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

namespace OptionsControls {

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, OptionsForm& form,
    const SettingKey& key)
{
    auto* box = new WrappingCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(form.checked(key));
    QObject::connect(
        box, &QCheckBox::toggled, box, [&form, &key](bool on) { form.setChecked(key, on); });
    return box;
}

QSpinBox* upDown(QWidget* parent, const char* name, const char* textName, OptionsForm& form,
    const SettingKey& key)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->findChild<QLineEdit*>()->setObjectName(QLatin1String(textName));
    spin->setRange(static_cast<int>(key.minimum), static_cast<int>(key.maximum));
    spin->setValue(form.number(key));
    spin->setMaximumWidth(70);
    QObject::connect(spin, &QSpinBox::valueChanged, spin,
        [&form, &key](int value) { form.setNumber(key, value); });
    return spin;
}

QComboBox* positionList(QWidget* parent, const char* name, const QStringList& entries,
    OptionsForm& form, const SettingKey& key)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->addItems(entries);
    list->setCurrentIndex(form.number(key));
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [&form, &key](int index) {
        if (index >= 0)
            form.setNumber(key, index);
    });
    return list;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* push = new QPushButton(caption, parent);
    push->setObjectName(QLatin1String(name));
    push->setAutoDefault(false);
    return push;
}

QLabel* label(QWidget* parent, const char* name, const QString& text)
{
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(QLatin1String(name));
    shown->setWordWrap(true);
    return shown;
}

QTreeWidget* reportList(QWidget* parent, const char* name, const QStringList& headings)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setHeaderLabels(headings);
    list->header()->setStretchLastSection(false);
    return list;
}

} // namespace OptionsControls
