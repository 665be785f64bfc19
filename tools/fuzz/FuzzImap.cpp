// The IMAP dialogue fed the server's side line by line: the first byte chooses a plain count or a
// watching dialogue and whether the connection starts encrypted, the rest is split at line ends.
// The dialogue ends without a crash, never sends a line without a tag or a continuation answer,
// and its status fits in a line.
#include "FuzzSupport.h"
#include "mail/ImapDialogue.h"
#include "mail/MailChecker.h"

namespace {

struct Peer : MailDialogue::Peer {
    QString status;
    bool over = false;
    int sent = 0;
    void sendLine(const QByteArray& line) override
    {
        FUZZ_CHECK(!line.contains('\r') && !line.contains('\n'));
        ++sent;
    }
    void startTls() override { }
    void report(int, const QString& newStatus, int) override { status = newStatus; }
    void finished() override { over = true; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::application();
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    const QByteArray script = Fuzz::bytes(data + 1, size - 1);
    Peer peer;
    const char* security = (mode & 2) ? "IMAP STARTTLS" : "IMAP NONE";
    ImapDialogue dialogue(peer,
        { QStringLiteral("jo"), QStringLiteral("p\u00e2ss"), MailSecurity::fromField(security) },
        mode & 1);
    dialogue.start(mode & 4);
    for (const QByteArray& line : script.split('\n')) {
        if (peer.over)
            break;
        if (line.startsWith("\x01"))
            dialogue.onEncrypted();
        else
            dialogue.onLine(QString::fromUtf8(line).remove(QLatin1Char('\r')));
    }
    FUZZ_CHECK(peer.status.size() <= MailChecker::kMaxReplyLine);
    return 0;
}
