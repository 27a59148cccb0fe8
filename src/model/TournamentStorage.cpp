#include "model/TournamentStorage.h"

#include "model/Prompter.h"
#include "model/TournamentFile.h"
#include "model/TournamentState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

namespace {
const QString LoadFailedCaption = QStringLiteral("Korvane");
const QString LoadFailedText = QStringLiteral("Einladen klappt nich !");
const QString ProgramTitle = QStringLiteral("Korvane 5.08");
const QString DefaultStartFile = QStringLiteral("normal.auf");
const QString TournamentFileExtension = QStringLiteral(".auf");

// The file name without its directory; both separators count, whichever system wrote the path.
QString FileNameOf(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

bool IsSameFile(const QString& path, const QString& other)
{
    return !other.isEmpty() && QFileInfo(path).absoluteFilePath() == QFileInfo(other).absoluteFilePath();
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr)
{
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}

// The file about to be replaced becomes the previous version beside it. A save that writes the
// same bytes again keeps the previous version there is: it is the one worth keeping.
void KeepPreviousVersion(const QString& path, const QByteArray& newBytes)
{
    QFile current(path);
    if (!current.open(QIODevice::ReadOnly))
        return;
    const QByteArray previous = current.readAll();
    if (current.error() != QFileDevice::NoError || previous == newBytes)
        return;
    // A previous version that cannot be written does not stop the save itself.
    WriteWholeFile(PreviousVersionPath(path), previous);
}

void ReportLoadFailure(Prompter& prompter, const QString& cause)
{
    prompter.inform(LoadFailedCaption, LoadFailedText + u'\n' + cause);
}

} // namespace

std::unique_ptr<TournamentState> ReadTournamentCopy(const TournamentState& state, const QByteArray& bytes,
                                                    TournamentFileReadResult* result)
{
    auto loaded = std::make_unique<TournamentState>(state);
    const TournamentFileReadResult read = ReadTournamentFile(*loaded, bytes);
    if (result)
        *result = read;
    if (!read.ok)
        return nullptr;
    loaded->IsSaved = true;
    loaded->SetsWord = loaded->Settings.WithSets ? QStringLiteral("Sätze") : QString();
    loaded->JustLoaded = true;
    return loaded;
}

void GuardProtectedFileName(TournamentState& state, Prompter& prompter)
{
    const QString& name = state.RememberedFileName;
    if (name != QStringLiteral("hlpdatc.tmp") && name != QStringLiteral("hlpdata.tmp"))
        return;
    prompter.inform(
        QStringLiteral("Obacht !"),
        QStringLiteral("Dieser Dateiname ist geschützt und sollte nicht verwendet werden. Bitte benennen "
                       "Sie die Datei um und laden Sie diese erneut ein."));
    state.RememberedFileName = name.left(7) + TournamentFileExtension;
}

bool LoadTournament(TournamentState& state, const QString& path, Prompter& prompter)
{
    GuardProtectedFileName(state, prompter);
    state.AutoLoadPending = false;
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        ReportLoadFailure(prompter, QStringLiteral("Die Datei %1 lässt sich nicht lesen: %2")
                                        .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    file.close();

    TournamentFileReadResult result;
    std::unique_ptr<TournamentState> loaded = ReadTournamentCopy(state, bytes, &result);
    if (!loaded) {
        ReportLoadFailure(prompter, ReadFailureLine(result));
        return false;
    }
    if (const QString notice = ReadNoticeText(result); !notice.isEmpty())
        prompter.inform(QStringLiteral("Benutzer-Info"), notice);
    loaded->RememberedFileName = path;
    state = std::move(*loaded);
    return true;
}

bool SaveTournament(TournamentState& state, const QString& path, Prompter& prompter)
{
    if (!IsSameFile(path, state.RememberedFileName) && QFileInfo::exists(path)) {
        const QString question =
            QStringLiteral("existierende Datei \"%1\" überschreiben ?").arg(FileNameOf(path));
        if (prompter.askYesNo(QStringLiteral("Info"), question) != Prompter::Answer::Yes)
            return false;
    }
    const QByteArray bytes = WriteTournamentFile(state);
    KeepPreviousVersion(path, bytes);
    QString error;
    if (!WriteWholeFile(path, bytes, &error)) {
        prompter.inform(QStringLiteral("Fehler"),
                        QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    state.RememberedFileName = path;
    state.IsSaved = true;
    return true;
}

QString PreviousVersionPath(const QString& path)
{
    return path + QStringLiteral(".bak");
}

QString ProposedSaveName(const TournamentState& state)
{
    if (!state.RememberedFileName.isEmpty())
        return state.RememberedFileName;
    return state.TournamentName + TournamentFileExtension;
}

QString StartFilePath(const QStringList& commandLine)
{
    if (commandLine.size() > 1 && !commandLine.at(1).isEmpty())
        return commandLine.at(1);
    return DefaultStartFile;
}

QString ShowFileCaption(const QString& path)
{
    return QStringLiteral("Datei: ") + FileNameOf(path) + QString(11, u' ') + ProgramTitle;
}
