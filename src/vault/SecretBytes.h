#pragma once

#include <QString>

#include <cstddef>
#include <vector>

// Bytes that must not outlive their use: a master password as UTF-8, a derived key. Copies are
// deep, and every copy wipes its bytes when it goes.
class SecretBytes {
public:
    SecretBytes() = default;
    explicit SecretBytes(std::size_t size);
    // The text's UTF-8 bytes; the intermediate copy is wiped too.
    static SecretBytes fromText(const QString& text);

    SecretBytes(const SecretBytes& other);
    SecretBytes& operator=(const SecretBytes& other);
    SecretBytes(SecretBytes&& other) noexcept;
    SecretBytes& operator=(SecretBytes&& other) noexcept;
    ~SecretBytes();

    bool isEmpty() const { return m_bytes.empty(); }
    std::size_t size() const { return m_bytes.size(); }
    unsigned char* data() { return m_bytes.data(); }
    const unsigned char* data() const { return m_bytes.data(); }
    const char* chars() const { return reinterpret_cast<const char*>(m_bytes.data()); }
    bool operator==(const SecretBytes& other) const;

    void wipe();

private:
    std::vector<unsigned char> m_bytes;
};
