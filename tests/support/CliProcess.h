#pragma once

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs korvane-cli as its own process, as a user would, and collects what it printed.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

inline CliRun RunCliCommand(const QString& command, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KORVANE_CLI_PATH), QStringList{command} + arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// The command with its arguments in one list, as typed after "korvane-cli".
inline CliRun RunCli(const QStringList& commandAndArguments)
{
    return RunCliCommand(commandAndArguments.first(), commandAndArguments.mid(1));
}
