#pragma once

#include <QString>

struct Platform;

// Opens a document, folder, address or program with the desktop, as the shell would, and reports
// a failure in a message box with its French text. Returns the result code: above 32 on success,
// 2 file not found, 3 folder not found, 5 access denied, 31 no program for the item.
int ShellOpen(const Platform& platform, const QString& item, const QString& parameters = {});

namespace ShellResult {
inline constexpr int kSuccess = 42;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kOutOfMemory = 8;
inline constexpr int kNoAssociation = 31;

// The message shown for a result code, empty for success and for codes without one.
QString Message(int code);
// Shows the code's message, a line feed and the item in a critical message box; nothing for
// success and for codes without a message.
void Report(const Platform& platform, int code, const QString& item);
} // namespace ShellResult
