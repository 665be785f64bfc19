#pragma once

#include "ScrollingGraph.h"
#include "modCPUMEM.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <vector>

struct SkinState;

// The drawings of the system module, each into an image the size of its picture box.
namespace SysGraphs {

inline constexpr int kDiskBoxWidth = 70;
inline constexpr int kDiskRowGap = 2;
inline constexpr int kDiskFillInset = 2;
inline constexpr int kDiskTextGap = 5;

// The load history as columns from left to right, the newest drawn sample at the right edge,
// filled into columns (its storage is reused from one tick to the next).
void CpuColumns(std::vector<GraphColumn>& columns, const modCPUMEM::CpuHistory& history,
    const SkinState& skin, QSize area);
// The processor graph's background and its "100%" and "0" scale.
ScrollingGraph::Look CpuLook(const SkinState& skin, const QFont& scaleFont);

struct DiskRow {
    QString root;
    qint64 total = 0;
    qint64 free = 0;
};

// The height of one disk row for a font.
int DiskRowHeight(const QFont& font);

// Whether two lists of rows draw the same picture.
bool SameDrawing(const std::vector<DiskRow>& a, const std::vector<DiskRow>& b);

// One row per disk: its name shortened to the label column, the box filled to its use, the
// percentage at the right edge.
void DrawDiskRows(
    QImage& image, const std::vector<DiskRow>& rows, const SkinState& skin, const QFont& font);

} // namespace SysGraphs
