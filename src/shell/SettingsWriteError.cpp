#include "SettingsWriteError.h"

#include "AppContext.h"
#include "AppVersion.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"

namespace SettingsWriteError {

void Tell(const AppContext& context)
{
    if (!context.platform.dialogs || !context.settings)
        return;
    const QString file = context.settings->filePath(QLatin1String(SettingsKeys::kApplication));
    context.platform.dialogs->message(Dialogs::Icon::Critical, AppVersion::Title(),
        QStringLiteral("Probl\u00e8me d'acc\u00e8s en \u00e9criture : ") + file);
}

} // namespace SettingsWriteError
