// The vault file: any bytes, read with one master password. A file that holds another password
// gives no rows; the rows of a file that is read are written and read back unchanged.
#include "FuzzSupport.h"
#include "vault/VaultFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString password = QStringLiteral("Cl\u00E9-2005");
    const QString path = Fuzz::folder().filePath(VaultFile::fileName());
    Fuzz::writeFile(path, Fuzz::bytes(data, size));
    const VaultFile::Reading reading = VaultFile::read(path, password);
    FUZZ_CHECK(reading.status == VaultFile::Reading::Status::Read
        || reading.status == VaultFile::Reading::Status::WrongPassword);
    if (reading.status == VaultFile::Reading::Status::WrongPassword) {
        FUZZ_CHECK(reading.rows.isEmpty());
        return 0;
    }
    for (const VaultRow& row : reading.rows) {
        for (const QString& field : row.fields)
            FUZZ_CHECK(!field.contains(QLatin1Char(';')));
    }

    FUZZ_CHECK(VaultFile::write(path, VaultFile::content(password, reading.rows)));
    const VaultFile::Reading again = VaultFile::read(path, password);
    FUZZ_CHECK(again.status == VaultFile::Reading::Status::Read);
    FUZZ_CHECK(again.rows == reading.rows);
    return 0;
}
