#pragma once

#include <QByteArray>
#include <QHash>

// The token in every entry form of a field's page. A page of another site can post to the
// server but cannot read its pages, so it has no token (the defence against requests forged
// from another page works without cookies); a token is good for one result only, for a field and
// the code it had when the page was made, and for a few hours. It is signed with a secret key
// drawn when the server starts, so the server keeps only the tokens already used.
class FormTokens {
public:
    static constexpr qint64 LifetimeMs = 12 * 3600 * 1000;

    enum class Check { Valid, Invalid, Used, Expired };

    FormTokens();

    QByteArray issue(int field, quint32 codeGeneration, qint64 nowMs);
    Check check(const QByteArray& token, int field, quint32 codeGeneration, qint64 nowMs) const;
    // The token sent a result: it is not taken again.
    void markUsed(const QByteArray& token, qint64 nowMs);

private:
    QByteArray signature(int field, quint32 codeGeneration, QByteArrayView issuedAndNonce) const;

    QByteArray m_key;
    QHash<QByteArray, qint64> m_used; // token -> when it expires
};
