#include "help/HelpTextRestore.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

TEST(HelpTextRestore, TheBackupReplacesTheNotesOnlyAfterYesAndOnlyWhenItIsThere)
{
    const QString asked =
        QStringLiteral("Vorsicht ! Wollen Sie wirklich alle persönlichen Anmerkungen in der "
                       "Direkthilfe löschen ? ");
    const QString notLoaded = QStringLiteral("Handbuch Direkthilfe kann nicht geladen werden");
    const QByteArray notes("##20 meine Notizen");
    const QByteArray original("##20 Original");
    struct Case {
        const char* what;
        Prompter::Answer answer;
        bool withWorkCopy, withBackup, restored;
        QByteArray afterwards;
        QStringList shown;
    };
    const Case cases[] = {
        {"no keeps the notes", Prompter::Answer::No, true, true, false, notes, {asked}},
        {"yes replaces the working copy", Prompter::Answer::Yes, true, true, true, original, {asked}},
        {"a missing working copy is created", Prompter::Answer::Yes, false, true, true, original, {asked}},
        {"a missing backup leaves the notes",
         Prompter::Answer::Yes,
         true,
         false,
         false,
         notes,
         {asked, notLoaded}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir work;
        QTemporaryDir program;
        const QString workCopy = QDir(work.path()).filePath(HelpTextFileName);
        ASSERT_TRUE(!c.withWorkCopy || WriteFileContents(workCopy, notes));
        ASSERT_TRUE(!c.withBackup ||
                    WriteFileContents(QDir(program.path()).filePath(HelpBackupFileName), original));
        ScriptedPrompter prompter;
        prompter.answer({c.answer});
        EXPECT_EQ(RestoreOriginalHelpText(work.path(), program.path(), prompter), c.restored);
        EXPECT_EQ(FileContents(workCopy), c.afterwards);
        EXPECT_EQ(prompter.texts(), c.shown);
    }
}
