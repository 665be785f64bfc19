#include "AppVersion.h"

QString AppVersion::Number()
{
    return QStringLiteral(TOLVANE_VERSION);
}
