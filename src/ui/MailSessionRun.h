#pragma once

#include "allocation/MailAccount.h"
#include "allocation/MailSending.h"

class Prompter;
class QWidget;

// Sends the plan on a worker thread while the window shows a progress bar with "Abbrechen"; the
// window stays responsive, and a cancel ends a wait for the server at once. A server certificate
// that the system does not trust is asked about here on the GUI thread ("Obacht !", No by
// default); a yes is remembered for that server. Returns when the last message is done.
MailReport RunMailSession(QWidget* parent, const MailPlan& plan, const MailAccount& account,
                          const QString& password, Prompter& prompter);
