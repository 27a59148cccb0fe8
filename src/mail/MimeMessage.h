#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct MailMessage;

// Whether the Bcc recipients stand in a header: "sendmail -t" takes them from there (and
// removes the header); a message for an SMTP server never carries them.
enum class BccHeader { Leave, Write };

// The message as MIME text with CR LF line ends, built by vmime: From, To, Subject, Date,
// Message-ID (on the sender's domain) and MIME-Version, non-ASCII texts as encoded words, the
// body as UTF-8 text and, when `attachment` is given, the attachment in base64 with the content
// type of its extension and its file name as both "name" and "filename".
QByteArray BuildMimeMessage(const MailMessage& mail, const std::optional<QByteArray>& attachment,
                            BccHeader bcc);

// The content type of an attachment by its file name's extension ("application/rtf" for .rtf);
// "application/octet-stream" when the extension is unknown.
QString AttachmentContentType(const QString& fileName);

// The bytes of the message's attachment: none when it has none, an error text when it cannot be
// read.
struct AttachmentRead {
    std::optional<QByteArray> bytes;
    QString error;
};
AttachmentRead ReadAttachment(const MailMessage& mail);
