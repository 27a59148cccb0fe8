#include "model/Windows1252.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

TEST(Windows1252, EveryByteSurvivesDecodingAndEncoding)
{
    QByteArray allBytes;
    for (int byte = 0; byte < 256; ++byte)
        allBytes.append(char(byte));
    const QString text = DecodeWindows1252(allBytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(FitsWindows1252(text));
    EXPECT_EQ(EncodeWindows1252(text), allBytes);
}

TEST(Windows1252, MapsTheTypographicRangeAndLatin1)
{
    EXPECT_EQ(DecodeWindows1252("\x80\x84\x93\x96\x9F"), QStringLiteral("€„“–Ÿ"));
    EXPECT_EQ(EncodeWindows1252(QStringLiteral("äöüÄÖÜß")), QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF"));
    // The unassigned bytes stand for the control characters of the same number.
    EXPECT_EQ(DecodeWindows1252("\x81\x8D\x8F\x90\x9D"), QStringLiteral("\u0081\u008D\u008F\u0090\u009D"));
}

TEST(Windows1252, CharactersOutsideTheCodePageDoNotFitAndBecomeQuestionMarks)
{
    for (const QString& text :
         {QStringLiteral("Łódź"), QStringLiteral("Ağrı"), QStringLiteral("\u0080"), QStringLiteral("😀")}) {
        EXPECT_FALSE(FitsWindows1252(text)) << text.toStdString();
    }
    EXPECT_EQ(EncodeWindows1252(QStringLiteral("Łódź")), QByteArray("?\xF3"
                                                                    "d?"));
    EXPECT_TRUE(FitsWindows1252(QStringLiteral("Größe € „Zitat“")));
}
