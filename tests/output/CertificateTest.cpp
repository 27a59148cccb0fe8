#include "output/Certificate.h"
#include "output/RtfReader.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FillTemplate, FillsEachPlaceholderInItsOwnFormatAndLeavesOtherCapitals)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vorlage.rtf"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
                   "\\pard\\qc{\\f0\\fs40\\b #name}\\par"
                   "\\pard Liebe{\\i #name}, {\\f1\\ul #na}me und #Name und #NAME\\par}");
    }
    RtfDocument shown;
    ScriptedPrompter prompter;
    FillTemplate(shown, path, QStringLiteral(" FC"), prompter);
    EXPECT_TRUE(prompter.shown().empty());
    ASSERT_EQ(shown.paragraphs.size(), 2);
    EXPECT_EQ(shown.paragraphs[0].alignment, RtfAlignment::Center);
    ASSERT_EQ(shown.paragraphs[0].runs.size(), 1);
    EXPECT_EQ(shown.paragraphs[0].runs[0].text, QStringLiteral(" FC"));
    EXPECT_TRUE(shown.paragraphs[0].runs[0].format.bold);
    EXPECT_EQ(shown.paragraphs[0].runs[0].format.pointSize, 20.0);

    const RtfParagraph& second = shown.paragraphs[1];
    EXPECT_EQ(second.Text(), QStringLiteral("Liebe FC,  FC und #Name und #NAME"));
    ASSERT_EQ(second.runs.size(), 5);
    EXPECT_TRUE(second.runs[1].format.italic);
    EXPECT_EQ(second.runs[1].text, QStringLiteral(" FC"));
    // A placeholder across two formats takes the format of its first character.
    EXPECT_EQ(second.runs[3].text, QStringLiteral(" FC"));
    EXPECT_TRUE(second.runs[3].format.underline);
    EXPECT_EQ(second.runs[3].format.fontFamily, QStringLiteral("Times New Roman"));
    EXPECT_EQ(second.runs[4].text, QStringLiteral(" und #Name und #NAME"));
    EXPECT_FALSE(second.runs[4].format.underline);
}

TEST(FillTemplate, KeepsTheShownDocumentWhenTheTemplateIsMissingAndNeverLoops)
{
    RtfDocument shown = ReadRtf("{\\rtf1 #name#name\\par}");
    ScriptedPrompter prompter;
    FillTemplate(shown, QStringLiteral("/nicht/da.rtf"), QStringLiteral("#name#name"), prompter);
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral(
                  "Die Datei /nicht/da.rtf kann nicht eingeladen werden. Sie ist wahrscheinlich "
                  "verschoben worden. Machen Sie das Verschieben rückgängig oder wählen Sie mit "
                  "NEUE VORLAGE eine neue Urkunden-Vorlage")});
    EXPECT_EQ(shown.PlainText(), QStringLiteral("#name#name#name#name\n"));
    ReplacePlaceholders(shown, QStringLiteral("A"));
    EXPECT_EQ(shown.PlainText(), QStringLiteral("AAAA\n"));
}
