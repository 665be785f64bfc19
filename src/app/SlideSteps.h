#pragma once

#include <QList>

// The positions (twips) the bar passes through when it slides from one left edge to another:
// each move goes one twip further than the last (offsets 1, 3, 6, 10 ...), clamped at the
// target. Empty when from equals to.
QList<int> SlideSteps(int from, int to);
