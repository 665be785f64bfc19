#pragma once

#include "VaultRow.h"

#include <QByteArray>
#include <QString>

// The vault file of the earlier versions, read once to convert it: CR LF lines, each the
// hexadecimal text of its plain line enciphered with the fixed key from the start of the key
// stream. The first plain line is "[PASS];" + the master password, then one line per row, its
// five fields joined by ";". Anyone can read it: the key is in the program.
namespace LegacyVaultFile {

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
};

Reading read(const QString& path, const QString& expectedPassword);

} // namespace LegacyVaultFile
