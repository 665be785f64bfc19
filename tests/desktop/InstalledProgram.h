#pragma once

#include <QColor>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

class QTemporaryDir;

// Running an installed program as a user would, and reading its bar back from the X display.
namespace InstalledProgram {

// Runs a tool to its end (two minutes at most); its standard output and error, merged.
QString run(const QString& program, const QStringList& arguments, int* exitCode);

// The environment of a user whose home, configuration, data and runtime folders are in home,
// with settings that show the given skin, opaque and without the welcome window.
QProcessEnvironment freshUser(const QTemporaryDir& home, const QString& skin);

// The bar's window on the root window, from xwininfo; null while there is none.
QRect barGeometry();

QColor pixelOnScreen(const QPoint& at);

} // namespace InstalledProgram
