// An HTTP answer as any server may send it, arriving at once or in pieces: reading never fails,
// never holds more than its caps, and the pieces do not change the outcome.
#include "FuzzSupport.h"
#include "weather/HttpReply.h"

namespace {

constexpr qsizetype kCap = 4096;

struct Outcome {
    HttpReply::State state;
    int status;
    QByteArray location;
    QByteArray body;
    bool operator==(const Outcome&) const = default;
};

Outcome outcome(HttpReply& reply, bool connectionEnds)
{
    if (connectionEnds)
        reply.finishAtEnd();
    const bool complete = reply.state() == HttpReply::State::Complete;
    return { reply.state(), reply.status(), complete ? reply.location() : QByteArray(),
        complete ? reply.body() : QByteArray() };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte: the size of the pieces and whether the connection ends after them.
    const qsizetype piece = (data[0] & 0x7f) + 1;
    const bool connectionEnds = data[0] & 0x80;
    const QByteArray bytes = Fuzz::bytes(data + 1, size - 1);

    HttpReply atOnce(kCap);
    atOnce.feed(bytes);
    HttpReply inPieces(kCap);
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        inPieces.feed(QByteArrayView(bytes).sliced(at, qMin(piece, bytes.size() - at)));

    const Outcome whole = outcome(atOnce, connectionEnds);
    FUZZ_CHECK(whole == outcome(inPieces, connectionEnds));
    FUZZ_CHECK(whole.body.size() <= kCap);
    FUZZ_CHECK(whole.state != HttpReply::State::Complete || whole.status >= 200);
    return 0;
}
