#pragma once

class SettingsStore;

// Whether the welcome window opens at start-up (setting "SplashScreen").
namespace SplashPreference {

// Only the value 1 opens it.
bool ShowAtStartUp(const SettingsStore& settings);

// Writes "0" when the user asks not to see the window again, "1" otherwise; false when the
// settings could not be written.
bool Remember(SettingsStore& settings, bool doNotDisplay);

} // namespace SplashPreference
