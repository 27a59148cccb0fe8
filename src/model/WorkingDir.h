#pragma once

#include <QString>
#include <QStringList>

class Prompter;
struct TournamentState;

// The files delivered beside the executable that start-up copies into the working directory,
// in the order they are copied.
inline const QStringList DefaultWorkFiles{QStringLiteral("normal.auf"), QStringLiteral("beispiel.auf"),
                                          QStringLiteral("hb508.rtr"), QStringLiteral("urkunde.rtf")};

// The file-system calls of start-up. The system implementation uses Qt; a test or another
// platform can put its own in.
class WorkDirPlatform {
public:
    virtual ~WorkDirPlatform() = default;

    // The user's personal documents folder; empty when the system cannot name one.
    virtual QString documentsFolder() const = 0;
    // Creates the directory with every missing parent; true when it exists afterwards.
    virtual bool makePath(const QString& path) = 0;
    virtual bool setCurrentDir(const QString& path) = 0;
    virtual bool fileExists(const QString& path) const = 0;
    // Copies without ever overwriting `to`; the copy is left writable for its owner.
    virtual bool copyFile(const QString& from, const QString& to) = 0;
    virtual bool removeFile(const QString& path) = 0;
};

// Qt's view of the running system.
class SystemWorkDirPlatform : public WorkDirPlatform {
public:
    QString documentsFolder() const override;
    bool makePath(const QString& path) override;
    bool setCurrentDir(const QString& path) override;
    bool fileExists(const QString& path) const override;
    bool copyFile(const QString& from, const QString& to) override;
    bool removeFile(const QString& path) override;
};

// The documents folder + "/valdorn/korvane", or the absolute form of the environment variable
// KORVANE_WORKDIR when that is set and not empty (tests and portable installs).
QString WorkDirPath(const WorkDirPlatform& platform);

// The first start-up steps: forms state.WorkDir, creates it, makes it current, copies the
// missing default files from the data folders of `programDir` (the folder of the executable,
// see DataFiles.h) and removes a left-over "setup.exe". Failures are
// reported through `prompter` and start-up goes on. Returns true when WorkDir is current.
bool PrepareWorkDir(TournamentState& state, const QString& programDir, Prompter& prompter);
bool PrepareWorkDir(TournamentState& state, const QString& programDir, Prompter& prompter,
                    WorkDirPlatform& platform);

// The start-up steps on the tournament: reset, the one-group default tournament, the time frame,
// the pairing table from "Daten1.dat" found through `programDir`; ends with AutoLoadPending set and
// StartingUp cleared. The window does the rest (caption, input fields, help history, refresh).
void StartUpTournament(TournamentState& state, const QString& programDir, Prompter& prompter);
