#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>

class Prompter;
struct TournamentState;

// The recovery copy of an unsaved tournament: written a few seconds after each change into the
// folder "Wiederherstellung" of the working folder, never over the organiser's own file, and
// removed when the tournament is saved, replaced after the save question, or the program ends
// cleanly. A copy that is still there at start-up outlived a crash and is offered back.
//
// One file holds a copy: a header line, the organiser's own file name (percent-encoded UTF-8,
// empty for a tournament without one), the byte count of the tournament and then the tournament
// exactly as a save would write it. Each copy has a lock file (QLockFile) beside it while a
// running program owns it, so that two programs never take each other's copies.

inline const QString RecoveryFolderName = QStringLiteral("Wiederherstellung");
inline const QString RecoveryCopySuffix = QStringLiteral(".wiederherstellung");

QString RecoveryFolder(const QString& workDir);

QByteArray RecoveryCopyBytes(const QString& ownFile, const QByteArray& tournamentBytes);

struct RecoveryCopyContent {
    bool ok = false;
    QString ownFile;
    QByteArray tournamentBytes;
};
RecoveryCopyContent ParseRecoveryCopy(const QByteArray& bytes);

// Writes the copies of one program, one tournament at a time, each under a name of its own: the
// base name of the organiser's file (or "unbenannt"), with "-2", "-3"... when another program
// owns that name or a copy kept for later has it.
class RecoveryCopyWriter {
public:
    explicit RecoveryCopyWriter(const QString& folder);
    ~RecoveryCopyWriter();
    RecoveryCopyWriter(const RecoveryCopyWriter&) = delete;
    RecoveryCopyWriter& operator=(const RecoveryCopyWriter&) = delete;

    // Writes the copy through QSaveFile; on failure leaves the last copy as it was and returns the
    // system's reason in `error`.
    bool write(const QString& ownFile, const QByteArray& tournamentBytes, QString* error = nullptr);
    // Removes the copy and gives up its lock.
    void remove();
    // Takes over a copy found at start-up (restored), with the lock already held on it.
    void adopt(const QString& path, std::unique_ptr<QLockFile> lock);
    QString currentPath() const { return m_path; }

private:
    bool claim(const QString& ownFile);

    QString m_folder;
    QString m_path;
    QString m_baseName;
    std::unique_ptr<QLockFile> m_lock;
    // The copy of the name before, removed once the copy under the new name is written.
    QString m_previousPath;
    std::unique_ptr<QLockFile> m_previousLock;
};

// What the start-up offer did.
struct RecoveryOffer {
    bool restored = false;
    QString path; // the copy that was restored
    std::unique_ptr<QLockFile> lock;
};

// Removes what writes killed halfway left in `folder`, then offers every copy that no running
// program owns: says which tournament and when it
// was last changed, and asks Yes (restore), No (discard) or Cancel (kept for the next start; the
// default). A restored copy replaces the tournament, which then shows as unsaved
// and remembers its own file name; once one is restored the others are kept for later. A copy that
// cannot be read is reported in one line and set aside as "<name>.defekt", never loaded in part.
RecoveryOffer OfferRecoveryCopies(TournamentState& state, const QString& folder, Prompter& prompter);
