#pragma once

#include "ProcFile.h"
#include "platform/InterfaceTable.h"

#include <QHash>

// The interface table from <root>/proc/net/dev (64-bit counters, read on every call) and
// <root>/sys/class/net/<name>/ (index, type, MTU, speed, address, state, description). The
// attribute files change rarely, so they are read for a new interface and then again only every
// few calls.
class ProcNetInterfaces : public InterfaceTable {
public:
    explicit ProcNetInterfaces(const QString& root = {}, int attributeRefreshCalls = 10);
    QList<InterfaceRow> read() override;
    bool readTotals(qint64& received, qint64& sent) override;

    static qint32 ianaType(int arpType, bool wireless);
    static qint32 operationalStatus(const QByteArray& operState, bool adminUp);

private:
    struct Attributes {
        InterfaceRow row; // the attribute fields only
        int age = 0;
    };
    void readAttributes(const QString& name, InterfaceRow& row) const;
    const InterfaceRow& attributes(const QString& name);
    void forgetGoneInterfaces(const QList<InterfaceRow>& rows);

    QString m_sysNet;
    ProcFile m_dev;
    int m_refreshCalls;
    QByteArray m_text;
    QHash<QString, Attributes> m_cache;
};
