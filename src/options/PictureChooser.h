#pragma once

#include <QString>

class Dialogs;

// The file dialog of the photo's "..." button.
namespace PictureChooser {

QString Title();
// One entry listing every picture format the photo module can show.
QString Filter();
// The file chosen, or the current one when the dialog is cancelled.
QString Choose(Dialogs& dialogs, const QString& current);

} // namespace PictureChooser
