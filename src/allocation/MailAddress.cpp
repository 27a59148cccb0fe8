#include "allocation/MailAddress.h"

#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {
constexpr qsizetype MaxLocalPart = 64;
constexpr qsizetype MaxDomain = 253;
constexpr qsizetype MaxLabel = 63;

// The characters of an unquoted local part besides letters and digits.
bool IsLocalPartCharacter(QChar character)
{
    if (character.unicode() > 0x7E)
        return false;
    return character.isLetterOrNumber() || QStringLiteral("!#$%&'*+-/=?^_`{|}~").contains(character);
}

bool IsLocalPart(const QString& local)
{
    if (local.isEmpty() || local.size() > MaxLocalPart)
        return false;
    for (const QString& piece : local.split(u'.'))
        if (piece.isEmpty() || !std::all_of(piece.begin(), piece.end(), IsLocalPartCharacter))
            return false;
    return true;
}

bool IsAsciiDomain(const QString& domain)
{
    static const QRegularExpression label(QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?$"));
    const QStringList labels = domain.split(u'.');
    if (domain.size() > MaxDomain || labels.size() < 2)
        return false;
    for (const QString& piece : labels)
        if (piece.size() > MaxLabel || !label.match(piece).hasMatch())
            return false;
    const QString& topLevel = labels.last();
    return !std::all_of(topLevel.begin(), topLevel.end(), [](QChar c) { return c.isDigit(); });
}
} // namespace

QStringList SplitMailAddresses(const QString& field)
{
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    return field.split(separators, Qt::SkipEmptyParts);
}

std::optional<QString> WireMailAddress(const QString& address)
{
    const qsizetype at = address.indexOf(u'@');
    if (at < 0 || address.indexOf(u'@', at + 1) >= 0)
        return std::nullopt;
    const QString local = address.left(at);
    const QString domain = address.mid(at + 1);
    if (!IsLocalPart(local) || domain.isEmpty())
        return std::nullopt;
    const QString asciiDomain = QString::fromLatin1(QUrl::toAce(domain));
    if (!IsAsciiDomain(asciiDomain))
        return std::nullopt;
    return local + u'@' + asciiDomain;
}
