#pragma once

#include "modCPUMEM.h"

#include <QFont>
#include <QImage>
#include <QString>

struct SkinState;

// The drawings of the system module, each into an image the size of its picture box.
namespace SysGraphs {

inline constexpr int kDiskBoxWidth = 70;
inline constexpr int kDiskRowGap = 2;
inline constexpr int kDiskFillInset = 2;
inline constexpr int kDiskTextGap = 5;

// The load history from right (newest drawn sample) to left, with its "100%" and "0" scale.
void DrawCpuGraph(QImage& image, const modCPUMEM::CpuHistory& history, const SkinState& skin,
    const QFont& scaleFont);

struct DiskRow {
    QString root;
    qint64 total = 0;
    qint64 free = 0;
};

// The height of one disk row for a font.
int DiskRowHeight(const QFont& font);

// One row per disk: its name shortened to the label column, the box filled to its use, the
// percentage at the right edge.
void DrawDiskRows(
    QImage& image, const QList<DiskRow>& rows, const SkinState& skin, const QFont& font);

} // namespace SysGraphs
