#include "net/WrongCodeLimit.h"

#include <algorithm>

qint64 WrongCodeLimit::waitingMs(const QHostAddress& address, qint64 nowMs) const
{
    const auto record = m_records.constFind(address);
    return record == m_records.constEnd() ? 0 : std::max<qint64>(0, record->WaitsUntil - nowMs);
}

bool WrongCodeLimit::countWrongCode(const QHostAddress& address, qint64 nowMs)
{
    ++m_wrongCodes;
    if (m_records.size() >= MaxAddresses && !m_records.contains(address))
        forgetOld(nowMs);
    Record& record = m_records[address];
    std::erase_if(record.WrongAt, [nowMs](qint64 at) { return nowMs - at >= WindowMs; });
    record.WrongAt.push_back(nowMs);
    if (int(record.WrongAt.size()) < MaxWrongCodes)
        return false;
    record.WrongAt.clear();
    record.WaitsUntil = nowMs + WaitMs;
    ++m_lockouts;
    return true;
}

int WrongCodeLimit::waitingAddresses(qint64 nowMs) const
{
    return int(std::count_if(m_records.cbegin(), m_records.cend(),
                             [nowMs](const Record& record) { return record.WaitsUntil > nowMs; }));
}

void WrongCodeLimit::forgetOld(qint64 nowMs)
{
    m_records.removeIf([nowMs](const auto& entry) {
        const Record& record = entry.value();
        return record.WaitsUntil <= nowMs &&
               (record.WrongAt.empty() || nowMs - record.WrongAt.back() >= WindowMs);
    });
    // Thousands of addresses trying at once: their counts so far go, the waiting addresses stay.
    if (m_records.size() >= MaxAddresses)
        m_records.removeIf([nowMs](const auto& entry) { return entry.value().WaitsUntil <= nowMs; });
    if (m_records.size() >= MaxAddresses)
        m_records.erase(m_records.begin());
}
