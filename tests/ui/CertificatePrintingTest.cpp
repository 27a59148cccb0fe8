#include "ui/CertificatePrinting.h"
#include "output/Certificate.h"
#include "support/PdfWords.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Without an office suite Qt's text engine prints the certificate: on the template's paper, inside
// its margins, and without a page number.
TEST(CertificatePrinting, QtPrintsOnTheTemplatesPageWithoutAPageNumber)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("urkunde.pdf"));
    const QByteArray rtf =
        FillCertificate(FileContents(DataFile(QStringLiteral("urkunde.rtf"))), QStringLiteral("FC Adler"));
    ASSERT_TRUE(WriteCertificatePdfWithQt(rtf, QStringLiteral("Urkunde"), pdf));
    const PdfWords words = ReadPdfWords(pdf);
    ASSERT_TRUE(words.read);
    ASSERT_EQ(words.pages.size(), 1u);
    EXPECT_NEAR(words.pages[0].width(), 595.3, 0.5);
    EXPECT_NEAR(words.pages[0].height(), 841.9, 0.5);
    const QString text = words.pageText(0);
    EXPECT_TRUE(text.contains(QStringLiteral("FC Adler"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ort, Datum Turnierleitung"))) << text.toStdString();
    for (const PdfWord& word : words.onPage(0)) {
        EXPECT_NE(word.text, QStringLiteral("1")); // no page number
        // Inside the margins of 2.5 cm left and right, 2 cm top and bottom.
        EXPECT_GE(word.box.left(), 1418 / 20.0 - 1) << word.text.toStdString();
        EXPECT_LE(word.box.right(), 595.3 - 1418 / 20.0 + 1) << word.text.toStdString();
        EXPECT_GE(word.box.top(), 1134 / 20.0 - 1) << word.text.toStdString();
        EXPECT_LE(word.box.bottom(), 841.9 - 1134 / 20.0 + 1) << word.text.toStdString();
    }
}
