#include "SecretBytes.h"

#include <QByteArray>

#include <sodium.h>

SecretBytes::SecretBytes(std::size_t size)
    : m_bytes(size)
{
}

SecretBytes SecretBytes::fromText(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    SecretBytes secret(static_cast<std::size_t>(utf8.size()));
    std::copy(utf8.cbegin(), utf8.cend(), reinterpret_cast<char*>(secret.data()));
    sodium_memzero(utf8.data(), static_cast<std::size_t>(utf8.size()));
    return secret;
}

SecretBytes::SecretBytes(const SecretBytes& other)
    : m_bytes(other.m_bytes)
{
}

SecretBytes& SecretBytes::operator=(const SecretBytes& other)
{
    if (this != &other) {
        wipe();
        m_bytes = other.m_bytes;
    }
    return *this;
}

SecretBytes::SecretBytes(SecretBytes&& other) noexcept
    : m_bytes(std::move(other.m_bytes))
{
    other.m_bytes.clear();
}

SecretBytes& SecretBytes::operator=(SecretBytes&& other) noexcept
{
    if (this != &other) {
        wipe();
        m_bytes = std::move(other.m_bytes);
        other.m_bytes.clear();
    }
    return *this;
}

SecretBytes::~SecretBytes()
{
    wipe();
}

bool SecretBytes::operator==(const SecretBytes& other) const
{
    return m_bytes.size() == other.m_bytes.size()
        && (m_bytes.empty()
            || sodium_memcmp(m_bytes.data(), other.m_bytes.data(), m_bytes.size()) == 0);
}

void SecretBytes::wipe()
{
    if (!m_bytes.empty())
        sodium_memzero(m_bytes.data(), m_bytes.size());
    m_bytes.clear();
}
