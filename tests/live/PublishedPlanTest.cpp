// The published plan: files a browser reads, escaped names, every result, links that resolve,
// rewritten in place; and the command line that writes it.
#include "live/PublishedPlan.h"
#include "live/LiveFixture.h"
#include "model/TournamentState.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace live_test;

namespace {
const QString Awkward = QStringLiteral("Rot & \"Weiß\" <U19>");
const QString AwkwardEscaped = QStringLiteral("Rot &amp; &quot;Weiß&quot; &lt;U19&gt;");

QString ReadUtf8(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    EXPECT_FALSE(decoder.hasError()) << path.toStdString();
    return text;
}

// Every element opened is closed in order; void elements and the doctype stand alone.
QString TagBalanceError(const QString& html)
{
    static const QRegularExpression tag(QStringLiteral("<(/?)([a-zA-Z][a-zA-Z0-9]*)[^>]*>"));
    static const QStringList voidElements{QStringLiteral("meta"), QStringLiteral("link"),
                                          QStringLiteral("br")};
    QStringList open;
    for (const QRegularExpressionMatch& match : tag.globalMatch(html)) {
        const QString name = match.captured(2).toLower();
        if (voidElements.contains(name))
            continue;
        if (match.captured(1).isEmpty())
            open << name;
        else if (open.isEmpty() || open.takeLast() != name)
            return QStringLiteral("unexpected </") + name + u'>';
    }
    return open.isEmpty() ? QString()
                          : QStringLiteral("unclosed <") + open.join(QStringLiteral("> <")) + u'>';
}

QStringList Links(const QString& html)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    QStringList targets;
    for (const QRegularExpressionMatch& match : href.globalMatch(html))
        targets << match.captured(1);
    return targets;
}
} // namespace

TEST(PublishedPlan, PagesAreEscapedUtf8WithEveryResultAndLinksThatResolve)
{
    auto state = ThreeRoundsSecondInPlay();
    state->TournamentName = QStringLiteral("Hallen<cup> & Co");
    state->NameTable[3][1] = Awkward;
    auto output = RenderAndPlan(*state);
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    ASSERT_TRUE(PublishPlan(*state, output->TimePlan, dir.path(), prompter));

    const QStringList names{PublishedIndexName(), PublishedRoundName(1), PublishedRoundName(2),
                            PublishedRoundName(3)};
    EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath(PublishedStyleName())));
    for (const QString& name : names) {
        const QString html = ReadUtf8(QDir(dir.path()).filePath(name));
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        EXPECT_EQ(TagBalanceError(html), QString());
        EXPECT_FALSE(html.contains(QStringLiteral("Hallen<cup>")));
        EXPECT_TRUE(html.contains(QStringLiteral("Hallen&lt;cup&gt; &amp; Co")));
        EXPECT_FALSE(html.contains(Awkward));
        for (const QString& target : Links(html))
            EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath(target))) << target.toStdString();
    }
    const QString round2 = ReadUtf8(QDir(dir.path()).filePath(PublishedRoundName(2)));
    EXPECT_TRUE(round2.contains(AwkwardEscaped));
}

TEST(PublishedPlan, PublishingAgainRewritesThePagesInPlace)
{
    auto state = ThreeRoundsSecondInPlay();
    auto output = RenderAndPlan(*state);
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("web/plan")); // made when missing
    ScriptedPrompter prompter;
    ASSERT_TRUE(PublishPlan(*state, output->TimePlan, folder, prompter));
    const QString page = QDir(folder).filePath(PublishedRoundName(2));
    EXPECT_FALSE(ReadUtf8(page).contains(QStringLiteral("7 : 5")));

    EnterThroughDialog(*state, 3, results_test::GameBetween(*state, 3, 1, 3), QStringLiteral("7:5"));
    ASSERT_TRUE(PublishPlan(*state, output->TimePlan, folder, prompter));
    // Once in the time plan, once in the group's games.
    EXPECT_EQ(ReadUtf8(page).count(QStringLiteral(">7 : 5<")), 2);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 5); // no temporary files left behind
    EXPECT_TRUE(prompter.shown().empty());
}

TEST(PublishedPlan, AFolderThatCannotBeMadeIsReported)
{
    auto state = ThreeRoundsSecondInPlay();
    auto output = RenderAndPlan(*state);
    QTemporaryDir dir;
    const QString blocker = QDir(dir.path()).filePath(QStringLiteral("datei"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ScriptedPrompter prompter;
    EXPECT_FALSE(PublishPlan(*state, output->TimePlan, blocker, prompter));
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("Speichern der Datei ") +
                          QDir(blocker).filePath(PublishedIndexName()) + QStringLiteral(" nicht möglich")});
}

TEST(PublishedPlan, TheCommandLineWritesTheExampleTournament)
{
    QTemporaryDir dir;
    const CliRun run =
        RunCliCommand(QStringLiteral("publish"), {QStringLiteral(KORVANE_DATA_DIR "/beispiel.auf"),
                                                  QStringLiteral("--dir"), dir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString round1 = ReadUtf8(QDir(dir.path()).filePath(PublishedRoundName(1)));
    EXPECT_TRUE(round1.contains(QStringLiteral("SV Grün-Weiß Lindenau")));
}
