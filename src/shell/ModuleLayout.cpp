#include "ModuleLayout.h"

#include "common/Numbers.h"

namespace ModuleLayout {

namespace {

// Positions stay far inside the int range whatever heights and gaps come in, so no sum can
// overflow; no window is that tall anyway.
constexpr double kLimit = 1 << 23;

double limited(double y)
{
    return qBound(-kLimit, y, kLimit);
}

int pixel(double y)
{
    return static_cast<int>(Numbers::RoundHalfEven(limited(y)));
}

} // namespace

Result Arrange(const QString& order, const QHash<QString, ModuleInput>& modules, int titleBottom,
    int spaceBetweenModules, int bottomStripHeight)
{
    Result result;
    double y = limited(double(titleBottom) + spaceBetweenModules);
    for (const QString& name : order.split(u';')) {
        const auto module = modules.constFind(name);
        if (name.isEmpty() || module == modules.constEnd())
            continue;
        if (!module->shown) {
            result.hidden.insert(name);
            continue;
        }
        const double gap = name == kPhoto ? 1 : spaceBetweenModules;
        result.placements.append({ name, pixel(y) });
        y = Numbers::RoundHalfEven(limited(y + limited(module->height) + gap));
    }
    result.bottomStripTop = pixel(y);
    result.windowHeight = pixel(y + bottomStripHeight + 1.0);
    return result;
}

} // namespace ModuleLayout
