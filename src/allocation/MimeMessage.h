#pragma once

#include <QByteArray>
#include <QString>

struct OutgoingMail;

// A header value on one line: carriage returns, line feeds and other control characters become
// blanks, so no text can start a header of its own.
QString OneLineHeaderValue(const QString& text);

// The message as MIME text with LF line ends, as sendmail reads it: To and Subject (non-ASCII
// subjects as UTF-8 encoded words), a UTF-8 text part in base64 and, when attachmentName is not
// empty, one base64 attachment in a multipart/mixed body.
QByteArray BuildMimeMessage(const OutgoingMail& mail, const QString& attachmentName,
                            const QByteArray& attachment, const QByteArray& boundary);
