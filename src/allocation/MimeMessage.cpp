#include "allocation/MimeMessage.h"

#include "allocation/MailTransport.h"

#include <QByteArrayList>

#include <algorithm>

namespace {
constexpr int EncodedWordChars = 20; // characters per encoded word, far below the 75 allowed
constexpr int Base64LineLength = 76;

bool IsPlainAscii(const QString& text)
{
    for (const QChar character : text)
        if (character.unicode() < 0x20 || character.unicode() > 0x7E)
            return false;
    return true;
}

// Non-ASCII header text as blank-separated "=?UTF-8?B?...?=" words, never splitting a character.
QByteArray EncodedWords(const QString& text)
{
    QByteArrayList words;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype length = std::min<qsizetype>(EncodedWordChars, text.size() - start);
        if (start + length < text.size() && text.at(start + length - 1).isHighSurrogate())
            --length;
        words << "=?UTF-8?B?" + text.mid(start, length).toUtf8().toBase64() + "?=";
        start += length;
    }
    return words.join(' ');
}

QByteArray HeaderText(const QString& text)
{
    const QString value = OneLineHeaderValue(text);
    return IsPlainAscii(value) ? value.toLatin1() : EncodedWords(value);
}

QByteArray Base64Lines(const QByteArray& data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray lines;
    for (qsizetype start = 0; start < encoded.size(); start += Base64LineLength)
        lines += encoded.mid(start, Base64LineLength) + '\n';
    return lines;
}

// The body's carriage returns are its line ends; sendmail wants LF.
QByteArray BodyText(const QString& body)
{
    QString text = body;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.toUtf8();
}

QByteArray TextPart()
{
    return "Content-Type: text/plain; charset=UTF-8\n"
           "Content-Transfer-Encoding: base64\n";
}

// The file name as a quoted parameter, or in the extended form when it is not plain ASCII.
QByteArray FileNameParameter(const QString& name)
{
    const QString value = OneLineHeaderValue(name);
    if (IsPlainAscii(value) && !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\\')))
        return "filename=\"" + value.toLatin1() + '"';
    return "filename*=UTF-8''" + value.toUtf8().toPercentEncoding();
}
} // namespace

QString OneLineHeaderValue(const QString& text)
{
    QString value = text;
    for (QChar& character : value)
        if (character.unicode() < 0x20 || character.unicode() == 0x7F)
            character = QLatin1Char(' ');
    return value;
}

QByteArray BuildMimeMessage(const OutgoingMail& mail, const QString& attachmentName,
                            const QByteArray& attachment, const QByteArray& boundary)
{
    QByteArray message = "To: " + HeaderText(mail.Recipient) + '\n' + "Subject: " + HeaderText(mail.Subject) +
                         '\n' + "MIME-Version: 1.0\n";
    const QByteArray text = Base64Lines(BodyText(mail.Body));
    if (attachmentName.isEmpty())
        return message + TextPart() + '\n' + text;
    message += "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\n\n";
    message += "--" + boundary + '\n' + TextPart() + '\n' + text;
    message += "--" + boundary + '\n' + "Content-Type: application/octet-stream\n" +
               "Content-Transfer-Encoding: base64\n" + "Content-Disposition: attachment; " +
               FileNameParameter(attachmentName) + "\n\n" + Base64Lines(attachment);
    return message + "--" + boundary + "--\n";
}
