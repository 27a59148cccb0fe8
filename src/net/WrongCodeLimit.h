#pragma once

#include <QHash>
#include <QHostAddress>

#include <vector>

// Wrong field codes per address: after MaxWrongCodes within WindowMs an address waits WaitMs
// before it may send a code again, so nobody in the hall can try codes out. Counted for the
// status line.
class WrongCodeLimit {
public:
    static constexpr int MaxWrongCodes = 5;
    static constexpr qint64 WindowMs = 60'000;
    static constexpr qint64 WaitMs = 60'000;
    // Addresses kept at most; beyond, the ones whose wrong codes are oldest are forgotten.
    static constexpr int MaxAddresses = 4096;

    // How long the address still waits; 0 when it may send.
    qint64 waitingMs(const QHostAddress& address, qint64 nowMs) const;
    // Counts a wrong code; true when the address has to wait from now on.
    bool countWrongCode(const QHostAddress& address, qint64 nowMs);

    int wrongCodes() const { return m_wrongCodes; }
    int lockouts() const { return m_lockouts; }
    int waitingAddresses(qint64 nowMs) const;

private:
    struct Record {
        std::vector<qint64> WrongAt; // within the window
        qint64 WaitsUntil = 0;
    };
    void forgetOld(qint64 nowMs);

    QHash<QHostAddress, Record> m_records;
    int m_wrongCodes = 0;
    int m_lockouts = 0;
};
