#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

// The codes of the fields: whoever holds a field's code may send that field's results. Six digits
// from the system's cryptographic random source, different for every field, kept only in memory
// (never in the tournament file). A renewed code replaces the old one at once.
class FieldCodes {
public:
    static constexpr int Digits = 6;

    // New codes for fields 1..count.
    void assign(int count);
    void renew(int field);
    int fieldCount() const { return int(m_codes.size()); }
    // Empty for a field without a code.
    QString code(int field) const;
    // Changes with every renewal of the field's code (the forms of its pages are bound to it).
    quint32 generation(int field) const;
    // True when `given` is the field's code; the time taken does not depend on how much of it is right.
    bool matches(int field, QByteArrayView given) const;
    // "Platz 1: 123456", one line per field.
    QString listText() const;

private:
    QString freshCode() const;

    std::vector<QString> m_codes; // index field - 1
    std::vector<quint32> m_generations;
    quint32 m_nextGeneration = 1;
};

// True when both byte strings are equal, in a time that depends only on the length of `expected`.
bool EqualInConstantTime(QByteArrayView expected, QByteArrayView given);
