#include "mail/MimeMessage.h"

#include "allocation/MailTransport.h"
#include "mail/VmimePlatform.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QUuid>

#include <vmime/vmime.hpp>

#include <sstream>

namespace {
std::string Utf8(const QString& text)
{
    return text.toStdString();
}

// A header text on one line: line breaks and other control characters become blanks, so no
// text can start a header of its own.
QString OneLine(const QString& text)
{
    QString line = text;
    for (QChar& character : line)
        if (character.unicode() < 0x20 || character.unicode() == 0x7F)
            character = u' ';
    return line;
}

// One encoded word for the whole text (when it needs encoding at all), so a reader shows the
// blanks of a name exactly as typed.
vmime::text HeaderText(const QString& text)
{
    return vmime::text(vmime::word(Utf8(OneLine(text)), vmime::charsets::UTF_8));
}

std::shared_ptr<vmime::mailbox> Mailbox(const MailAddressee& addressee)
{
    const vmime::emailAddress address(Utf8(addressee.Address));
    if (addressee.Name.trimmed().isEmpty())
        return std::make_shared<vmime::mailbox>(address);
    return std::make_shared<vmime::mailbox>(HeaderText(addressee.Name.trimmed()), address);
}

vmime::addressList AddressList(const QList<MailAddressee>& addressees)
{
    vmime::addressList list;
    for (const MailAddressee& addressee : addressees)
        list.appendAddress(Mailbox(addressee));
    return list;
}

// The body's line ends, whatever they were typed as, become CR LF.
std::string BodyText(const QString& body)
{
    QString text = body;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return Utf8(text);
}

std::string MessageIdDomain(const MailAddressee& sender)
{
    const qsizetype at = sender.Address.lastIndexOf(u'@');
    return at < 0 ? std::string("korvane.invalid") : Utf8(sender.Address.mid(at + 1));
}

std::shared_ptr<vmime::attachment> Attachment(const MailMessage& mail, const QByteArray& bytes)
{
    const QString name = OneLine(QFileInfo(mail.AttachmentPath).fileName());
    return std::make_shared<vmime::defaultAttachment>(
        std::make_shared<vmime::stringContentHandler>(bytes.toStdString()),
        vmime::encoding(vmime::encodingTypes::BASE64), vmime::mediaType(Utf8(AttachmentContentType(name))),
        vmime::text(), vmime::word(Utf8(name), vmime::charsets::UTF_8));
}

// The text in base64: unlike quoted-printable its decoded form does not change with the line
// break that a transfer adds after the last line.
void EncodeTextInBase64(vmime::bodyPart& message)
{
    const std::shared_ptr<vmime::body> body = message.getBody();
    vmime::bodyPart& text = body->getPartCount() > 0 ? *body->getPartAt(0) : message;
    text.getBody()->setEncoding(vmime::encoding(vmime::encodingTypes::BASE64));
}

// vmime names the file of an attachment in its Content-Disposition only; mail programs that
// read the older "name" of the Content-Type find it there too.
void NameAttachmentInContentType(vmime::message& message, const QString& fileName)
{
    const std::shared_ptr<vmime::body> body = message.getBody();
    for (size_t index = 0; index < body->getPartCount(); ++index) {
        const std::shared_ptr<vmime::header> header = body->getPartAt(index)->getHeader();
        if (!header->hasField(vmime::fields::CONTENT_DISPOSITION))
            continue;
        auto contentType = std::dynamic_pointer_cast<vmime::parameterizedHeaderField>(header->ContentType());
        contentType->getParameter("name")->setValue(
            vmime::word(Utf8(OneLine(fileName)), vmime::charsets::UTF_8));
    }
}
} // namespace

QByteArray BuildMimeMessage(const MailMessage& mail, const std::optional<QByteArray>& attachment,
                            BccHeader bcc)
{
    UseVmimePlatform();
    vmime::messageBuilder builder;
    builder.setExpeditor(*Mailbox(mail.From));
    builder.setRecipients(AddressList(mail.To));
    if (bcc == BccHeader::Write && !mail.Bcc.isEmpty())
        builder.setBlindCopyRecipients(AddressList(mail.Bcc));
    builder.setSubject(HeaderText(mail.Subject));
    builder.getTextPart()->setCharset(vmime::charsets::UTF_8);
    builder.getTextPart()->setText(std::make_shared<vmime::stringContentHandler>(BodyText(mail.Body)));
    if (attachment)
        builder.appendAttachment(Attachment(mail, *attachment));

    const std::shared_ptr<vmime::message> message = builder.construct();
    EncodeTextInBase64(*message);
    if (attachment)
        NameAttachmentInContentType(*message, QFileInfo(mail.AttachmentPath).fileName());
    message->getHeader()->MessageId()->setValue(
        vmime::messageId(Utf8(QUuid::createUuid().toString(QUuid::Id128)), MessageIdDomain(mail.From)));

    // A non-ASCII file name goes in the standard extended form (name*=, filename*=) only: an
    // encoded word inside quotes is no standard, and mail parsers count it as a defect. Lines
    // may take the full length the standard allows, so that vmime never continues such a name on
    // a second line: it would cut it inside a character. Encoded words keep their 75 characters.
    vmime::generationContext context;
    context.setEncodedParameterValueMode(vmime::generationContext::PARAMETER_VALUE_RFC2231_ONLY);
    context.setMaxLineLength(vmime::lineLengthLimits::max);
    std::ostringstream text;
    vmime::utility::outputStreamAdapter output(text);
    message->generate(context, output);
    return QByteArray::fromStdString(text.str());
}

QString AttachmentContentType(const QString& fileName)
{
    // The files Korvane writes, the same on every system.
    static const QHash<QString, QString> known{
        {QStringLiteral("rtf"), QStringLiteral("application/rtf")},
        {QStringLiteral("pdf"), QStringLiteral("application/pdf")},
        {QStringLiteral("csv"), QStringLiteral("text/csv")},
        {QStringLiteral("xls"), QStringLiteral("application/vnd.ms-excel")},
        {QStringLiteral("htm"), QStringLiteral("text/html")},
        {QStringLiteral("html"), QStringLiteral("text/html")},
        {QStringLiteral("txt"), QStringLiteral("text/plain")},
        {QStringLiteral("auf"), QStringLiteral("application/x-korvane-tournament")}};
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (const auto found = known.constFind(suffix); found != known.constEnd())
        return *found;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    return type.isDefault() ? QStringLiteral("application/octet-stream") : type.name();
}

AttachmentRead ReadAttachment(const MailMessage& mail)
{
    if (mail.AttachmentPath.isEmpty())
        return {};
    QFile file(mail.AttachmentPath);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("Anhang %1 lässt sich nicht lesen: %2")
                                  .arg(mail.AttachmentPath, file.errorString())};
    return {file.readAll(), QString()};
}
