// Writes sounds/clickerx.wav: a short click (a damped tone with a touch of noise at its start),
// 16-bit mono PCM at 22,050 Hz.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kRate = 22050;
constexpr double kSeconds = 0.045;
constexpr double kPi = 3.14159265358979323846;

void appendLe(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

// A small deterministic noise source, so the file is the same on every run.
double noise(quint32& state)
{
    state = state * 1664525u + 1013904223u;
    return double(state >> 8) / double(1u << 24) * 2.0 - 1.0;
}

QByteArray samples()
{
    QByteArray pcm;
    quint32 noiseState = 12345;
    const int count = int(kRate * kSeconds);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / kRate;
        const double attack = std::min(1.0, t / 0.0008);
        const double tone = std::sin(2 * kPi * 2300 * t) * 0.7 + std::sin(2 * kPi * 3450 * t) * 0.2;
        const double grit = noise(noiseState) * std::exp(-t / 0.002) * 0.4;
        const double value = attack * (tone * std::exp(-t / 0.007) + grit);
        const auto sample = qint16(std::lround(std::clamp(value, -1.0, 1.0) * 26000));
        appendLe(pcm, quint16(sample), 2);
    }
    return pcm;
}

QByteArray wave(const QByteArray& pcm)
{
    QByteArray file("RIFF");
    appendLe(file, 36 + pcm.size(), 4);
    file += "WAVEfmt ";
    appendLe(file, 16, 4);
    appendLe(file, 1, 2); // PCM
    appendLe(file, 1, 2); // mono
    appendLe(file, kRate, 4);
    appendLe(file, kRate * 2, 4);
    appendLe(file, 2, 2);
    appendLe(file, 16, 2);
    file += "data";
    appendLe(file, pcm.size(), 4);
    return file + pcm;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen <data folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/sounds");
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/clickerx.wav"));
    const QByteArray bytes = wave(samples());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    std::printf("wrote %s (%lld bytes)\n", qPrintable(file.fileName()), qlonglong(bytes.size()));
    return 0;
}
