#include "net/FormTokens.h"

#include "net/FieldCodes.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QtEndian>

namespace {
constexpr int KeyBytes = 32;
constexpr int StampBytes = 16; // the time it was issued (8) and a random nonce (8)
constexpr int SignatureBytes = 16;
constexpr auto Encoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QByteArray RandomBytes(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    QRandomGenerator::system()->generate(reinterpret_cast<quint32*>(bytes.data()),
                                         reinterpret_cast<quint32*>(bytes.data() + count));
    return bytes;
}

template <typename T> void AppendBigEndian(QByteArray& bytes, T value)
{
    char buffer[sizeof(T)];
    qToBigEndian(value, buffer);
    bytes.append(buffer, sizeof(T));
}
} // namespace

FormTokens::FormTokens() : m_key(RandomBytes(KeyBytes)) {}

QByteArray FormTokens::signature(int field, quint32 codeGeneration, QByteArrayView issuedAndNonce) const
{
    QByteArray message;
    AppendBigEndian(message, qint32(field));
    AppendBigEndian(message, codeGeneration);
    message.append(issuedAndNonce);
    return QMessageAuthenticationCode::hash(message, m_key, QCryptographicHash::Sha256).left(SignatureBytes);
}

QByteArray FormTokens::issue(int field, quint32 codeGeneration, qint64 nowMs)
{
    QByteArray stamp;
    AppendBigEndian(stamp, nowMs);
    stamp += RandomBytes(8);
    return (stamp + signature(field, codeGeneration, stamp)).toBase64(Encoding);
}

FormTokens::Check FormTokens::check(const QByteArray& token, int field, quint32 codeGeneration,
                                    qint64 nowMs) const
{
    const auto decoded =
        QByteArray::fromBase64Encoding(token, Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != StampBytes + SignatureBytes)
        return Check::Invalid;
    const QByteArrayView bytes(decoded.decoded);
    if (!EqualInConstantTime(signature(field, codeGeneration, bytes.first(StampBytes)),
                             bytes.sliced(StampBytes)))
        return Check::Invalid;
    const qint64 issued = qFromBigEndian<qint64>(bytes.data());
    if (issued > nowMs || nowMs - issued > LifetimeMs)
        return Check::Expired;
    return m_used.contains(token) ? Check::Used : Check::Valid;
}

void FormTokens::markUsed(const QByteArray& token, qint64 nowMs)
{
    m_used.removeIf([nowMs](const auto& entry) { return entry.value() < nowMs; });
    m_used.insert(token, nowMs + LifetimeMs);
}
