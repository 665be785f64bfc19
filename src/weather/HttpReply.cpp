#include "HttpReply.h"

#include <QList>

namespace {

// The end of the header section: its length with the blank line, or -1 while it has not come.
// The search starts near from, where the previous one stopped.
qsizetype headerSectionEnd(const QByteArray& bytes, qsizetype from)
{
    from = qMax<qsizetype>(0, from - 3);
    const qsizetype crlf = bytes.indexOf("\r\n\r\n", from);
    const qsizetype lf = bytes.indexOf("\n\n", from);
    if (crlf >= 0 && (lf < 0 || crlf + 2 <= lf))
        return crlf + 4;
    return lf >= 0 ? lf + 2 : -1;
}

// A whole decimal number of at most 15 digits (no sign, no spaces inside); -1 otherwise.
qint64 decimal(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 15)
        return -1;
    qint64 value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A hexadecimal chunk size of at most 15 digits; -1 otherwise.
qint64 hexadecimal(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 15)
        return -1;
    qint64 value = 0;
    for (char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

HttpReply::HttpReply(qsizetype maxBodyBytes)
    : m_maxBody(maxBodyBytes)
{
}

HttpReply::State HttpReply::feed(QByteArrayView bytes)
{
    if (m_state != State::Reading)
        return m_state;
    m_pending.append(bytes);
    if (!m_inBody)
        readHeaderSection();
    if (m_inBody && m_state == State::Reading)
        readBody();
    return m_state;
}

HttpReply::State HttpReply::finishAtEnd()
{
    if (m_state == State::Reading)
        setState(m_inBody && !m_chunked && m_contentLength < 0 ? State::Complete : State::Failed);
    return m_state;
}

void HttpReply::readHeaderSection()
{
    // An interim answer (1xx) comes before the real one: its section is read and dropped.
    while (!m_inBody && m_state == State::Reading) {
        const qsizetype end = headerSectionEnd(m_pending, m_searched);
        if (end < 0 || end > kMaxHeaderBytes) {
            m_searched = m_pending.size();
            if (end > kMaxHeaderBytes || m_pending.size() > kMaxHeaderBytes)
                setState(State::Failed);
            return;
        }
        const QByteArray section = m_pending.left(end);
        m_pending.remove(0, end);
        m_searched = 0;
        if (!parseHeaderSection(section))
            setState(State::Failed);
        else if (m_status >= 200)
            startBody();
    }
}

bool HttpReply::parseHeaderSection(const QByteArray& section)
{
    m_location.clear();
    m_contentLength = -1;
    m_chunked = false;
    QList<QByteArray> lines = section.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    if (!parseStatusLine(lines.value(0)))
        return false;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        if (!lines[n].isEmpty() && !parseField(lines[n]))
            return false;
    }
    return true;
}

// "HTTP/1.1 200 OK": the version, a space, three digits, then an optional reason.
bool HttpReply::parseStatusLine(const QByteArray& line)
{
    if (!line.startsWith("HTTP/1.") || line.size() < 12 || line[8] != ' '
        || (line.size() > 12 && line[12] != ' '))
        return false;
    const qint64 status = decimal(QByteArrayView(line).sliced(9, 3));
    if (status < 100)
        return false;
    m_status = int(status);
    return true;
}

bool HttpReply::parseField(const QByteArray& line)
{
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0)
        return false;
    const QByteArray name = line.left(colon).trimmed().toLower();
    const QByteArray value = line.mid(colon + 1).trimmed();
    if (name == "content-length") {
        const qint64 length = decimal(value);
        // Two different lengths leave the end of the body in doubt.
        if (length < 0 || (m_contentLength >= 0 && length != m_contentLength))
            return false;
        m_contentLength = length;
    } else if (name == "transfer-encoding") {
        m_chunked = value.toLower().endsWith("chunked");
    } else if (name == "location") {
        m_location = value;
    }
    return true;
}

void HttpReply::startBody()
{
    m_inBody = true;
    if (m_status == 204 || m_status == 304) {
        setState(State::Complete);
    } else if (!m_chunked && m_contentLength > m_maxBody) {
        setState(State::Failed);
    } else if (!m_chunked && m_contentLength == 0) {
        setState(State::Complete);
    }
}

void HttpReply::readBody()
{
    if (m_chunked) {
        readChunks();
        return;
    }
    qsizetype taken = m_pending.size();
    if (m_contentLength >= 0)
        taken = qsizetype(qMin<qint64>(taken, m_contentLength - m_body.size()));
    appendBody(QByteArrayView(m_pending).first(taken));
    m_pending.clear(); // what follows the announced length belongs to no answer
    if (m_state == State::Reading && m_body.size() == m_contentLength)
        setState(State::Complete);
}

void HttpReply::readChunks()
{
    while (m_state == State::Reading) {
        if (m_chunkLeft == -1) {
            if (!readChunkSize())
                return;
        } else if (m_chunkLeft == -2) {
            if (m_pending.startsWith("\r\n") || m_pending.startsWith('\n')) {
                m_pending.remove(0, m_pending.startsWith('\n') ? 1 : 2);
                m_chunkLeft = -1;
            } else if (m_pending.isEmpty() || m_pending == "\r") {
                return;
            } else {
                setState(State::Failed);
            }
        } else {
            const qsizetype taken = qsizetype(qMin<qint64>(m_chunkLeft, m_pending.size()));
            if (taken == 0)
                return;
            appendBody(QByteArrayView(m_pending).first(taken));
            m_pending.remove(0, taken);
            m_chunkLeft -= taken;
            if (m_chunkLeft == 0)
                m_chunkLeft = -2;
        }
    }
}

// "1a3;name=value" then a line end; false while the line is incomplete or when it is wrong.
// The last chunk (size 0) ends the body; the trailer fields after it are not needed.
bool HttpReply::readChunkSize()
{
    const qsizetype end = m_pending.indexOf('\n');
    if (end < 0) {
        if (m_pending.size() > kMaxChunkLineBytes)
            setState(State::Failed);
        return false;
    }
    QByteArray line = m_pending.left(end);
    m_pending.remove(0, end + 1);
    const qsizetype extension = line.indexOf(';');
    if (extension >= 0)
        line.truncate(extension);
    const qint64 size = hexadecimal(line.trimmed());
    if (size < 0 || size > m_maxBody) {
        setState(State::Failed);
        return false;
    }
    if (size == 0) {
        setState(State::Complete);
        return false;
    }
    m_chunkLeft = size;
    return true;
}

void HttpReply::appendBody(QByteArrayView bytes)
{
    if (m_body.size() + bytes.size() > m_maxBody) {
        setState(State::Failed);
        return;
    }
    m_body.append(bytes);
}
