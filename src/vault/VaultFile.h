#pragma once

#include "VaultRow.h"

#include <QByteArray>
#include <QString>

// The vault file: CR LF lines, each the hexadecimal text of its plain line enciphered from the
// start of the key stream. The first plain line is "[PASS];" + the master password, then one
// line per row, its five fields joined by ";".
namespace VaultFile {

QString fileName();

struct Reading {
    enum class Status {
        Read, // every line read
        Missing, // no file yet: an empty vault
        Unreadable, // the file exists but cannot be opened
        WrongPassword, // the "[PASS];" line holds another password; no rows are given
    };
    Status status = Status::Missing;
    VaultRows rows;

    // False when writing over the file could destroy rows that were never shown.
    bool mayOverwrite() const { return status == Status::Read || status == Status::Missing; }
};

Reading read(const QString& path, const QString& expectedPassword);

// The whole file for these rows under this master password.
QByteArray content(const QString& masterPassword, const VaultRows& rows);

// Writes the content whole (never half a file), readable by its owner only; false on any failure,
// the previous file then stays as it was.
bool write(const QString& path, const QByteArray& content);

} // namespace VaultFile
