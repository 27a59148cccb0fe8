#include "output/RtfReader.h"
#include "output/RtfWriter.h"
#include "support/GTestQt.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {
QByteArray WordProcessorFile()
{
    return FileContents(FixtureFile(QStringLiteral("rtf/libreoffice-formatting.rtf")));
}

RtfCharFormat Format(const char* family, double size)
{
    RtfCharFormat format;
    format.fontFamily = QString::fromUtf8(family);
    format.pointSize = size;
    return format;
}
} // namespace

TEST(ReadRtf, ReadsWhatAWordProcessorWrote)
{
    const RtfDocument document = ReadRtf(WordProcessorFile());
    ASSERT_EQ(document.paragraphs.size(), 5);

    const RtfParagraph& styled = document.paragraphs[0];
    EXPECT_EQ(styled.alignment, RtfAlignment::Center);
    const RtfCharFormat plain = Format("DejaVu Serif", 12);
    RtfCharFormat bold = plain, italic = plain, underline = plain;
    bold.bold = true;
    italic.italic = true;
    underline.underline = true;
    const QList<RtfRun> expectedRuns{{QStringLiteral("Fettes Ergebnis"), bold},
                                     {QStringLiteral(" und "), plain},
                                     {QStringLiteral("kursive Ecke"), italic},
                                     {QStringLiteral(" und "), plain},
                                     {QStringLiteral("unterstrichen"), underline}};
    EXPECT_EQ(styled.runs, expectedRuns);

    const RtfParagraph& red = document.paragraphs[1];
    EXPECT_EQ(red.alignment, RtfAlignment::Right);
    ASSERT_EQ(red.runs.size(), 1);
    EXPECT_EQ(red.runs[0].text, QStringLiteral("Rot, groß & rechts"));
    EXPECT_EQ(red.runs[0].format.fontFamily, QStringLiteral("Liberation Serif")); // \*\falt skipped
    EXPECT_EQ(red.runs[0].format.pointSize, 20.0);
    EXPECT_EQ(red.runs[0].format.color, (RtfColor{192, 0, 0}));

    EXPECT_EQ(document.paragraphs[2].alignment, RtfAlignment::Justify);
    EXPECT_EQ(document.paragraphs[2].Text(),
              QStringLiteral("Umlaute: Größe, Übermäßig, Straße; Euro €; Anführungen „so“ – und Ω ≠ ∞"));
    EXPECT_EQ(document.paragraphs[3].Text(), QStringLiteral("Zeile eins\nZeile zwei"));
    EXPECT_EQ(document.paragraphs[4].alignment, RtfAlignment::Left);
    EXPECT_EQ(document.paragraphs[4].Text(),
              QStringLiteral("Klammern {geschweift} und \\Backslash\\ mit #name"));
}

TEST(ReadRtf, KeepsTheTextAndLayoutOfTheShippedCertificate)
{
    const RtfDocument certificate = ReadRtf(FileContents(DataFile(QStringLiteral("urkunde.rtf"))));
    ASSERT_EQ(certificate.paragraphs.size(), 10);
    EXPECT_EQ(certificate.paragraphs[4].Text(), QStringLiteral("#name"));
    EXPECT_EQ(certificate.paragraphs[9].Text(), QStringLiteral("Ort, Datum\t\tTurnierleitung"));
    EXPECT_FALSE(certificate.PlainText().contains(QStringLiteral("Urkunde}"))); // \info skipped
    // What the page and the paragraphs look like beyond their characters.
    RtfPage page = RtfPage::A4(1134);
    page.marginLeft = page.marginRight = 1418;
    const RtfBorder border{RtfBorder::Style::Double, 30, 480, RtfColor{166, 124, 0}};
    page.borderTop = page.borderBottom = page.borderLeft = page.borderRight = border;
    EXPECT_EQ(certificate.page, page);
    EXPECT_EQ(certificate.paragraphs[1].runs[0].format.letterSpacing, 60);
    EXPECT_EQ(certificate.paragraphs[4].spaceAfter, 360);
    EXPECT_EQ(certificate.paragraphs[9].tabs,
              (QList<RtfTabStop>{{4536, RtfTabStop::Kind::Left}, {9070, RtfTabStop::Kind::Right}}));
}

TEST(ReadRtf, SkipsUnknownDestinationsAndSurvivesBrokenInput)
{
    EXPECT_EQ(ReadRtf("{\\rtf1 {\\*\\unknown {nested \\par text} more}visible\\par}").PlainText(),
              QStringLiteral("visible\n"));
    EXPECT_EQ(ReadRtf("{\\rtf1\\uc2 A\\u937\\'3f\\'3fB\\uc0\\u8364 C}").PlainText(),
              QStringLiteral("AΩB€C\n"));
    EXPECT_EQ(ReadRtf("{\\rtf1 x}}}}\\par y{{{").PlainText(), QStringLiteral("x\ny\n"));
    EXPECT_EQ(ReadRtf("{\\rtf1 end\\'4").PlainText(), QStringLiteral("end\x04\n"));
    EXPECT_EQ(ReadRtf("{\\rtf1 \\cf99\\f77\\fs-4 safe\\").PlainText(), QStringLiteral("safe\n"));
    EXPECT_TRUE(ReadRtf("").paragraphs.isEmpty());
}

TEST(WriteRtf, RoundTripsEveryFeatureAndAWordProcessorsDocument)
{
    RtfDocument document;
    RtfParagraph first;
    first.alignment = RtfAlignment::Center;
    RtfCharFormat heading = Format("Arial", 18.5);
    heading.bold = heading.italic = heading.underline = true;
    heading.color = RtfColor{1, 2, 3};
    first.Append(QStringLiteral(" Größe {x} \\ €"), heading);
    first.Append(QStringLiteral("Ω 😀\ttab\nneue Zeile"), Format("Times New Roman", 10));
    RtfParagraph empty;
    empty.alignment = RtfAlignment::Right;
    RtfParagraph last;
    last.alignment = RtfAlignment::Justify;
    RtfCharFormat green = Format("Arial", 12);
    green.color = RtfColor{0, 255, 0};
    last.Append(QStringLiteral("#name;"), green);
    last.spaceBefore = 120;
    last.spaceAfter = 240;
    last.leftIndent = 284;
    last.rightIndent = 100;
    last.firstLineIndent = -284;
    last.lineSpacing = 360;
    last.lineSpacingMultiple = true;
    last.tabs = {
        {1000, RtfTabStop::Kind::Left}, {5000, RtfTabStop::Kind::Center}, {9000, RtfTabStop::Kind::Right}};
    last.pageBreakBefore = true;
    empty.keepWithNext = true;
    heading.letterSpacing = 40;
    first.Append(QStringLiteral(" weit"), heading);
    document.paragraphs = {first, empty, last};
    document.page = RtfPage::A4(1000);
    document.page.borderTop = {RtfBorder::Style::Double, 30, 480, RtfColor{166, 124, 0}};
    document.page.borderLeft = {RtfBorder::Style::Single, 15, 240, std::nullopt};
    document.page.borderFromPageEdge = true;

    const QByteArray rtf = WriteRtf(document);
    EXPECT_EQ(ReadRtf(rtf), document);
    for (const char byte : rtf)
        EXPECT_LT(static_cast<unsigned char>(byte), 0x80); // plain ASCII on disk

    const RtfDocument external = ReadRtf(WordProcessorFile());
    EXPECT_EQ(ReadRtf(WriteRtf(external)), external);
}
