#include "ui/RtfTextDocument.h"
#include "output/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {
RtfDocument ReadDataFile(const char* name)
{
    QFile file(QDir(QStringLiteral(KORVANE_DATA_DIR)).filePath(QString::fromUtf8(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return ReadRtf(file.readAll());
}
} // namespace

TEST(RtfTextDocument, CarriesEveryFormatIntoTheEditorAndBack)
{
    RtfDocument document = ReadDataFile("urkunde.rtf");
    RtfParagraph broken;
    broken.alignment = RtfAlignment::Justify;
    RtfCharFormat italic;
    italic.fontFamily = QStringLiteral("Arial");
    italic.italic = true;
    italic.underline = true;
    broken.Append(QStringLiteral("eins\nzwei"), italic);
    document.paragraphs.append(broken);

    QTextDocument editor;
    FillTextDocument(editor, document);
    EXPECT_EQ(editor.blockCount(), document.paragraphs.size());
    const QTextBlock name = editor.findBlockByNumber(4);
    EXPECT_EQ(name.text(), QStringLiteral("#name"));
    EXPECT_EQ(name.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat nameFormat = name.begin().fragment().charFormat();
    EXPECT_EQ(nameFormat.fontPointSize(), 40.0);
    EXPECT_EQ(nameFormat.foreground().color(), QColor(0, 51, 102));
    EXPECT_EQ(editor.lastBlock().text(),
              QStringLiteral("eins") + QChar::LineSeparator + QStringLiteral("zwei"));

    // Everything but the page, which is not the editor's.
    EXPECT_EQ(FromTextDocument(editor).paragraphs, document.paragraphs);
}
