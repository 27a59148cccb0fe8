#include "CliCommands.h"
#include "CliSupport.h"
#include "ConsolePrompter.h"

#include "model/DataFiles.h"
#include "model/Limits.h"
#include "model/TournamentFileFormat.h"
#include "model/TournamentState.h"
#include "output/Certificate.h"
#include "output/GameListFiles.h"
#include "output/OfficeConverter.h"
#include "output/RtfEdit.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {
const QString Usage = QStringLiteral("usage: korvane-cli urkunde FILE --group G [--places N] [--template "
                                     "RTF] --dir DIR [--pdf] [--overwrite]");

// The group by its number or its name.
int GroupNamed(const TournamentState& state, const QString& text)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber)
        return IsGroupIndex(number) && !state.NameTable[std::size_t(number)][0].isEmpty() ? number : 0;
    for (int group = 1; group < Limits::MaxGroups; ++group) {
        if (state.NameTable[std::size_t(group)][0].trimmed().compare(text.trimmed(), Qt::CaseInsensitive) ==
            0)
            return group;
    }
    return 0;
}

// The template named on the command line, else the tournament's own beside the file, else the
// one installed with the program.
QString TemplatePath(const TournamentState& state, const QString& given, const QString& tournamentFolder)
{
    if (!given.isEmpty())
        return given;
    const QString own = ResolveCertificateTemplate(state.Settings.CertificateTemplate, tournamentFolder);
    if (!state.Settings.CertificateTemplate.isEmpty() && QFileInfo::exists(own))
        return own;
    return FindDataFile(QCoreApplication::applicationDirPath(), TournamentFileFormat::DefaultTemplateName);
}
} // namespace

namespace cli {
int RunCertificates(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Schreibt die Urkunden der Plätze 1 bis N einer Gruppe als RTF-Dateien (mit --pdf auch als PDF)."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei (.auf)"));
    const QCommandLineOption groupOption(QStringLiteral("group"),
                                         QStringLiteral("Nummer oder Name der Gruppe"), QStringLiteral("G"));
    const QCommandLineOption placesOption(QStringLiteral("places"),
                                          QStringLiteral("Plätze 1 bis N (sonst alle)"), QStringLiteral("N"));
    const QCommandLineOption templateOption(QStringLiteral("template"),
                                            QStringLiteral("Urkunden-Vorlage (RTF)"), QStringLiteral("RTF"));
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Zielordner"),
                                       QStringLiteral("DIR"));
    const QCommandLineOption pdfOption(
        QStringLiteral("pdf"),
        QStringLiteral("alle Urkunden zusätzlich als eine PDF-Datei (mit LibreOffice)"));
    const QCommandLineOption overwriteOption(QStringLiteral("overwrite"),
                                             QStringLiteral("vorhandene Dateien ohne Rückfrage ersetzen"));
    parser.addOptions({groupOption, placesOption, templateOption, dirOption, pdfOption, overwriteOption});
    if (const std::optional<int> done = ParseArguments(parser, arguments))
        return *done;
    bool placesOk = true;
    const int places =
        parser.isSet(placesOption) ? parser.value(placesOption).toInt(&placesOk) : Limits::NameSlots;
    if (parser.positionalArguments().size() != 1 || !parser.isSet(groupOption) || !parser.isSet(dirOption) ||
        !placesOk || places < 1) {
        PrintError(Usage);
        return 2;
    }
    const QString file = parser.positionalArguments().at(0);
    auto state = LoadTournamentWithPairings(file);
    if (!state)
        return 1;
    const int group = GroupNamed(*state, parser.value(groupOption));
    if (group == 0) {
        PrintError(QStringLiteral("urkunde: no group ") + parser.value(groupOption));
        return 2;
    }
    const OfficeConverter office;
    if (parser.isSet(pdfOption) && !office.isAvailable()) {
        PrintError(QStringLiteral("urkunde: --pdf needs LibreOffice (soffice) on the PATH"));
        return 1;
    }
    ConsolePrompter prompter(parser.isSet(overwriteOption) ? Prompter::Answer::Yes : Prompter::Answer::No);
    const QString templatePath =
        TemplatePath(*state, parser.value(templateOption), QFileInfo(file).absolutePath());
    const std::optional<QByteArray> templateRtf = ReadCertificateTemplate(templatePath, prompter);
    if (!templateRtf)
        return 1;
    const QList<PlacedTeam> teams = PlacedTeams(*state, group, places);
    const QString groupName = state->NameTable[std::size_t(group)][0];
    const QString folder = parser.value(dirOption);
    const QStringList written = WriteCertificateFiles(*templateRtf, teams, groupName, folder, prompter);
    QTextStream out(stdout);
    for (const QString& path : written)
        out << path << '\n';
    if (written.size() != teams.size())
        return 1;
    if (!parser.isSet(pdfOption))
        return 0;
    QList<QByteArray> filled;
    for (const PlacedTeam& team : teams)
        filled << FillCertificate(*templateRtf, team.name);
    const QString pdf =
        QDir(folder).filePath(QStringLiteral("Urkunden %1.pdf").arg(SafeFileNamePart(groupName)));
    if (!office.ConvertToPdf(JoinRtf(filled), pdf)) {
        PrintError(QStringLiteral("urkunde: LibreOffice could not write ") + pdf);
        return 1;
    }
    out << pdf << '\n';
    return 0;
}
} // namespace cli
