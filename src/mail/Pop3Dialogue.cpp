#include "Pop3Dialogue.h"

#include "EmailAccountTable.h"
#include "MailTexts.h"
#include "Pop3Stat.h"
#include "common/Numbers.h"

#include <algorithm>

void Pop3Dialogue::start(bool encrypted)
{
    m_encrypted = encrypted;
    m_offersStls = false;
    m_step = Step::Greeting;
}

void Pop3Dialogue::send(const QByteArray& command, Step next)
{
    m_step = next;
    m_peer.sendLine(command);
}

void Pop3Dialogue::fail(const QString& status)
{
    m_peer.report(EmailAccountTable::Error, status, -1);
    m_peer.sendLine("QUIT");
    m_step = Step::Over;
    m_peer.finished();
}

void Pop3Dialogue::onLine(const QString& line)
{
    if (m_step == Step::Over)
        return; // the answer to QUIT
    if (m_step == Step::CapabilityList) {
        if (line == QLatin1String("."))
            afterCapabilities();
        else if (line.trimmed().compare(QLatin1String("STLS"), Qt::CaseInsensitive) == 0)
            m_offersStls = true;
        return;
    }
    const bool positive = line.startsWith(QLatin1Char('+'));
    if (!positive && m_step == Step::Capabilities) {
        afterCapabilities(); // a server without CAPA offers nothing
        return;
    }
    if (!positive) {
        fail(line);
        return;
    }
    switch (m_step) {
    case Step::Greeting:
        if (m_encrypted || m_login.security.security == MailSecurity::None)
            send("USER " + m_login.userName.toUtf8(), Step::User);
        else
            send("CAPA", Step::Capabilities);
        break;
    case Step::Capabilities:
        m_step = Step::CapabilityList;
        break;
    case Step::Upgrade:
        m_peer.startTls();
        break;
    case Step::User:
        send("PASS " + m_login.password.toUtf8(), Step::Password);
        break;
    case Step::Password:
        send("STAT", Step::Stat);
        break;
    case Step::Stat:
        onStat(line);
        break;
    default:
        break;
    }
}

// Once a server offered the upgrade, the login goes inside TLS or not at all.
void Pop3Dialogue::afterCapabilities()
{
    if (m_offersStls)
        send("STLS", Step::Upgrade);
    else if (m_login.security.security == MailSecurity::StartTlsRequired)
        fail(MailTexts::encryptionNotOffered());
    else
        send("USER " + m_login.userName.toUtf8(), Step::User);
}

void Pop3Dialogue::onEncrypted()
{
    m_encrypted = true;
    send("USER " + m_login.userName.toUtf8(), Step::User);
}

void Pop3Dialogue::onStat(const QString& reply)
{
    const Pop3Stat stat = Pop3Stat::ParsePop3Stat(reply, m_locale);
    const QString counted = stat.statusText();
    const int count = static_cast<int>(std::clamp(Numbers::LeadingNumber(stat.count), 0.0, 1e9));
    if (counted.isEmpty())
        m_peer.report(EmailAccountTable::NothingNew, MailTexts::nothingNew(), count);
    else
        m_peer.report(EmailAccountTable::NewMessages, counted, count);
    m_peer.sendLine("QUIT");
    m_step = Step::Over;
    m_peer.finished();
}
