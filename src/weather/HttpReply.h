#pragma once

#include <QByteArray>

// An HTTP/1.x answer read as its bytes arrive: the status line, the fields a download needs and
// the body, sized by Content-Length, chunked, or running to the end of the connection. The
// header section and the body each have a cap; an answer beyond them, or malformed, is refused
// as soon as that shows, so a hostile server never makes it hold more than the caps.
class HttpReply {
public:
    static constexpr qsizetype kMaxHeaderBytes = 32 * 1024;
    static constexpr qsizetype kMaxChunkLineBytes = 1024;

    enum class State { Reading, Complete, Failed };

    explicit HttpReply(qsizetype maxBodyBytes);

    State feed(QByteArrayView bytes);
    // The connection has ended: a body that runs to the end is complete, anything else cut.
    State finishAtEnd();

    State state() const { return m_state; }
    int status() const { return m_status; }
    const QByteArray& location() const { return m_location; }
    const QByteArray& body() const { return m_body; }

private:
    void readHeaderSection();
    bool parseHeaderSection(const QByteArray& section);
    bool parseStatusLine(const QByteArray& line);
    bool parseField(const QByteArray& line);
    void startBody();
    void readBody();
    void readChunks();
    bool readChunkSize();
    void appendBody(QByteArrayView bytes);
    void setState(State state) { m_state = state; }

    qsizetype m_maxBody;
    State m_state = State::Reading;
    bool m_inBody = false;
    QByteArray m_pending; // bytes received and not read yet
    qsizetype m_searched = 0; // how far m_pending holds no end of the header section
    int m_status = 0;
    QByteArray m_location;
    qint64 m_contentLength = -1;
    bool m_chunked = false;
    qint64 m_chunkLeft = -1; // -1: a chunk-size line comes next; -2: the line end after a chunk
    QByteArray m_body;
};
