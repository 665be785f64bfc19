#include "MailModuleFixture.h"

#include "mail/EmailAccountsFile.h"
#include "shell/Skin.h"

#include <QHash>
#include <QSignalSpy>

MailModuleFixture::MailModuleFixture()
    : app(false)
{
    Skin::ReadSkinIni(TestApp::shippedDataDir() + QStringLiteral("/skins/default/"), app.skin);
    if (app.skin.colorTextLight == app.skin.colorTextDark) {
        // Run outside ctest without the source tree: distinct colours all the same.
        app.skin.colorTextDark = 0xECE4DE;
        app.skin.colorTextLight = 0xFCD37D;
        app.skin.colorTextTitle = 0xD4EA5E;
        app.skin.colorTextError = 0x7171F8;
        app.skin.colorBackGround = 0x231B16;
    }
    module = std::make_unique<frmemail>(app.context);
    module->checker().setLocale(QLocale(QLocale::French, QLocale::France));
}

void MailModuleFixture::setAccounts(const QList<EmailAccount>& accounts)
{
    EmailAccountsFile::SaveEmailAccounts(app.appDir(), accounts, &app.fakes.dialogs);
    module->LoadEmailAccounts();
    module->layoutHeight();
}

bool MailModuleFixture::checkCurrentAccount(int timeoutMs)
{
    QSignalSpy done(module.get(), &frmemail::timerWanted);
    module->StartMailCheck();
    return done.count() > 0 || done.wait(timeoutMs);
}

bool MailModuleFixture::checkAllAccounts(int timeoutMs)
{
    for (int k = 0; k < module->NbEmailAccounts(); ++k) {
        if (!checkCurrentAccount(timeoutMs))
            return false;
    }
    return true;
}

QString MailModuleFixture::status(int account) const
{
    return module->checker().table().at(account).EmailStatus;
}

int MailModuleFixture::state(int account) const
{
    return module->checker().table().at(account).EmailState;
}

static QColor dominantColour(const QImage& image, int top, int height, QColor background)
{
    QHash<QRgb, int> counts;
    for (int y = top; y < top + height && y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000;
            if (pixel != background.rgb())
                ++counts[pixel];
        }
    }
    QRgb best = background.rgb();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(best))
            best = it.key();
    }
    return QColor(best);
}

QColor MailModuleFixture::statusColour(int account) const
{
    const int h = module->lineHeight();
    return dominantColour(module->statusImage(), (2 * account + 1) * h, h, app.skin.background());
}

QColor MailModuleFixture::nameColour(int account) const
{
    const int h = module->lineHeight();
    return dominantColour(module->statusImage(), 2 * account * h, h, app.skin.background());
}

EmailAccount makeAccount(const QString& name, const QString& user, const QString& password,
    const QString& server, const QString& port)
{
    EmailAccount account;
    account.fields = { name, user + QStringLiteral("@example.org"), user, password, server, port };
    return account;
}
