#pragma once

#include <QList>
#include <QString>

#include <array>

// One row of the vault: a description and four free data fields.
struct VaultRow {
    static constexpr int kFieldCount = 5;
    std::array<QString, kFieldCount> fields;

    // The fields joined by ";", the plain text of the row's line in the vault file.
    QString plainLine() const;
    // Split at every ";": missing fields are empty, fields after the fifth are dropped.
    static VaultRow fromPlainLine(const QString& line);

    bool operator==(const VaultRow&) const = default;
};

using VaultRows = QList<VaultRow>;
