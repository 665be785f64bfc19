#include "SlideSteps.h"

QList<int> SlideSteps(int from, int to)
{
    QList<int> positions;
    const int direction = to > from ? 1 : -1;
    int position = from;
    int step = 0;
    while (position != to) {
        ++step;
        position += direction * step;
        if ((direction > 0 && position > to) || (direction < 0 && position < to))
            position = to;
        positions.append(position);
    }
    return positions;
}
