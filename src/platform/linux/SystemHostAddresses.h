#pragma once

#include "platform/HostAddresses.h"

#include <QObject>

// The host name, its resolver look-up (answered on the GUI thread) and the addresses of the
// interfaces that are up.
class SystemHostAddresses : public HostAddresses {
public:
    QString hostName() const override;
    void lookUpHost(const QString& name, std::function<void(QStringList)> done) override;
    QList<InterfaceAddress> interfaceAddresses() const override;

private:
    QObject m_context; // look-ups still running end with the object
};
