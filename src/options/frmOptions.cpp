#include "frmOptions.h"

#include "OptionsControls.h"
#include "OptionsEmailsPage.h"
#include "OptionsPages.h"
#include "WrappingButtons.h"
#include "mail/EmailAccountsFile.h"
#include "shell/AppContext.h"
#include "shell/AppVersion.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"
#include "shell/Skin.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace OptionsControls;

frmOptions::frmOptions(AppContext& context, OptionsHost host, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_host(std::move(host))
    , m_accounts(context.platform.dialogs)
    , m_favorites(context.dataDir, context.platform.dialogs)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(AppVersion::Title() + QStringLiteral(" - Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    // The pages were laid out for a small dialog font; the desktop's larger one would clip them.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    if (m_host.opacity)
        m_openingOpacity = m_host.opacity();
    // The user's own skins are offered beside the shipped ones, as the bar loads both.
    m_form.load(*context.settings, Skin::SkinNames(context));
    m_accounts.load(EmailAccountsFile::ReadEmailAccount(context.dataDir));
    m_favorites.load();
    buildPages();
    buildButtons();
    showPage(0);
}

void frmOptions::buildPages()
{
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(new OptionsModulesPage(m_form, m_context.platform.dialogs, this));
    m_pages->addWidget(new OptionsDisplayPage(m_form, m_host.makeTransparent, this));
    m_pages->addWidget(new OptionsOrderPage(m_form, this));
    auto* emails = new OptionsEmailsPage(m_accounts, m_form, this);
    connect(emails, &OptionsEmailsPage::editingChanged, this, &frmOptions::lockForEditing);
    m_pages->addWidget(emails);
    for (auto kind :
        { OptionsFavoritesPage::Kind::Windows, OptionsFavoritesPage::Kind::Internet }) {
        auto* page = new OptionsFavoritesPage(m_form, m_favorites, kind, this);
        connect(
            page, &OptionsFavoritesPage::sortModeChanged, this, &frmOptions::UpdateFavSortButtons);
        connect(page, &OptionsFavoritesPage::favoritesChanged, this, [this] {
            if (m_host.reloadFavorites)
                m_host.reloadFavorites();
        });
        m_pages->addWidget(page);
        m_favoritesPages.append(page);
    }
}

void frmOptions::UpdateFavSortButtons()
{
    for (OptionsFavoritesPage* page : m_favoritesPages)
        page->enableMoves();
}

void frmOptions::buildButtons()
{
    const std::pair<const char*, const char*> pages[] = {
        { "cmdModules", "Modules Affich\u00e9s" },
        { "cmdAffichage", "Affichage" },
        { "cmdOrderAffichage", "Ordre d'affichage des modules" },
        { "cmdEmails", "e-mails" },
        { "cmdFavWindows", "Favoris Windows" },
        { "cmdFavInt", "Favoris Internet" },
    };
    auto* column = new QVBoxLayout;
    for (const auto& [name, caption] : pages) {
        auto* push = new WrappingPushButton(QString::fromUtf8(caption), this);
        push->setObjectName(QLatin1String(name));
        push->setAutoDefault(false);
        push->setCheckable(true);
        push->setAutoExclusive(true);
        push->setMinimumHeight(40);
        push->setFixedWidth(130);
        const int page = static_cast<int>(m_pageButtons.size());
        connect(push, &QPushButton::clicked, this, [this, page] { showPage(page); });
        column->addWidget(push);
        m_pageButtons.append(push);
    }
    column->addStretch();

    m_save = button(this, "cmdSave", QStringLiteral("Sauver"));
    m_quit = button(this, "cmdQuit", QStringLiteral("Annuler"));
    connect(m_save, &QPushButton::clicked, this, &frmOptions::Save);
    connect(m_quit, &QPushButton::clicked, this, &frmOptions::Cancel);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_save);
    bottom->addWidget(m_quit);

    auto* window = new QGridLayout(this);
    window->addLayout(column, 0, 0);
    window->addWidget(m_pages, 0, 1);
    window->addLayout(bottom, 1, 0, 1, 2);
    window->setColumnStretch(1, 1);
}

void frmOptions::showPage(int page)
{
    m_pages->setCurrentIndex(page);
    for (int n = 0; n < m_pageButtons.size(); ++n)
        m_pageButtons[n]->setChecked(n == page);
    if (qobject_cast<OptionsFavoritesPage*>(m_pages->currentWidget()))
        UpdateFavSortButtons();
}

void frmOptions::lockForEditing(bool editing)
{
    for (QPushButton* push : m_pageButtons)
        push->setEnabled(!editing);
    m_save->setEnabled(!editing);
    m_quit->setEnabled(!editing);
}

bool frmOptions::Save()
{
    if (m_accounts.editing())
        return false;
    const QString settingsFile
        = m_context.settings->filePath(QLatin1String(SettingsKeys::kApplication));
    const bool settingsSaved = m_form.save(*m_context.settings);
    if (!settingsSaved && m_context.platform.dialogs) {
        m_context.platform.dialogs->message(Dialogs::Icon::Critical, AppVersion::Title(),
            QStringLiteral("Probl\u00e8me d'acc\u00e8s en \u00e9criture : ") + settingsFile);
    }
    const bool favoritesSaved = m_favorites.StoreFavoritesOrder();
    const bool accountsSaved = EmailAccountsFile::SaveEmailAccounts(
        m_context.dataDir, m_accounts.rows().rows(), m_context.platform.dialogs);
    const bool allSaved = settingsSaved && favoritesSaved && accountsSaved;
    if (allSaved) {
        m_saved = true;
        finish();
    }
    // The bar shows what the files now hold, whatever part of them could be written.
    if (m_host.applySettings)
        m_host.applySettings();
    if (!allSaved) {
        // The window stays open with what the user typed; "Annuler" now keeps the bar as it
        // was just applied.
        if (m_host.opacity)
            m_openingOpacity = m_host.opacity();
        return false;
    }
    close();
    return true;
}

void frmOptions::Cancel()
{
    close();
}

void frmOptions::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    emit closing();
}

void frmOptions::closeEvent(QCloseEvent* event)
{
    if (!m_saved && m_host.makeTransparent)
        m_host.makeTransparent(true, m_openingOpacity);
    finish();
    QWidget::closeEvent(event);
}
