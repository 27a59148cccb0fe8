#include "output/Certificate.h"
#include "output/RtfEdit.h"
#include "output/RtfReader.h"
#include "results/ScheduleFixture.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QByteArray ShippedCertificate()
{
    return FileContents(DataFile(QStringLiteral("urkunde.rtf")));
}
} // namespace

TEST(FillCertificate, ChangesNothingButThePlaceholders)
{
    const QByteArray rtf = ShippedCertificate();
    // In the shipped template the placeholder stands alone in its group: the name takes its place.
    EXPECT_EQ(FillCertificate(rtf, QStringLiteral(" SV Grün-Weiß {1}")),
              QByteArray(rtf).replace("#name", " SV Gr\\'fcn-Wei\\'df \\{1\\}"));

    // Each placeholder in the format of its first character, also across groups and right after a
    // control word; other capitals stay.
    const QByteArray split = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
                             "\\pard\\qc{\\f0\\fs40\\b #name}\\par"
                             "\\pard\\sb120 Liebe{\\i#name}, {\\f1\\ul #na}me und #Name und #NAME\\par}";
    const QByteArray filled = FillCertificate(split, QStringLiteral("Łódź #name"));
    const RtfDocument document = ReadRtf(filled);
    ASSERT_EQ(document.paragraphs.size(), 2);
    EXPECT_EQ(document.paragraphs[0].Text(), QStringLiteral("Łódź #name"));
    EXPECT_TRUE(document.paragraphs[0].runs[0].format.bold);
    const RtfParagraph& second = document.paragraphs[1];
    EXPECT_EQ(second.Text(), QStringLiteral("LiebeŁódź #name, Łódź #name und #Name und #NAME"));
    EXPECT_EQ(second.spaceBefore, 120);
    EXPECT_TRUE(second.runs[1].format.italic);
    EXPECT_TRUE(second.runs[3].format.underline);
    EXPECT_EQ(second.runs[3].format.fontFamily, QStringLiteral("Times New Roman"));
    EXPECT_TRUE(filled.startsWith(split.left(split.indexOf("#name"))));
}

TEST(ReadCertificateTemplate, AMissingTemplateIsReported)
{
    ScriptedPrompter prompter;
    EXPECT_FALSE(ReadCertificateTemplate(QStringLiteral("/nicht/da.rtf"), prompter));
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(
        prompter.texts()[0].startsWith(QStringLiteral("Die Datei /nicht/da.rtf kann nicht eingeladen")));
}

TEST(MergeIntoRtf, PutsTheEditsInPlaceAndKeepsEverythingTheEditorDoesNotShow)
{
    const QByteArray rtf = FillCertificate(ShippedCertificate(), QStringLiteral("FC Adler"));
    const RtfSourceDocument source = ReadRtfSource(rtf);
    RtfDocument edited = source.document; // what the editor shows
    // Typed into the place line, a word deleted, the name made italic and red in a new font,
    // one paragraph right-aligned, and a new paragraph after the greeting.
    RtfParagraph& place = edited.paragraphs[6];
    place.runs[0].text.replace(QStringLiteral("______"), QStringLiteral("1."));
    edited.paragraphs[3].runs[0].text.remove(QStringLiteral(" am _________________"));
    RtfCharFormat name = edited.paragraphs[4].runs[0].format;
    name.italic = true;
    name.color = RtfColor{200, 0, 0};
    name.fontFamily = QStringLiteral("DejaVu Sans");
    edited.paragraphs[4].runs[0].format = name;
    edited.paragraphs[5].alignment = RtfAlignment::Right;
    RtfParagraph added = edited.paragraphs[7];
    added.runs = {RtfRun{QStringLiteral("Mit sportlichem Gruß"), added.runs[0].format, {}}};
    edited.paragraphs.insert(8, added);

    const QByteArray merged = MergeIntoRtf(rtf, source.document, edited);
    const RtfDocument result = ReadRtf(merged);
    ASSERT_EQ(result.paragraphs.size(), edited.paragraphs.size());
    for (qsizetype p = 0; p < result.paragraphs.size(); ++p) {
        EXPECT_EQ(result.paragraphs[p].Text(), edited.paragraphs[p].Text()) << p;
        EXPECT_EQ(result.paragraphs[p].alignment, edited.paragraphs[p].alignment) << p;
        for (qsizetype r = 0; r < result.paragraphs[p].runs.size(); ++r)
            EXPECT_EQ(result.paragraphs[p].runs[r].format, edited.paragraphs[p].runs[r].format)
                << p << "/" << r;
    }
    // The page with its border, the spacing and the tab stops stay; so do all bytes before the
    // first change and the paragraphs the editor did not touch.
    EXPECT_EQ(result.page, source.document.page);
    EXPECT_EQ(result.paragraphs[9].tabs, source.document.paragraphs[8].tabs);
    EXPECT_EQ(result.paragraphs[4].spaceBefore, 360);
    const qsizetype info = rtf.indexOf("{\\info");
    EXPECT_EQ(merged.mid(merged.indexOf("{\\info"), rtf.indexOf(" am _") - info),
              rtf.mid(info, rtf.indexOf(" am _") - info));
    EXPECT_TRUE(merged.endsWith(rtf.mid(rtf.indexOf("_____\\tab"))));
    EXPECT_TRUE(merged.contains("{\\plain\\f2\\fs80\\b\\i\\cf6 FC Adler}"));

    // Nothing edited: the file as it was.
    EXPECT_EQ(MergeIntoRtf(rtf, source.document, source.document), rtf);
}

TEST(MergeIntoRtf, TextTheEditorDoesNotShowStaysInTheFile)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\paperw11906\\paperh16838 \\pard\\sb360{\\b\\fs26 ##20 Diese Rnde}\\par"
        "\\pard\\sa120 Text\\par}";
    RtfDocument shown = ReadRtfSource(rtf).document;
    // The editor shows the heading without its topic marker.
    RtfRun& heading = shown.paragraphs[0].runs[0];
    heading.text.remove(0, 5);
    heading.spans.remove(0, 5);
    RtfDocument edited = shown;
    edited.paragraphs[0].runs[0].text = QStringLiteral("Diese Runde");
    const RtfDocument result = ReadRtf(MergeIntoRtf(rtf, shown, edited));
    EXPECT_EQ(result.PlainText(), QStringLiteral("##20 Diese Runde\nText\n"));
    EXPECT_EQ(result.paragraphs[0].spaceBefore, 360);
    EXPECT_EQ(result.page.width, 11906);
}

TEST(JoinRtf, EveryCertificateBeginsANewPageOfTheTemplate)
{
    const QByteArray rtf = ShippedCertificate();
    const QByteArray joined = JoinRtf(
        {FillCertificate(rtf, QStringLiteral("Adler")), FillCertificate(rtf, QStringLiteral("Bären"))});
    const RtfDocument document = ReadRtf(joined);
    const RtfDocument single = ReadRtf(rtf);
    ASSERT_EQ(document.paragraphs.size(), 2 * single.paragraphs.size());
    EXPECT_EQ(document.page, single.page);
    EXPECT_EQ(document.paragraphs[4].Text(), QStringLiteral("Adler"));
    EXPECT_EQ(document.paragraphs[14].Text(), QStringLiteral("Bären"));
    EXPECT_TRUE(document.paragraphs[10].pageBreakBefore);
    EXPECT_FALSE(document.paragraphs[9].pageBreakBefore);
}

TEST(PlacedTeams, CertificatesForThePlacedTeamsOfAGroupGoIntoSafelyNamedFiles)
{
    auto state = TwoRoundTournament(); // group 1: B beat Cobras, Adler has not played yet
    const QList<PlacedTeam> teams = PlacedTeams(*state, 1, 2);
    EXPECT_EQ(teams, (QList<PlacedTeam>{{1, QStringLiteral("B")}, {2, QStringLiteral("Adler")}}));
    EXPECT_EQ(PlacedTeams(*state, 2, 9).size(), 2); // a group of two has two places
    EXPECT_TRUE(PlacedTeams(*state, 0, 3).isEmpty());
    // A team line of the table gives the name without its place.
    EXPECT_EQ(CertificateName(QStringLiteral("2) Adler")), QStringLiteral(" Adler"));
    EXPECT_EQ(CertificateName(QStringLiteral("2)! Adler")), QStringLiteral(" Adler"));
    EXPECT_EQ(CertificateName(QStringLiteral("Adler")), QStringLiteral("Adler"));

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    const QString folder = dir.filePath(QStringLiteral("Urkunden"));
    const QStringList written = WriteCertificateFiles(
        ShippedCertificate(), {{1, QStringLiteral("Adler")}, {2, QStringLiteral("A/B: \"C\"")}},
        QStringLiteral("Gruppe A"), folder, prompter);
    EXPECT_EQ(written,
              QStringList({QDir(folder).filePath(QStringLiteral("Urkunde Gruppe A Platz 1 Adler.rtf")),
                           QDir(folder).filePath(QStringLiteral("Urkunde Gruppe A Platz 2 A_B_ _C_.rtf"))}));
    EXPECT_EQ(ReadRtf(FileContents(written[1])).paragraphs[4].Text(), QStringLiteral("A/B: \"C\""));
    // An existing file stays unless the question is answered with Yes.
    prompter.answer({Prompter::Answer::No});
    EXPECT_TRUE(WriteCertificateFiles(ShippedCertificate(), {{1, QStringLiteral("Adler")}},
                                      QStringLiteral("Gruppe A"), folder, prompter)
                    .isEmpty());
}
