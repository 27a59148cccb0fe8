#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Prompter;
struct TournamentState;

// Certificates: an RTF template in which "#name" stands for the team's name.

// The template with every "#name" (case-sensitive) replaced by the name in the formatting of the
// placeholder's first character; nothing else of the file changes, so the certificate keeps the
// template's page, border, spacing, tabs and fonts.
QByteArray FillCertificate(const QByteArray& templateRtf, const QString& name);

// "Die Datei <path> kann nicht eingeladen werden. ...": a template that cannot be read.
QString TemplateNotLoadedText(const QString& templatePath);
// The template's bytes; none after the message above when the file cannot be read.
std::optional<QByteArray> ReadCertificateTemplate(const QString& templatePath, Prompter& prompter);

// The name for a certificate from the text of the selected cell: everything after the first ")"
// ("3) Adler" gives " Adler"), or the whole text when it has none.
QString CertificateName(const QString& cellText);

// The template file to read: a relative path is taken in the working directory. When no file of
// that name exists, one whose name differs only in capitals is used, so "Urkunde.rtf" finds the
// "urkunde.rtf" that start-up copies, also on file systems that tell capitals apart.
QString ResolveCertificateTemplate(const QString& templatePath, const QString& workDir);

// The teams on places 1..places of a group by its table as it stands (fewer in a smaller group).
struct PlacedTeam {
    int place = 0;
    QString name;
    bool operator==(const PlacedTeam&) const = default;
};
QList<PlacedTeam> PlacedTeams(const TournamentState& state, int group, int places);

// "Urkunde <group> Platz <place> <team>.rtf", both names made safe as for game lists.
QString CertificateFileName(const QString& groupName, int place, const QString& teamName);

// One filled certificate per team in the folder (created when missing). A file that exists is
// replaced only after "Warnung" is answered with Yes; one that cannot be written shows
// "Speichern der Datei <path> nicht möglich" and the others still follow. Returns the paths
// written.
QStringList WriteCertificateFiles(const QByteArray& templateRtf, const QList<PlacedTeam>& teams,
                                  const QString& groupName, const QString& folder, Prompter& prompter);
