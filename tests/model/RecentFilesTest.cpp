#include "model/RecentFiles.h"
#include "support/GTestQt.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

TEST(RecentFiles, NewestFirstOnceEachAndNoMoreThanTen)
{
    QStringList recent;
    for (int i = 1; i <= 12; ++i)
        recent = WithRecentFile(recent, QStringLiteral("/t/%1.auf").arg(i));
    ASSERT_EQ(recent.size(), RecentFileCount);
    EXPECT_EQ(recent.front(), QStringLiteral("/t/12.auf"));
    EXPECT_EQ(recent.back(), QStringLiteral("/t/3.auf"));
    recent = WithRecentFile(recent, QStringLiteral("/t/x/../5.auf"));
    EXPECT_EQ(recent.size(), RecentFileCount);
    EXPECT_EQ(recent.front(), QStringLiteral("/t/5.auf"));
    EXPECT_EQ(recent.count(QStringLiteral("/t/5.auf")), 1);
}

TEST(RecentFiles, SurviveInTheWorkingFolderAndADamagedListGivesOnlyItsPaths)
{
    QTemporaryDir workDir;
    EXPECT_TRUE(ReadRecentFiles(workDir.path()).isEmpty());
    const QStringList recent{QStringLiteral("/turniere/Größe.auf"), QStringLiteral("/turniere/b.auf")};
    WriteRecentFiles(workDir.path(), recent);
    EXPECT_EQ(ReadRecentFiles(workDir.path()), recent);

    ASSERT_TRUE(WriteFileContents(QDir(workDir.path()).filePath(RecentFilesName),
                                  "relativ.auf\r\n/a.auf\r\n\r\n/a.auf\n" + QByteArray(100000, 'x')));
    EXPECT_EQ(ReadRecentFiles(workDir.path()), QStringList{QStringLiteral("/a.auf")});
}
