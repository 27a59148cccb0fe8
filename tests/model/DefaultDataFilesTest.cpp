#include "support/GTestQt.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>

#include <cctype>
#include <set>

namespace {
// Every topic a right-click of some control asks the help window for.
const std::set<int> HelpTopics{20,  30,  40,  50,  60,  90,  100, 105, 107, 108, 109,
                               110, 120, 140, 150, 160, 170, 180, 190, 200, 210};

QByteArray deliveredFile(const QString& name)
{
    return FileContents(QDir(QStringLiteral(KORVANE_SOURCE_DIR "/data")).filePath(name));
}

// Plain 7-bit RTF whose groups all close; umlauts are written as escapes.
void expectWellFormedRtf(const QByteArray& rtf)
{
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi"));
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        EXPECT_LT(static_cast<unsigned char>(c), 0x80u) << "raw byte at " << i;
        if (c == '\\') {
            ++i; // an escaped brace or backslash does not count
            continue;
        }
        depth += c == '{' ? 1 : c == '}' ? -1 : 0;
        ASSERT_GE(depth, 0) << "group closed twice at " << i;
        if (depth == 0) {
            EXPECT_TRUE(rtf.mid(i + 1).trimmed().isEmpty()) << "text after the document at " << i;
            break;
        }
    }
}
} // namespace

TEST(DeliveredFiles, HelpTextAndTemplateAreThereAndTheHelpBackupMatchesTheHelpText)
{
    EXPECT_EQ(deliveredFile(QStringLiteral("hb508.bak")), deliveredFile(QStringLiteral("hb508.rtr")));
    expectWellFormedRtf(deliveredFile(QStringLiteral("hb508.rtr")));
    const QByteArray certificate = deliveredFile(QStringLiteral("urkunde.rtf"));
    expectWellFormedRtf(certificate);
    EXPECT_TRUE(certificate.contains("\\paperw11906\\paperh16838")); // A4 portrait
    EXPECT_EQ(certificate.count("#name"), 1);
}

TEST(DeliveredFiles, FirstMatchOfEveryTopicMarkerIsThatTopicsOwnMarker)
{
    const QByteArray help = deliveredFile(QStringLiteral("hb508.rtr"));
    for (const int topic : HelpTopics) {
        const QByteArray marker = "##" + QByteArray::number(topic);
        const qsizetype at = help.indexOf(marker);
        ASSERT_GE(at, 0) << "no marker for topic " << topic;
        const qsizetype after = at + marker.size();
        EXPECT_TRUE(after < help.size() && !std::isdigit(static_cast<unsigned char>(help[after])))
            << "the search for topic " << topic << " lands on a longer marker";
    }
}

TEST(DeliveredFiles, HelpTextHasOnlyKnownMarkersAndItsReferencesLeadToTopics)
{
    const QString help = QString::fromLatin1(deliveredFile(QStringLiteral("hb508.rtr")));
    int references = 0;
    for (const QRegularExpressionMatch& match :
         QRegularExpression(QStringLiteral("(#+)(\\d+)")).globalMatch(help)) {
        const int topic = match.captured(2).toInt();
        EXPECT_TRUE(HelpTopics.count(topic)) << match.captured(0).toStdString();
        EXPECT_LE(match.captured(1).size(), 2);
        references += match.captured(1).size() == 1 ? 1 : 0;
    }
    EXPECT_GE(references, 10);
}
