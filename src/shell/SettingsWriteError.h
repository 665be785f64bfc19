#pragma once

struct AppContext;

// The settings file could not be written: the user is told (critical icon) with the file's path.
// What the change showed on screen stays; it is simply not remembered.
namespace SettingsWriteError {

void Tell(const AppContext& context);

} // namespace SettingsWriteError
