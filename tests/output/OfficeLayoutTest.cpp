// Filled certificates and game lists as a word processor lays them out: LibreOffice converts them
// to PDF, poppler reads back where every word stands.
#include "allocation/AllocationTestSupport.h"
#include "allocation/GameListPages.h"
#include "output/Certificate.h"
#include "output/GameListFiles.h"
#include "output/OfficeConverter.h"
#include "output/RtfWriter.h"
#include "support/GTestQt.h"
#include "support/PdfWords.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
constexpr double Millimetre = 72.0 / 25.4;

class OfficeLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!office.isAvailable())
            GTEST_SKIP() << "LibreOffice (soffice) is not installed: install libreoffice-writer-nogui";
    }
    PdfWords Laid(const QByteArray& rtf, const QString& name)
    {
        const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
        EXPECT_TRUE(office.ConvertToPdf(rtf, pdf)) << name.toStdString();
        return ReadPdfWords(pdf);
    }
    const OfficeConverter office;
    QTemporaryDir dir;
};

// The words of a page without those of the name (or its placeholder).
std::vector<PdfWord> WordsBesides(const PdfWords& words, const QStringList& name)
{
    std::vector<PdfWord> rest;
    for (const PdfWord& word : words.onPage(0)) {
        if (!name.contains(word.text))
            rest.push_back(word);
    }
    return rest;
}
} // namespace

TEST_F(OfficeLayout, AFilledCertificateLooksLikeItsTemplate)
{
    // Filling changes only the placeholder's bytes (pinned elsewhere); here the longer name must
    // not push any other word of the shipped template.
    const QByteArray templateRtf = FileContents(DataFile(QStringLiteral("urkunde.rtf")));
    const PdfWords empty = Laid(templateRtf, QStringLiteral("vorlage"));
    const PdfWords filled =
        Laid(FillCertificate(templateRtf, QStringLiteral("FC Adler")), QStringLiteral("gefüllt"));
    ASSERT_TRUE(empty.read && filled.read);
    ASSERT_EQ(filled.pages.size(), 1u);
    EXPECT_EQ(filled.pages, empty.pages);
    EXPECT_NEAR(filled.pages[0].width(), 595.3, 0.5); // A4
    EXPECT_TRUE(filled.pageText(0).contains(QStringLiteral("FC Adler")));
    // In the shipped template "Turnierleitung" ends at the right tab stop, under its line.
    for (const PdfWord& word : filled.onPage(0)) {
        if (word.text == u"Turnierleitung") {
            EXPECT_NEAR(word.box.right(), (1418 + 9070) / 20.0, Millimetre);
        }
    }
    const std::vector<PdfWord> before = WordsBesides(empty, {QStringLiteral("#name")});
    const std::vector<PdfWord> after = WordsBesides(filled, {QStringLiteral("FC"), QStringLiteral("Adler")});
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].text, before[i].text);
        EXPECT_NEAR(after[i].box.left(), before[i].box.left(), Millimetre) << before[i].text.toStdString();
        EXPECT_NEAR(after[i].box.top(), before[i].box.top(), Millimetre) << before[i].text.toStdString();
    }
}

TEST_F(OfficeLayout, EveryTeamsGameListIsOnAnA4PageOfItsOwn)
{
    auto state = MakeTournament({{{6, 5}, 2}});
    const auto output = Allocate(*state, {}, 1);
    const QList<QStringList> pages =
        GameListPagesPerTeam(GameListPages(*state, output->GameLists, 1), output->GameLists);
    const PdfWords laid = Laid(WriteRtf(GameListDocument(pages)), QStringLiteral("spiellisten"));
    ASSERT_EQ(laid.pages.size(), std::size_t(pages.size()));
    for (qsizetype page = 0; page < pages.size(); ++page) {
        EXPECT_NEAR(laid.pages[std::size_t(page)].height(), 841.9, 0.5);
        const QString text = laid.pageText(int(page));
        EXPECT_EQ(text.count(QStringLiteral("Mannschaft:")), 1) << text.toStdString();
        EXPECT_EQ(text.count(QStringLiteral("Gegner:")),
                  pages[page].join(QLatin1Char('\n')).count(QStringLiteral("Gegner:")))
            << text.toStdString();
    }
}
