#include "model/WorkingDir.h"

#include "model/DataFiles.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString InfoCaption = QStringLiteral("Info");
const QString SetupFileName = QStringLiteral("setup.exe");

void copyMissingDefaultFiles(const QString& workDir, const QString& programDir, WorkDirPlatform& platform)
{
    for (const QString& name : DefaultWorkFiles) {
        const QString target = QDir(workDir).filePath(name);
        if (!platform.fileExists(target))
            platform.copyFile(FindDataFile(programDir, name), target); // a failed copy stays silent
    }
}
} // namespace

QString SystemWorkDirPlatform::documentsFolder() const
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::HomeLocation) : documents;
}

bool SystemWorkDirPlatform::makePath(const QString& path)
{
    return QDir().mkpath(path);
}

bool SystemWorkDirPlatform::setCurrentDir(const QString& path)
{
    return QDir::setCurrent(path);
}

bool SystemWorkDirPlatform::fileExists(const QString& path) const
{
    return QFileInfo::exists(path);
}

bool SystemWorkDirPlatform::copyFile(const QString& from, const QString& to)
{
    if (!QFile::copy(from, to)) // QFile::copy never overwrites
        return false;
    // A copy of a read-only installed file must still be editable and savable by the user.
    QFile copy(to);
    copy.setPermissions(copy.permissions() | QFile::WriteOwner);
    return true;
}

bool SystemWorkDirPlatform::removeFile(const QString& path)
{
    return QFile::remove(path);
}

QString WorkDirPath(const WorkDirPlatform& platform)
{
    const QString overridden = qEnvironmentVariable("KORVANE_WORKDIR");
    if (!overridden.isEmpty())
        return QDir::cleanPath(QDir(overridden).absolutePath());
    const QString documents = platform.documentsFolder();
    // Without a documents folder the folder part stays empty, so the path starts at the root.
    return QDir::cleanPath(documents + QStringLiteral("/valdorn/korvane"));
}

bool PrepareWorkDir(TournamentState& state, const QString& programDir, Prompter& prompter)
{
    SystemWorkDirPlatform platform;
    return PrepareWorkDir(state, programDir, prompter, platform);
}

bool PrepareWorkDir(TournamentState& state, const QString& programDir, Prompter& prompter,
                    WorkDirPlatform& platform)
{
    state.WorkDir = WorkDirPath(platform);
    if (!platform.makePath(state.WorkDir))
        prompter.inform(
            InfoCaption,
            QStringLiteral("Directory kann nicht erzeugt werden. Sie haben nicht die nötigen Rechte."));
    const bool isCurrent = platform.setCurrentDir(state.WorkDir);
    if (!isCurrent)
        prompter.inform(InfoCaption, QStringLiteral("aktuelles Verzeichnis ") +
                                         QDir::toNativeSeparators(state.WorkDir) +
                                         QStringLiteral(" konnte nicht gesetzt werden"));
    copyMissingDefaultFiles(state.WorkDir, programDir, platform);
    // The installer's left-over belongs to the working directory only; when that could not be
    // made current, a "setup.exe" in some other current directory is none of our business.
    const QString setupFile = QDir(state.WorkDir).filePath(SetupFileName);
    if (isCurrent && platform.fileExists(setupFile))
        platform.removeFile(setupFile);
    return isCurrent;
}

void StartUpTournament(TournamentState& state, const QString& programDir, Prompter& prompter)
{
    state.StartingUp = true;
    state.HelpTextPending = true;
    ResetTournament(state);
    state.Settings.PlanChanged = true;
    SetUpDefaultTournament(state);
    state.SetsWord = state.Settings.WithSets ? QStringLiteral("Sätze") : QString();
    state.TimeAnchorIsStart = true;
    state.StartTime = QStringLiteral("00:00");
    state.DefaultGameLength = 10;
    state.NamePoolCount = 0;
    state.IsSaved = true;
    state.Pairings.LoadPairingTable(FindDataFile(programDir, QString::fromLatin1(PairingTable::FileName)),
                                    prompter);
    state.AutoLoadPending = true;
    state.StartingUp = false;
}
