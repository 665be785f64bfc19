// The vault file: any bytes, read with one master password under a low ceiling of derivation
// cost. Only Read, Damaged or WrongPassword may come out; a header that parses is the file's
// first bytes again; the rows of a file that opens are sealed again and read back unchanged.
#include "FuzzSupport.h"
#include "vault/VaultFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const SecretBytes password = SecretBytes::fromText(QStringLiteral("Cl\u00E9-2005"));
    static const KdfParameters ceiling { 2, 64 };
    const QByteArray file = Fuzz::bytes(data, size);
    const std::optional<VaultFile::Header> header = VaultFile::Header::parse(file, ceiling);
    if (header)
        FUZZ_CHECK(header->bytes() == file.left(VaultFile::Header::kSize));

    const VaultFile::Reading reading = VaultFile::decipher(file, password, ceiling);
    FUZZ_CHECK(reading.status == VaultFile::Reading::Status::Read
        || reading.status == VaultFile::Reading::Status::Damaged
        || reading.status == VaultFile::Reading::Status::WrongPassword);
    FUZZ_CHECK((reading.status == VaultFile::Reading::Status::Damaged) == !header);
    if (reading.status != VaultFile::Reading::Status::Read) {
        FUZZ_CHECK(reading.rows.isEmpty());
        return 0;
    }
    for (const VaultRow& row : reading.rows) {
        for (const QString& field : row.fields)
            FUZZ_CHECK(!field.contains(QLatin1Char(';')) && !field.contains(QLatin1Char('\n')));
    }
    const SecretBytes key = VaultCrypto::deriveKey(password, header->salt, header->parameters);
    const QByteArray again = VaultFile::seal(*header, key, reading.rows);
    FUZZ_CHECK(VaultFile::unseal(again, *header, key) == reading.rows);
    return 0;
}
