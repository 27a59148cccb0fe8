#pragma once

#include "allocation/EmailDispatch.h"

#include <atomic>
#include <functional>

// A sending session: the planned messages one after the other through one transport.

struct MailReport {
    int TeamCount = 0;
    int TeamsReached = 0;
    int TeamsPlanned = 0;    // the teams of the planned messages
    QList<MailSkip> NotSent; // every team or address that got nothing, with the reason
    int CancelledMails = 0;  // not tried because the organiser cancelled
};

// Sends the plan's messages in order and calls `afterEach` with every message and its outcome.
// An attachment that is not there fails its message before the transport is involved. After a
// session failure the remaining messages are not tried and carry the same reason; after
// `cancelRequested` is set, none is tried. Nothing is retried.
MailReport
SendPlannedMails(const MailPlan& plan, MailTransport& transport, const std::atomic<bool>& cancelRequested,
                 const std::function<void(const PlannedMail&, const MailDelivery&)>& afterEach = {});

// "17 von 18 E-Mails verschickt; nicht verschickt: TSV Überau – Adresse ungültig (tsv@)": the
// teams with the same reason share one entry.
QString MailSummary(const MailReport& report);
// One line of the command line: "verschickt: <label> (<addresses>)" or
// "nicht verschickt: <label> – <reason>".
QString MailOutcomeLine(const PlannedMail& mail, const MailDelivery& delivery);
QString MailSkipLine(const MailSkip& skip);
