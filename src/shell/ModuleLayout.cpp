#include "ModuleLayout.h"

#include "common/Numbers.h"

namespace ModuleLayout {

Result Arrange(const QString& order, const QHash<QString, ModuleInput>& modules, int titleBottom,
               int spaceBetweenModules, int bottomStripHeight)
{
    Result result;
    double y = titleBottom + spaceBetweenModules;
    for (const QString& name : order.split(u';')) {
        const auto module = modules.constFind(name);
        if (name.isEmpty() || module == modules.constEnd())
            continue;
        if (!module->shown) {
            result.hidden.insert(name);
            continue;
        }
        const double gap = name == kPhoto ? 1 : spaceBetweenModules;
        result.placements.append({ name, static_cast<int>(Numbers::RoundHalfEven(y)) });
        y = Numbers::RoundHalfEven(y + module->height + gap);
    }
    result.bottomStripTop = static_cast<int>(y);
    result.windowHeight = static_cast<int>(y) + bottomStripHeight + 1;
    return result;
}

} // namespace ModuleLayout
