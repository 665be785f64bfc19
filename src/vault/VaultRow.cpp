#include "VaultRow.h"

#include <QStringList>

QString VaultRow::plainLine() const
{
    return QStringList(fields.begin(), fields.end()).join(QLatin1Char(';'));
}

VaultRow VaultRow::fromPlainLine(const QString& line)
{
    VaultRow row;
    const QStringList parts = line.split(QLatin1Char(';'));
    for (int n = 0; n < kFieldCount && n < parts.size(); ++n)
        row.fields[n] = parts[n];
    return row;
}
