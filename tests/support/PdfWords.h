#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

#include <vector>

// The words of a PDF file with their boxes in points, as poppler's pdftotext -bbox reads them:
// what a reader of the printout sees, independent of how it was drawn.
struct PdfWord {
    int page = 0; // from 0
    QRectF box;
    QString text; // ligatures resolved ("fi", not U+FB01)
};

struct PdfWords {
    bool read = false;
    std::vector<QSizeF> pages;
    std::vector<PdfWord> words;

    std::vector<PdfWord> onPage(int page) const
    {
        std::vector<PdfWord> found;
        for (const PdfWord& word : words) {
            if (word.page == page)
                found.push_back(word);
        }
        return found;
    }
    // The page's words in reading order joined by blanks.
    QString pageText(int page) const
    {
        QStringList texts;
        for (const PdfWord& word : onPage(page))
            texts << word.text;
        return texts.join(QLatin1Char(' '));
    }
};

inline PdfWords ReadPdfWords(const QString& pdfPath)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    PdfWords result;
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return result;
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression element(QStringLiteral(
        "<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
        "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto match = element.globalMatch(html); match.hasNext();) {
        const auto found = match.next();
        if (!found.captured(1).isEmpty()) {
            result.pages.emplace_back(found.captured(1).toDouble(), found.captured(2).toDouble());
            continue;
        }
        QString text = found.captured(7);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        result.words.push_back({int(result.pages.size()) - 1,
                                QRectF(QPointF(found.captured(3).toDouble(), found.captured(4).toDouble()),
                                       QPointF(found.captured(5).toDouble(), found.captured(6).toDouble())),
                                text.normalized(QString::NormalizationForm_KC)});
    }
    result.read = true;
    return result;
}
