#include "help/HelpTextRestore.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class HelpTextRestoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid() && program.isValid());
        writeFile(workCopy(), "##20 meine Notizen");
        writeFile(QDir(program.path()).filePath(HelpBackupFileName), "##20 Original");
    }
    QString workCopy() const { return QDir(work.path()).filePath(HelpTextFileName); }

    QTemporaryDir work;
    QTemporaryDir program;
    ScriptedPrompter prompter;
};
} // namespace

TEST_F(HelpTextRestoreTest, NoKeepsThePersonalNotes)
{
    prompter.answer({Prompter::Answer::No});
    EXPECT_FALSE(RestoreOriginalHelpText(work.path(), program.path(), prompter));
    EXPECT_EQ(readFile(workCopy()), QByteArray("##20 meine Notizen"));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, QStringLiteral("Info"));
    EXPECT_EQ(prompter.shown()[0].text, QStringLiteral("Vorsicht ! Wollen Sie wirklich alle persönlichen "
                                                       "Anmerkungen in der Direkthilfe löschen ? "));
}

TEST_F(HelpTextRestoreTest, YesReplacesTheWorkingCopyByTheBackup)
{
    prompter.answer({Prompter::Answer::Yes});
    EXPECT_TRUE(RestoreOriginalHelpText(work.path(), program.path(), prompter));
    EXPECT_EQ(readFile(workCopy()), QByteArray("##20 Original"));
    EXPECT_EQ(prompter.shown().size(), 1u);
}

TEST_F(HelpTextRestoreTest, MissingWorkingCopyIsCreated)
{
    QFile::remove(workCopy());
    prompter.answer({Prompter::Answer::Yes});
    EXPECT_TRUE(RestoreOriginalHelpText(work.path(), program.path(), prompter));
    EXPECT_EQ(readFile(workCopy()), QByteArray("##20 Original"));
}

TEST_F(HelpTextRestoreTest, MissingBackupLeavesTheNotesAlone)
{
    QFile::remove(QDir(program.path()).filePath(HelpBackupFileName));
    prompter.answer({Prompter::Answer::Yes});
    EXPECT_FALSE(RestoreOriginalHelpText(work.path(), program.path(), prompter));
    EXPECT_EQ(readFile(workCopy()), QByteArray("##20 meine Notizen"));
    EXPECT_EQ(prompter.texts().last(), QStringLiteral("Handbuch Direkthilfe kann nicht geladen werden"));
}
