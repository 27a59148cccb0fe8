#include "net/FieldCodes.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {
constexpr quint32 CodeRange = 1'000'000; // 10^Digits
// The largest multiple of the range below 2^32: drawing below it keeps every code equally likely.
constexpr quint32 FairLimit = quint32((quint64(1) << 32) / CodeRange * CodeRange);
} // namespace

bool EqualInConstantTime(QByteArrayView expected, QByteArrayView given)
{
    unsigned difference = expected.size() == given.size() ? 0u : 1u;
    for (qsizetype index = 0; index < expected.size(); ++index) {
        const char other = index < given.size() ? given[index] : char(0);
        difference |= unsigned(uchar(expected[index]) ^ uchar(other));
    }
    return difference == 0;
}

QString FieldCodes::freshCode() const
{
    for (;;) {
        quint32 value = 0;
        do
            value = QRandomGenerator::system()->generate();
        while (value >= FairLimit);
        const QString code = QString::number(value % CodeRange).rightJustified(Digits, u'0');
        if (std::find(m_codes.begin(), m_codes.end(), code) == m_codes.end())
            return code;
    }
}

void FieldCodes::assign(int count)
{
    m_codes.clear();
    m_generations.clear();
    for (int field = 1; field <= count; ++field) {
        m_codes.push_back(freshCode());
        m_generations.push_back(m_nextGeneration++);
    }
}

void FieldCodes::renew(int field)
{
    if (field < 1 || field > fieldCount())
        return;
    m_codes[std::size_t(field - 1)] = freshCode();
    m_generations[std::size_t(field - 1)] = m_nextGeneration++;
}

QString FieldCodes::code(int field) const
{
    return field >= 1 && field <= fieldCount() ? m_codes[std::size_t(field - 1)] : QString();
}

quint32 FieldCodes::generation(int field) const
{
    return field >= 1 && field <= fieldCount() ? m_generations[std::size_t(field - 1)] : 0;
}

bool FieldCodes::matches(int field, QByteArrayView given) const
{
    // A field without a code is compared with a code no one has, so it takes the same time.
    static const QByteArray none(Digits, 'x');
    const QByteArray expected = field >= 1 && field <= fieldCount() ? code(field).toLatin1() : none;
    return EqualInConstantTime(expected, given) && expected != none;
}

QString FieldCodes::listText() const
{
    QString text;
    for (int field = 1; field <= fieldCount(); ++field)
        text += QStringLiteral("Platz %1: %2\n").arg(field).arg(code(field));
    return text;
}
