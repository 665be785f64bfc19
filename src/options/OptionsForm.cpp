#include "OptionsForm.h"

#include "common/Numbers.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"
#include "weather/WeatherCities.h"

#include <array>

namespace {

constexpr std::array kSavedKeys = {
    &Keys::DisplayMeteo,
    &Keys::TimerMeteo,
    &Keys::TimerEmail,
    &Keys::City,
    &Keys::DisplayClock,
    &Keys::DisplaySysInfo,
    &Keys::DisplayLAN,
    &Keys::DisplayPhoto,
    &Keys::Photo,
    &Keys::DisplayTransparency,
    &Keys::Transparency,
    &Keys::Position,
    &Keys::FavInternetSort,
    &Keys::FavWindowsSort,
    &Keys::SortModules,
    &Keys::FavModuleNbElem,
    &Keys::FavWinDisplaySmallIcons,
    &Keys::DisplayMeteoSmall,
    &Keys::DisplayClockSmall,
    &Keys::SpaceBetweenModules,
    &Keys::DisplayEmails,
    &Keys::Skin,
    &Keys::DisplayPenseBete,
    &Keys::DisplayFavoris,
    &Keys::AutoStart,
    &Keys::NotifyNewMail,
};

bool isCheckBox(const SettingKey& key)
{
    return QByteArrayView(key.name).startsWith("Display") || &key == &Keys::FavWinDisplaySmallIcons
        || &key == &Keys::AutoStart || &key == &Keys::NotifyNewMail;
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// The text a control holds for a stored value: check boxes and the side are ticked or not, a
// town outside the table is the bar's own fallback, other numbers are brought into range.
QString controlValue(const SettingKey& key, const QString& stored)
{
    if (&key == &Keys::Photo)
        return stored;
    const qint64 number = Numbers::LeadingInteger(stored);
    if (isCheckBox(key) || &key == &Keys::Position)
        return flag(number != 0);
    if (&key == &Keys::City)
        return QString::number(WeatherCities::CityIndexFromSetting(number));
    return QString::number(key.bounded(number));
}

} // namespace

std::span<const SettingKey* const> OptionsForm::savedKeys()
{
    return kSavedKeys;
}

void OptionsForm::load(const SettingsStore& settings, const QStringList& themes)
{
    m_values.clear();
    for (const SettingKey* key : kSavedKeys) {
        const QString stored = settings.value(*key, key->optionsDefaultText());
        if (key == &Keys::Skin)
            m_selectedSkin = stored;
        else if (key == &Keys::SortModules)
            m_order.load(stored);
        else
            m_values.insert(key->key(), controlValue(*key, stored));
    }
    m_themes = themes;
}

bool OptionsForm::save(SettingsStore& settings) const
{
    QList<std::pair<const SettingKey*, QString>> values;
    for (const SettingKey* key : kSavedKeys) {
        if (key == &Keys::Skin)
            values.append({ key, m_selectedSkin });
        else if (key == &Keys::SortModules)
            values.append({ key, m_order.toSetting() });
        else
            values.append({ key, m_values.value(key->key()) });
    }
    return settings.save(values);
}

bool OptionsForm::checked(const SettingKey& key) const
{
    return m_values.value(key.key()) == QLatin1String("1");
}

void OptionsForm::setChecked(const SettingKey& key, bool on)
{
    m_values.insert(key.key(), flag(on));
}

int OptionsForm::number(const SettingKey& key) const
{
    return m_values.value(key.key()).toInt();
}

void OptionsForm::setNumber(const SettingKey& key, int value)
{
    m_values.insert(key.key(), QString::number(key.bounded(value)));
}

QString OptionsForm::text(const SettingKey& key) const
{
    return m_values.value(key.key());
}

void OptionsForm::setText(const SettingKey& key, const QString& text)
{
    m_values.insert(key.key(), text);
}

namespace TransparencyPreview {

QString label(int sliderValue)
{
    return u' ' + QString::number(sliderValue * 100 / 150) + QStringLiteral(" %");
}

int opacity(bool enabled, int sliderValue)
{
    return enabled ? 254 - sliderValue : 255;
}

} // namespace TransparencyPreview
