#pragma once

#include "MailSecurity.h"

#include <QByteArray>
#include <QString>

// One conversation with a mail server, without the socket: it reads the server's lines and
// answers through its Peer, which owns the connection.
class MailDialogue {
public:
    class Peer {
    public:
        virtual ~Peer() = default;
        // One command; the line end is added by the peer.
        virtual void sendLine(const QByteArray& line) = 0;
        // The server agreed to the upgrade: start TLS on the open connection.
        virtual void startTls() = 0;
        // The account's new state and status line (EmailAccountTable codes).
        virtual void report(int state, const QString& status, int count) = 0;
        // The dialogue is over: nothing more will be sent.
        virtual void finished() = 0;
        // The connection stays open, waiting for the server to speak (IMAP IDLE).
        virtual void idling() { }
    };

    struct Login {
        QString userName;
        QString password;
        MailSecurity security;
    };

    MailDialogue(Peer& peer, const Login& login)
        : m_peer(peer)
        , m_login(login)
    {
    }
    virtual ~MailDialogue() = default;

    // The connection is open; encrypted when it speaks TLS from its first byte.
    virtual void start(bool encrypted) = 0;
    // One line from the server, without its line end.
    virtual void onLine(const QString& line) = 0;
    // The upgrade asked for with startTls() is complete.
    virtual void onEncrypted() = 0;

protected:
    Peer& m_peer;
    Login m_login;
};
