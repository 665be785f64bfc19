// The weather document as any server may send it: decoding and scanning never fail.
#include "FuzzSupport.h"
#include "weather/XoapDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray body = Fuzz::bytes(data, size);
    const XoapDocument::Values values = XoapDocument::ParseXoap(XoapDocument::DecodeBody(body));
    XoapDocument::PictureFileName(values.icon);
    const QString setting = QString::fromLatin1(body.left(64));
    XoapDocument::RequestUrl(XoapDocument::ServerAuthority(setting), QStringLiteral("FRXX0076"));
    return 0;
}
