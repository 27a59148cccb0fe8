#pragma once

#include <QStringList>

// One function per subcommand of korvane-cli. Each gets the arguments after the subcommand's
// name and returns the process exit status; errors go to standard error.
namespace cli {
int RunInfo(const QStringList& arguments);
int RunSave(const QStringList& arguments);
int RunTables(const QStringList& arguments);
int RunReferrals(const QStringList& arguments);
int RunCheck(const QStringList& arguments);
int RunResult(const QStringList& arguments);
int RunPlan(const QStringList& arguments);
int RunGameLists(const QStringList& arguments);
int RunCertificates(const QStringList& arguments);
int RunExport(const QStringList& arguments);
int RunLeague(const QStringList& arguments);
int RunPublish(const QStringList& arguments);
// Runs until the process is ended: the live plan of a file on the local network.
int RunServe(const QStringList& arguments);
int RunMail(const QStringList& arguments);
int RunAssistant(const QStringList& arguments);
#ifdef KORVANE_CLI_PDF
// Needs QtGui: built only with the GUI.
int RunPrint(const QStringList& arguments);
#endif
} // namespace cli
