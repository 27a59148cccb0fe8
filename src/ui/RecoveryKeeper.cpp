#include "ui/RecoveryKeeper.h"

#include "model/RecoveryCopy.h"
#include "model/TournamentFile.h"
#include "model/TournamentState.h"

#include <QLockFile>

RecoveryKeeper::RecoveryKeeper(const TournamentState& state, const QString& folder, QObject* parent)
    : QObject(parent), m_state(state), m_writer(std::make_shared<RecoveryCopyWriter>(folder))
{
    // One thread: the writes reach the disk in the order they were asked for.
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(-1);
    m_timer.setInterval(CheckIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::check);
    m_timer.start();
}

RecoveryKeeper::~RecoveryKeeper()
{
    m_pool.waitForDone();
}

void RecoveryKeeper::check()
{
    if (m_state.IsSaved) {
        if (!m_lastWritten.isEmpty())
            discard();
        return;
    }
    // Nothing changed since the last copy: no need to write the tournament out to compare. Every
    // so often it is compared all the same, for a change that went past the change count.
    const bool sameRevision = !m_lastWritten.isEmpty() && m_state.Revision == m_lastRevision;
    if (sameRevision && ++m_unchangedChecks < FullCompareEvery)
        return;
    m_unchangedChecks = 0;
    m_lastRevision = m_state.Revision;
    const QByteArray tournament = WriteTournamentFile(m_state);
    const QByteArray bytes = RecoveryCopyBytes(m_state.RememberedFileName, tournament);
    if (bytes == m_lastWritten)
        return;
    m_lastWritten = bytes;
    // The keeper outlives every write: its destructor waits for them.
    m_pool.start([this, writer = m_writer, ownFile = m_state.RememberedFileName, tournament] {
        QString reason;
        const bool written = writer->write(ownFile, tournament, &reason);
        QMetaObject::invokeMethod(
            this, [this, written, reason] { reportWrite(written, reason); }, Qt::QueuedConnection);
    });
}

void RecoveryKeeper::discard()
{
    m_lastWritten.clear();
    m_pool.start([writer = m_writer] { writer->remove(); });
}

void RecoveryKeeper::adopt(RecoveryOffer& offer)
{
    if (!offer.restored)
        return;
    m_pool.waitForDone();
    m_writer->adopt(offer.path, std::move(offer.lock));
    m_lastWritten.clear();
}

void RecoveryKeeper::waitForWrites()
{
    m_pool.waitForDone();
}

void RecoveryKeeper::reportWrite(bool written, const QString& reason)
{
    if (written && m_failing) {
        m_failing = false;
        emit writeRecovered();
    } else if (!written) {
        // A failed copy is tried again at the next check; the notice stays until one succeeds.
        m_lastWritten.clear();
        if (!m_failing) {
            m_failing = true;
            emit writeFailed(reason);
        }
    }
}
