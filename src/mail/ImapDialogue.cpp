#include "ImapDialogue.h"

#include "EmailAccountTable.h"
#include "MailTexts.h"

#include <tuple>

namespace {

// A letter, digit or underscore of ASCII: what may not touch a keyword or a figure.
bool isWordCharacter(QChar c)
{
    return c.unicode() < 0x80 && (c.isLetterOrNumber() || c == QLatin1Char('_'));
}

// The ASCII digits at the start of text.
qsizetype leadingDigits(QStringView text)
{
    qsizetype count = 0;
    while (count < text.size() && text[count] >= u'0' && text[count] <= u'9')
        ++count;
    return count;
}

// The figure that follows name at position at of text, and the position after it: name must
// start a word there and be followed by one to nine digits that end a word.
std::optional<std::pair<int, qsizetype>> figureAt(
    QStringView text, qsizetype at, QLatin1String name)
{
    if (isWordCharacter(text[at - 1]) || !text.mid(at).startsWith(name, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView digits = text.mid(at + name.size());
    const qsizetype count = leadingDigits(digits);
    if (count < 1 || count > 9 || (count < digits.size() && isWordCharacter(digits[count])))
        return std::nullopt;
    return std::make_pair(digits.left(count).toInt(), at + name.size() + count);
}

// The words of a capability list: "[CAPABILITY ...]" anywhere in the line, else a whole
// "* CAPABILITY ..." response; nothing when the line holds neither.
std::optional<QStringView> capabilityList(QStringView line)
{
    const QLatin1String code("[CAPABILITY ");
    const qsizetype start = line.indexOf(code, 0, Qt::CaseInsensitive);
    if (start >= 0) {
        const qsizetype words = start + code.size();
        const qsizetype end = line.indexOf(QLatin1Char(']'), words);
        if (end >= 0)
            return line.mid(words, end - words);
    }
    const QLatin1String response("* CAPABILITY ");
    if (line.startsWith(response, Qt::CaseInsensitive))
        return line.mid(response.size());
    return std::nullopt;
}

} // namespace

void ImapDialogue::start(bool encrypted)
{
    m_encrypted = encrypted;
    m_step = Step::Greeting;
    m_tag = 0;
    m_capabilities.clear();
    m_unseen = -1;
    m_examined = false;
}

void ImapDialogue::command(const QByteArray& text, Step next)
{
    m_step = next;
    m_peer.sendLine("a" + QByteArray::number(++m_tag) + ' ' + text);
}

void ImapDialogue::fail(const QString& status)
{
    m_peer.report(EmailAccountTable::Error, status, -1);
    if (m_step != Step::Greeting)
        m_peer.sendLine("a" + QByteArray::number(++m_tag) + " LOGOUT");
    m_step = Step::Over;
    m_peer.finished();
}

void ImapDialogue::onLine(const QString& line)
{
    if (m_step == Step::Over)
        return;
    takeCapabilities(line);
    if (m_step == Step::Greeting) {
        if (line.startsWith(QLatin1String("* OK"), Qt::CaseInsensitive))
            command("CAPABILITY", Step::Capability);
        else if (line.startsWith(QLatin1String("* PREAUTH"), Qt::CaseInsensitive))
            command("STATUS INBOX (MESSAGES UNSEEN)", Step::Status);
        else
            fail(line);
    } else if (line.startsWith(QLatin1Char('+'))) {
        onContinuation();
    } else if (line.startsWith(QLatin1String("* "))) {
        onUntagged(line);
    } else {
        const QString tag = QStringLiteral("a%1 ").arg(m_tag);
        if (line.startsWith(tag)) {
            const QString rest = line.mid(tag.size());
            onTagged(rest.section(QLatin1Char(' '), 0, 0).toUpper(), rest);
        }
    }
}

// "[CAPABILITY ...]" in a greeting or a login reply says as much as a CAPABILITY response.
// Plain string work: every line of an idling connection passes here.
void ImapDialogue::takeCapabilities(const QString& line)
{
    const std::optional<QStringView> list = capabilityList(line);
    if (!list)
        return;
    m_capabilities.clear();
    for (const QStringView word : list->split(QLatin1Char(' '), Qt::SkipEmptyParts))
        m_capabilities.insert(word.toString().toUpper());
}

void ImapDialogue::onContinuation()
{
    if (m_step == Step::Authenticate) {
        const QByteArray plain
            = '\0' + m_login.userName.toUtf8() + '\0' + m_login.password.toUtf8();
        m_peer.sendLine(plain.toBase64());
    } else if (m_step == Step::Idle) {
        m_idleAccepted = true;
        if (m_changed)
            renewIdle();
        else
            m_peer.idling();
    }
}

void ImapDialogue::onUntagged(const QString& line)
{
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString kind = words.value(1).toUpper();
    if (kind == QLatin1String("STATUS")) {
        m_unseen = parseStatus(line).second;
    } else if (kind == QLatin1String("BYE")) {
        // A server going away while idling simply closes; the peer sees the connection drop.
        if (m_step != Step::Idle && m_step != Step::IdleEnding)
            fail(line);
    } else if (m_step == Step::Idle) {
        const QString event = words.value(2).toUpper();
        if (event == QLatin1String("EXISTS") || event == QLatin1String("EXPUNGE")
            || event == QLatin1String("FETCH")) {
            m_changed = true;
            if (m_idleAccepted)
                renewIdle();
        }
    }
}

void ImapDialogue::renewIdle()
{
    if (m_step != Step::Idle || !m_idleAccepted)
        return;
    m_step = Step::IdleEnding;
    m_peer.sendLine("DONE");
}

void ImapDialogue::onTagged(const QString& status, const QString& line)
{
    if (status != QLatin1String("OK")) {
        if (m_step == Step::Capability)
            afterCapabilities(); // a server that will not list its capabilities offers nothing
        else
            fail(line);
        return;
    }
    switch (m_step) {
    case Step::Capability:
        afterCapabilities();
        break;
    case Step::StartTls:
        m_peer.startTls();
        break;
    case Step::Login:
    case Step::Authenticate:
    case Step::Idle:
    case Step::IdleEnding:
        m_unseen = -1;
        command("STATUS INBOX (MESSAGES UNSEEN)", Step::Status);
        break;
    case Step::Status:
        reportCount();
        break;
    case Step::Examine:
        m_examined = true;
        m_changed = false;
        m_idleAccepted = false;
        command("IDLE", Step::Idle);
        break;
    default:
        break;
    }
}

// Once a server offered the upgrade, the login goes inside TLS or not at all.
void ImapDialogue::afterCapabilities()
{
    const MailSecurity::Security security = m_login.security.security;
    if (m_encrypted || security == MailSecurity::None)
        logIn();
    else if (m_capabilities.contains(QStringLiteral("STARTTLS")))
        command("STARTTLS", Step::StartTls);
    else if (security == MailSecurity::StartTlsRequired)
        fail(MailTexts::encryptionNotOffered());
    else
        logIn();
}

void ImapDialogue::onEncrypted()
{
    m_encrypted = true;
    m_capabilities.clear();
    command("CAPABILITY", Step::Capability);
}

// LOGIN carries only what a quoted string can; AUTHENTICATE PLAIN carries any UTF-8.
void ImapDialogue::logIn()
{
    const std::optional<QByteArray> user = quoted(m_login.userName);
    const std::optional<QByteArray> password = quoted(m_login.password);
    if (user && password && !m_capabilities.contains(QStringLiteral("LOGINDISABLED")))
        command("LOGIN " + *user + ' ' + *password, Step::Login);
    else
        command("AUTHENTICATE PLAIN", Step::Authenticate);
}

void ImapDialogue::reportCount()
{
    if (m_unseen > 0)
        m_peer.report(EmailAccountTable::NewMessages, MailTexts::unseen(m_unseen), m_unseen);
    else
        m_peer.report(EmailAccountTable::NothingNew, MailTexts::nothingNew(), qMax(m_unseen, 0));
    if (m_watch && offersIdle()) {
        if (m_examined) {
            m_changed = false;
            m_idleAccepted = false;
            command("IDLE", Step::Idle);
        } else {
            command("EXAMINE INBOX", Step::Examine);
        }
        return;
    }
    command("LOGOUT", Step::Over);
    m_peer.finished();
}

// The figures "MESSAGES n" and "UNSEEN n" of the last parenthesised list; a later figure of the
// same name wins.
std::pair<int, int> ImapDialogue::parseStatus(const QString& line)
{
    std::pair<int, int> result { -1, -1 };
    const qsizetype open = line.lastIndexOf(QLatin1Char('('));
    if (open < 0)
        return result;
    const QStringView list = QStringView(line).mid(open);
    qsizetype at = 1; // past the bracket
    while (at < list.size()) {
        if (const auto messages = figureAt(list, at, QLatin1String("MESSAGES "))) {
            std::tie(result.first, at) = *messages;
        } else if (const auto unseen = figureAt(list, at, QLatin1String("UNSEEN "))) {
            std::tie(result.second, at) = *unseen;
        } else {
            ++at;
        }
    }
    return result;
}

std::optional<QByteArray> ImapDialogue::quoted(const QString& text)
{
    QByteArray result = "\"";
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return std::nullopt;
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            result += '\\';
        result += static_cast<char>(c.unicode());
    }
    return result + '"';
}
