#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <memory>

class RecoveryCopyWriter;
struct RecoveryOffer;
struct TournamentState;

// Keeps the recovery copy of the running program: a few seconds after the tournament changed and
// is unsaved, the copy is written again, on a thread of its own so that a large tournament never
// holds up the windows. Writes happen one after another in the order they were asked for.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    RecoveryKeeper(const TournamentState& state, const QString& folder, QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    // How often the tournament is looked at: a change is in the copy at most this much later
    // (plus the time of one write).
    static constexpr int CheckIntervalMs = 2000;
    // Unchanged by its change count, the tournament is still compared byte for byte this often.
    static constexpr int FullCompareEvery = 15;

    // Writes the copy now when the tournament is unsaved and differs from the last copy; removes
    // the copy when the tournament is saved.
    void check();
    // The tournament was saved or given up: the copy goes.
    void discard();
    // Takes over the copy restored at start-up.
    void adopt(RecoveryOffer& offer);
    // Waits until every write asked for is done (tests, and before the program ends).
    void waitForWrites();

signals:
    // A write failed (full disk, read-only folder); sent once until a write succeeds again.
    void writeFailed(const QString& reason);
    // A write succeeded after one had failed.
    void writeRecovered();

private:
    void reportWrite(bool written, const QString& reason);

    const TournamentState& m_state;
    std::shared_ptr<RecoveryCopyWriter> m_writer;
    QByteArray m_lastWritten;
    quint64 m_lastRevision = 0;
    int m_unchangedChecks = 0;
    bool m_failing = false;
    QTimer m_timer;
    QThreadPool m_pool;
};
