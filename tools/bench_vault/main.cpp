// Prints the time and peak memory of one key derivation at the vault's default parameters, and
// the time to seal and write, then read and open, a vault of 1,000 rows once the key is known.
//   bench_vault [ROUNDS]
#include "vault/VaultCrypto.h"
#include "vault/VaultFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kRows = 1000;

long peakKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

VaultRows thousandRows()
{
    VaultRows rows;
    for (int i = 0; i < kRows; ++i) {
        rows.append(VaultRow { { QStringLiteral("Site n\u00B0%1").arg(i),
            QStringLiteral("utilisateur%1@exemple.fr").arg(i),
            QStringLiteral("m\u00F4t-de-passe-%1-assez-long").arg(i), QStringLiteral("note"),
            QString() } });
    }
    return rows;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = std::max(1, argc > 1 ? atoi(argv[1]) : 5);
    const KdfParameters kdf = KdfParameters::defaults();
    const SecretBytes password = SecretBytes::fromText(QStringLiteral("un mot de passe"));
    const VaultFile::Header header = VaultFile::Header::fresh(kdf);

    const long before = peakKiB();
    QList<double> derivations;
    SecretBytes key;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        key = VaultCrypto::deriveKey(password, header.salt, kdf);
        derivations.append(timer.nsecsElapsed() / 1e6);
    }
    const long after = peakKiB();
    std::printf("key derivation (Argon2id, %u passes, %u MiB): median %.0f ms, min %.0f ms, max "
                "%.0f ms over %d\n",
        kdf.opsLimit, kdf.memoryKiB / 1024, median(derivations),
        *std::min_element(derivations.cbegin(), derivations.cend()),
        *std::max_element(derivations.cbegin(), derivations.cend()), rounds);
    std::printf(
        "peak memory: %ld KiB before, %ld KiB after (+%ld KiB)\n", before, after, after - before);

    QTemporaryDir dir;
    const QString path = dir.filePath(VaultFile::fileName());
    const VaultRows rows = thousandRows();
    QList<double> saves;
    QList<double> opens;
    for (int round = 0; round < rounds * 4; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (!VaultFile::write(path, VaultFile::seal(header, key, rows)))
            return 1;
        saves.append(timer.nsecsElapsed() / 1e6);
        timer.restart();
        bool readable = false;
        const QByteArray file = VaultFile::load(path, &readable);
        const std::optional<VaultRows> back = VaultFile::unseal(file, header, key);
        opens.append(timer.nsecsElapsed() / 1e6);
        if (!back || back->size() != kRows)
            return 1;
    }
    std::printf("%d rows (%lld bytes): save %.2f ms, open %.2f ms (medians, key known; each "
                "adds one derivation)\n",
        kRows, static_cast<long long>(QFileInfo(path).size()), median(saves), median(opens));
    return 0;
}
