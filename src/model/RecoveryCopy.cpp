#include "model/RecoveryCopy.h"

#include "model/Prompter.h"
#include "model/TournamentFile.h"
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QSaveFile>
#include <QUrl>

namespace {
const QByteArray HeaderLine = QByteArrayLiteral("Korvane-Wiederherstellungskopie 1");
const QByteArray LineEnd = QByteArrayLiteral("\r\n");
const QString UnnamedBaseName = QStringLiteral("unbenannt");
const QString LockSuffix = QStringLiteral(".lock");
const QString DamagedSuffix = QStringLiteral(".defekt");

std::unique_ptr<QLockFile> TryLock(const QString& copyPath)
{
    auto lock = std::make_unique<QLockFile>(copyPath + LockSuffix);
    // A lock whose program no longer runs counts as stale and is taken over; a live one is not.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

QString BaseNameFor(const QString& ownFile)
{
    const QString base = QFileInfo(ownFile).completeBaseName();
    return base.isEmpty() ? UnnamedBaseName : base;
}

// The file name the organiser knows the tournament by.
QString TournamentLabel(const QString& ownFile)
{
    return ownFile.isEmpty() ? QStringLiteral("einer noch nie gespeicherten Korvane")
                             : QStringLiteral("„%1“").arg(QDir::toNativeSeparators(ownFile));
}

// The tournament of a copy as it will be restored, or none when it cannot be read wholly.
std::unique_ptr<TournamentState> RecoveredTournament(const TournamentState& state, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const RecoveryCopyContent content = ParseRecoveryCopy(file.readAll());
    if (!content.ok)
        return nullptr;
    std::unique_ptr<TournamentState> restored = ReadTournamentCopy(state, content.tournamentBytes);
    if (!restored)
        return nullptr;
    restored->RememberedFileName = content.ownFile;
    restored->AutoLoadPending = false;
    // Not saved: its own file still holds the older state.
    restored->IsSaved = false;
    return restored;
}

void SetAside(const QString& path, Prompter& prompter)
{
    QFile::remove(path + DamagedSuffix);
    QFile::rename(path, path + DamagedSuffix);
    prompter.inform(
        QStringLiteral("Info"),
        QStringLiteral("Die Wiederherstellungskopie %1 ist beschädigt und wurde als %2 beiseitegelegt.")
            .arg(QFileInfo(path).fileName(), QFileInfo(path + DamagedSuffix).fileName()));
}

QString OfferText(const QString& path, const QString& ownFile)
{
    const QDateTime changed = QFileInfo(path).lastModified();
    const QLocale german(QLocale::German, QLocale::Germany);
    return QStringLiteral("Korvane wurde nicht ordnungsgemäß beendet. Es gibt eine Wiederherstellungskopie "
                          "von %1, zuletzt geändert am %2 um %3 Uhr.\n\nSoll sie wiederhergestellt werden ? "
                          "„Später“ hebt sie für den nächsten Start auf.")
        .arg(TournamentLabel(ownFile), german.toString(changed, QStringLiteral("dd.MM.yyyy")),
             german.toString(changed, QStringLiteral("HH:mm")));
}
} // namespace

QString RecoveryFolder(const QString& workDir)
{
    return QDir(workDir).filePath(RecoveryFolderName);
}

QByteArray RecoveryCopyBytes(const QString& ownFile, const QByteArray& tournamentBytes)
{
    return HeaderLine + LineEnd + QUrl::toPercentEncoding(ownFile) + LineEnd +
           QByteArray::number(tournamentBytes.size()) + LineEnd + tournamentBytes;
}

RecoveryCopyContent ParseRecoveryCopy(const QByteArray& bytes)
{
    RecoveryCopyContent content;
    qsizetype start = 0;
    QByteArray lines[3];
    for (QByteArray& line : lines) {
        const qsizetype end = bytes.indexOf(LineEnd, start);
        if (end < 0)
            return content;
        line = bytes.mid(start, end - start);
        start = end + LineEnd.size();
    }
    bool countRead = false;
    const qsizetype count = lines[2].toLongLong(&countRead);
    if (lines[0] != HeaderLine || !countRead || count != bytes.size() - start)
        return content;
    content.ok = true;
    content.ownFile = QString::fromUtf8(QByteArray::fromPercentEncoding(lines[1]));
    content.tournamentBytes = bytes.mid(start);
    return content;
}

RecoveryCopyWriter::RecoveryCopyWriter(const QString& folder) : m_folder(folder) {}

RecoveryCopyWriter::~RecoveryCopyWriter() = default;

bool RecoveryCopyWriter::claim(const QString& ownFile)
{
    const QString baseName = BaseNameFor(ownFile);
    if (m_lock && baseName == m_baseName)
        return true;
    if (!QDir().mkpath(m_folder))
        return false;
    for (int number = 1; number < 1000; ++number) {
        const QString suffix = number == 1 ? QString() : QStringLiteral("-%1").arg(number);
        const QString path = QDir(m_folder).filePath(baseName + suffix + RecoveryCopySuffix);
        if (path == m_path || QFileInfo::exists(path))
            continue; // a copy kept for later is never overwritten
        std::unique_ptr<QLockFile> lock = TryLock(path);
        if (!lock)
            continue;
        // The copy under the old name goes once the new one is written (see write()). When a copy
        // under a name in between was never written, the last one written stays the one to remove.
        if (m_previousLock) {
            m_lock.reset();
        } else {
            m_previousPath = m_path;
            m_previousLock = std::move(m_lock);
        }
        m_path = path;
        m_baseName = baseName;
        m_lock = std::move(lock);
        return true;
    }
    return false;
}

bool RecoveryCopyWriter::write(const QString& ownFile, const QByteArray& tournamentBytes, QString* error)
{
    if (!claim(ownFile)) {
        if (error)
            *error = QStringLiteral("Der Ordner %1 lässt sich nicht anlegen.")
                         .arg(QDir::toNativeSeparators(m_folder));
        return false;
    }
    const QByteArray bytes = RecoveryCopyBytes(ownFile, tournamentBytes);
    QSaveFile file(m_path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (m_previousLock) {
        QFile::remove(m_previousPath);
        m_previousLock.reset();
        m_previousPath.clear();
    }
    return true;
}

void RecoveryCopyWriter::remove()
{
    for (QString* path : {&m_path, &m_previousPath})
        if (!path->isEmpty())
            QFile::remove(*path);
    m_lock.reset();
    m_previousLock.reset();
    m_path.clear();
    m_previousPath.clear();
    m_baseName.clear();
}

void RecoveryCopyWriter::adopt(const QString& path, std::unique_ptr<QLockFile> lock)
{
    remove();
    m_path = path;
    m_baseName = QFileInfo(path).completeBaseName();
    m_lock = std::move(lock);
}

// A write killed halfway may leave the temporary file of QSaveFile ("<copy>.Ab12Cd") behind; it
// goes when no running program owns its copy.
void RemoveStaleTemporaries(const QString& folder)
{
    const QDir dir(folder);
    const QString pattern = QLatin1Char('*') + RecoveryCopySuffix + QStringLiteral(".??????");
    for (const QString& name : dir.entryList({pattern}, QDir::Files | QDir::Hidden)) {
        const QString path = dir.filePath(name);
        if (path.endsWith(DamagedSuffix))
            continue;
        if (TryLock(path.chopped(QStringLiteral(".??????").size())))
            QFile::remove(path);
    }
}

RecoveryOffer OfferRecoveryCopies(TournamentState& state, const QString& folder, Prompter& prompter)
{
    RemoveStaleTemporaries(folder);
    RecoveryOffer offer;
    const QStringList names =
        QDir(folder).entryList({QLatin1Char('*') + RecoveryCopySuffix}, QDir::Files, QDir::Time);
    for (const QString& name : names) {
        const QString path = QDir(folder).filePath(name);
        std::unique_ptr<QLockFile> lock = TryLock(path);
        if (!lock)
            continue; // another running program owns it
        std::unique_ptr<TournamentState> restored = RecoveredTournament(state, path);
        if (!restored) {
            SetAside(path, prompter);
            continue;
        }
        if (offer.restored)
            continue;
        const Prompter::Answer answer = prompter.askRestoreLaterDiscard(
            QStringLiteral("Wiederherstellung"), OfferText(path, restored->RememberedFileName));
        if (answer == Prompter::Answer::No) {
            QFile::remove(path);
        } else if (answer == Prompter::Answer::Yes) {
            state = std::move(*restored);
            offer.restored = true;
            offer.path = path;
            offer.lock = std::move(lock);
        }
    }
    return offer;
}
