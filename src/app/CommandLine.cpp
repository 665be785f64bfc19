#include "CommandLine.h"

#include "shell/AppVersion.h"

CommandLine::Action CommandLine::Read(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
            return Action::PrintHelp;
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version"))
            return Action::PrintVersion;
    }
    return Action::StartBar;
}

QString CommandLine::HelpText()
{
    return QStringLiteral(
        "Utilisation : tolvane [OPTION]\n"
        "Affiche la Tolvane, la barre lat\u00e9rale de votre bureau : horloge, m\u00e9t\u00e9o, "
        "e-mails,\nfavoris, pense-b\u00eates et moniteurs du syst\u00e8me.\n"
        "\n"
        "  -h, --help     affiche cette aide et quitte\n"
        "  -v, --version  affiche la version et quitte\n"
        "\n"
        "Les options standard de Qt (-display, -platform...) sont aussi accept\u00e9es.\n"
        "R\u00e9glages : $XDG_CONFIG_HOME/tolvane/tolvane.ini ; donn\u00e9es : "
        "$XDG_DATA_HOME/tolvane/\n"
        "Pour en savoir plus : man tolvane\n");
}

QString CommandLine::VersionText()
{
    return AppVersion::Title() + QLatin1Char(' ') + AppVersion::Number() + QLatin1Char('\n');
}

QString CommandLine::Refusal(const QStringList& leftover)
{
    if (leftover.isEmpty())
        return {};
    const QString& first = leftover.constFirst();
    const QString what = first.startsWith(QLatin1Char('-')) ? QStringLiteral("option inconnue")
                                                            : QStringLiteral("argument inattendu");
    return QStringLiteral("tolvane : %1 \u00ab %2 \u00bb\n"
                          "Essayez \u00ab tolvane --help \u00bb pour plus d'informations.\n")
        .arg(what, first);
}
