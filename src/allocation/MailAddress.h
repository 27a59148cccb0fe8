#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The addresses of a team's address field, split at commas, semicolons and blanks (whatever the
// separator setting says); empty pieces are dropped.
QStringList SplitMailAddresses(const QString& field);

// The address as a mail server takes it: the local part as typed, the domain in its ASCII form
// (an internationalised domain in its IDNA form, "überau.de" -> "xn--berau-jva.de"). None when
// it is no address: not exactly one "@", a local part that is empty, not plain ASCII or has
// empty dot-separated pieces, or a domain that has no dot, an empty or over-long label, a label
// that starts or ends with "-", or a top-level label of digits only.
std::optional<QString> WireMailAddress(const QString& address);
