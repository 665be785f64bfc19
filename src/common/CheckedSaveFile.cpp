#include "CheckedSaveFile.h"

CheckedSaveFile::CheckedSaveFile(const QString& path)
    : m_file(path)
{
}

CheckedSaveFile::~CheckedSaveFile()
{
    if (!m_done)
        cancel();
}

bool CheckedSaveFile::open(QFileDevice::Permissions permissions)
{
    // Unbuffered: each write reaches the system at once, so its failure is seen where it happens.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail(m_file.errorString());
        return false;
    }
    if (!m_file.setPermissions(permissions)) {
        fail(m_file.errorString());
        return false;
    }
    return true;
}

bool CheckedSaveFile::write(const QByteArray& bytes)
{
    if (m_failed || !m_file.isOpen()) {
        fail(m_error.isEmpty() ? QStringLiteral("not open") : m_error);
        return false;
    }
    if (m_file.write(bytes) != bytes.size() || m_file.error() != QFileDevice::NoError) {
        fail(m_file.errorString());
        return false;
    }
    return true;
}

bool CheckedSaveFile::commit()
{
    if (m_done)
        return false;
    if (!m_failed && (!m_file.isOpen() || !m_file.flush()))
        fail(m_file.errorString());
    if (!m_failed && m_file.error() != QFileDevice::NoError)
        fail(m_file.errorString());
    if (m_failed) {
        cancel();
        return false;
    }
    m_done = true;
    if (!m_file.commit()) {
        m_failed = true;
        m_error = m_file.errorString();
        return false;
    }
    return true;
}

void CheckedSaveFile::cancel()
{
    m_done = true;
    if (!m_file.isOpen())
        return;
    m_file.cancelWriting();
    m_file.commit(); // with the writing cancelled, this only removes the temporary copy
}

void CheckedSaveFile::fail(const QString& reason)
{
    m_failed = true;
    if (m_error.isEmpty())
        m_error = reason;
}

bool CheckedSaveFile::saveWhole(const QString& path, const QByteArray& content,
    QFileDevice::Permissions permissions, QString* error)
{
    CheckedSaveFile file(path);
    const bool saved = file.open(permissions) && file.write(content) && file.commit();
    if (!saved && error)
        *error = file.errorString();
    return saved;
}
