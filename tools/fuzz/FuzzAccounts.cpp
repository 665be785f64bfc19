// The enciphered accounts file: any bytes. Both readers agree on the accounts, and the rows that
// are read are saved and read back unchanged.
#include "FuzzSupport.h"
#include "mail/EmailAccountsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString dir = Fuzz::folder().path();
    Fuzz::writeFile(EmailAccountsFile::path(dir), Fuzz::bytes(data, size));
    const QList<EmailAccount> rows = EmailAccountsFile::ReadEmailAccount(dir);
    const QStringList records = EmailAccountsFile::LoadEmailAccounts(dir);
    FUZZ_CHECK(rows.size() <= records.size());
    for (const QString& record : records)
        EmailAccount::fromRecordLine(record);

    QList<EmailAccount> kept;
    for (const EmailAccount& row : rows) {
        // A record line is split at every ";": only rows whose fields hold none survive a save.
        if (EmailAccount::fromRecordLine(row.recordLine()).recordLine() == row.recordLine()
            && !row.recordLine().isEmpty())
            kept.append(row);
    }
    FUZZ_CHECK(EmailAccountsFile::SaveEmailAccounts(dir, kept, nullptr));
    const QList<EmailAccount> again = EmailAccountsFile::ReadEmailAccount(dir);
    FUZZ_CHECK(again.size() == kept.size());
    for (int n = 0; n < kept.size(); ++n)
        FUZZ_CHECK(again[n].recordLine() == kept[n].recordLine());
    return 0;
}
