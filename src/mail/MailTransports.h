#pragma once

#include "allocation/MailAccount.h"
#include "allocation/MailTransport.h"

#include <atomic>
#include <memory>

class CertificateTrust;

// The transport of the account's route: SMTP submission or the local sendmail.
std::unique_ptr<MailTransport> MakeMailTransport(const MailAccount& account, const QString& password,
                                                 CertificateTrust& trust,
                                                 const std::atomic<bool>& cancelRequested);
