// The settings file as a user may have edited it: any bytes. Reading never fails, and saving
// one value keeps every other value as it was read.
#include "FuzzSupport.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString dir = Fuzz::folder().path();
    SettingsStore store(dir);
    Fuzz::writeFile(store.filePath(QStringLiteral("Tolvane")), Fuzz::bytes(data, size));
    const SettingKey* watched[] = { &Keys::City, &Keys::Photo, &Keys::Password, &Keys::Skin };
    QStringList before;
    for (const SettingKey* key : watched)
        before << store.value(*key, QStringLiteral("<none>"));
    store.number(Keys::Transparency);
    store.decimal(Keys::Transparency);

    const QString written = QString::fromUtf8(Fuzz::bytes(data, std::min<size_t>(size, 40)));
    FUZZ_CHECK(store.save(Keys::Position, written));
    SettingsStore reader(dir);
    FUZZ_CHECK(reader.value(Keys::Position) == written);
    for (int n = 0; n < int(std::size(watched)); ++n)
        FUZZ_CHECK(reader.value(*watched[n], QStringLiteral("<none>")) == before[n]);
    return 0;
}
