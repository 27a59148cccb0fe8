#include "output/RtfEdit.h"

#include "model/Windows1252.h"
#include "output/RtfReader.h"
#include "output/RtfWriter.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <vector>

namespace {
// A change of bytes begin..end of the file; an insertion has begin == end.
struct ByteEdit {
    qsizetype begin = 0;
    qsizetype end = 0;
    QByteArray bytes;
    int order = 0;
};

class ByteEdits {
public:
    explicit ByteEdits(const QByteArray& rtf) : rtf_(rtf) {}

    // Text right after a control word would lengthen the word: a blank ends the word first.
    QByteArray Separated(qsizetype at, const QByteArray& bytes) const
    {
        return !bytes.isEmpty() && EndsInControlWord(at) ? " " + bytes : bytes;
    }

    // The bytes before `at` end in a backslash, letters and perhaps a number, with no blank.
    bool EndsInControlWord(qsizetype at) const
    {
        const auto isDigit = [this](qsizetype i) {
            return std::isdigit(static_cast<unsigned char>(rtf_[i]));
        };
        const auto isLetter = [this](qsizetype i) {
            return std::isalpha(static_cast<unsigned char>(rtf_[i]));
        };
        qsizetype i = at;
        while (i > 0 && isDigit(i - 1))
            --i;
        if (i > 0 && rtf_[i - 1] == '-')
            --i;
        const qsizetype lettersEnd = i;
        while (i > 0 && isLetter(i - 1))
            --i;
        if (i == lettersEnd || i == 0 || rtf_[i - 1] != '\\')
            return false;
        qsizetype backslashes = 0;
        while (i - backslashes > 0 && rtf_[i - backslashes - 1] == '\\')
            ++backslashes;
        return backslashes % 2 == 1; // "\\\\b" is a backslash and text
    }

    void Insert(qsizetype at, const QByteArray& bytes)
    {
        if (!bytes.isEmpty())
            edits_.push_back({at, at, Separated(at, bytes), int(edits_.size())});
    }
    void Replace(RtfSpan span, const QByteArray& bytes)
    {
        edits_.push_back({span.begin, span.end, Separated(span.begin, bytes), int(edits_.size())});
    }
    void Delete(RtfSpan span) { edits_.push_back({span.begin, span.end, {}, int(edits_.size())}); }

    QByteArray Apply() const
    {
        std::vector<ByteEdit> sorted = edits_;
        // From the back, so earlier positions stay valid; at one place the removal first, and
        // insertions so that the one made first ends up first.
        std::sort(sorted.begin(), sorted.end(), [](const ByteEdit& a, const ByteEdit& b) {
            if (a.begin != b.begin)
                return a.begin > b.begin;
            const bool aRemoves = a.end > a.begin;
            const bool bRemoves = b.end > b.begin;
            if (aRemoves != bRemoves)
                return aRemoves;
            return a.order > b.order;
        });
        QByteArray result = rtf_;
        for (const ByteEdit& edit : sorted)
            result.replace(edit.begin, edit.end - edit.begin, edit.bytes);
        return result;
    }

private:
    const QByteArray& rtf_;
    std::vector<ByteEdit> edits_;
};

// Inserted text: characters outside the code page in a group of their own, so that their
// fallback character counts right whatever the file says about fallbacks.
QByteArray InsertedText(const QString& text)
{
    QByteArray bytes;
    for (const QChar character : text) {
        const QString one(character);
        const bool plain = character.unicode() < 0x80 || FitsWindows1252(one);
        bytes += plain ? RtfEscapedText(one) : "{\\uc1" + RtfEscapedText(one) + "}";
    }
    return bytes;
}

QList<RtfSpan> SpansOf(const RtfParagraph& paragraph)
{
    QList<RtfSpan> spans;
    for (const RtfRun& run : paragraph.runs) {
        if (run.spans.size() == run.text.size())
            spans += run.spans;
        else
            spans += QList<RtfSpan>(run.text.size(), RtfSpan{});
    }
    return spans;
}
} // namespace

QByteArray ReplaceInRtf(const QByteArray& rtf, const QString& placeholder, const QString& text)
{
    if (placeholder.isEmpty())
        return rtf;
    const RtfSourceDocument source = ReadRtfSource(rtf);
    ByteEdits edits(rtf);
    for (const RtfParagraph& paragraph : source.document.paragraphs) {
        const QString plain = paragraph.Text();
        const QList<RtfSpan> spans = SpansOf(paragraph);
        for (qsizetype hit = plain.indexOf(placeholder); hit >= 0;
             hit = plain.indexOf(placeholder, hit + placeholder.size())) {
            const auto first = spans.begin() + hit;
            if (!std::all_of(first, first + placeholder.size(), [](RtfSpan span) { return span.isValid(); }))
                continue;
            edits.Replace(*first, InsertedText(text));
            for (auto span = first + 1; span != first + placeholder.size(); ++span)
                edits.Delete(*span);
        }
    }
    return edits.Apply();
}

namespace {
// One element of a document for the comparison: a character or a paragraph's end.
struct Item {
    char16_t code = 0; // for a paragraph's end: ParagraphEnd
    RtfCharFormat format;
    RtfSpan span;
    int paragraph = 0;
};
constexpr char16_t ParagraphEnd = 0xFFFF;

std::vector<Item> ItemsOf(const RtfDocument& document)
{
    std::vector<Item> items;
    for (int p = 0; p < int(document.paragraphs.size()); ++p) {
        const RtfParagraph& paragraph = document.paragraphs[p];
        for (const RtfRun& run : paragraph.runs) {
            for (qsizetype i = 0; i < run.text.size(); ++i)
                items.push_back(
                    {run.text[i].unicode(), run.format, i < run.spans.size() ? run.spans[i] : RtfSpan{}, p});
        }
        items.push_back({ParagraphEnd, {}, paragraph.mark, p});
    }
    return items;
}

enum class Op { Keep, Delete, Insert };
struct Step {
    Op op;
    int shown = -1;  // item of the shown document
    int edited = -1; // item of the edited document
};

// The longest common subsequence of a..b as steps; past a size it replaces the whole stretch.
void DiffStretch(const std::vector<Item>& a, int aBegin, int aEnd, const std::vector<Item>& b, int bBegin,
                 int bEnd, std::vector<Step>& steps)
{
    while (aBegin < aEnd && bBegin < bEnd && a[std::size_t(aBegin)].code == b[std::size_t(bBegin)].code)
        steps.push_back({Op::Keep, aBegin++, bBegin++});
    std::vector<Step> tail;
    while (aEnd > aBegin && bEnd > bBegin && a[std::size_t(aEnd - 1)].code == b[std::size_t(bEnd - 1)].code)
        tail.push_back({Op::Keep, --aEnd, --bEnd});
    const std::size_t n = std::size_t(aEnd - aBegin);
    const std::size_t m = std::size_t(bEnd - bBegin);
    if (n * m > 16'000'000) {
        for (int i = aBegin; i < aEnd; ++i)
            steps.push_back({Op::Delete, i, -1});
        for (int j = bBegin; j < bEnd; ++j)
            steps.push_back({Op::Insert, -1, j});
    } else {
        // lengths[i][j]: common length of a[i..] and b[j..].
        std::vector<std::uint32_t> lengths((n + 1) * (m + 1), 0);
        const auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& {
            return lengths[i * (m + 1) + j];
        };
        for (std::size_t i = n; i-- > 0;) {
            for (std::size_t j = m; j-- > 0;) {
                at(i, j) = a[aBegin + i].code == b[bBegin + j].code ? at(i + 1, j + 1) + 1
                                                                    : std::max(at(i + 1, j), at(i, j + 1));
            }
        }
        std::size_t i = 0;
        std::size_t j = 0;
        while (i < n || j < m) {
            if (i < n && j < m && a[aBegin + i].code == b[bBegin + j].code) {
                steps.push_back({Op::Keep, int(aBegin + i++), int(bBegin + j++)});
            } else if (j < m && (i == n || at(i, j + 1) >= at(i + 1, j))) {
                steps.push_back({Op::Insert, -1, int(bBegin + j++)});
            } else {
                steps.push_back({Op::Delete, int(aBegin + i++), -1});
            }
        }
    }
    steps.insert(steps.end(), tail.rbegin(), tail.rend());
}

// The alignment's control word with the blank that ends it.
QByteArray AlignmentWord(RtfAlignment alignment)
{
    return RtfAlignmentWord(alignment) + ' ';
}

// Writes the merge: the file's own bytes with the edits of the steps.
class Merger {
public:
    Merger(const QByteArray& rtf, const RtfDocument& shown, const RtfDocument& edited)
        : rtf_(rtf), source_(ReadRtfSource(rtf)), shownDocument_(shown), editedDocument_(edited),
          shown_(ItemsOf(shown)), edited_(ItemsOf(edited)), edits_(rtf)
    {
    }

    bool SpansComplete() const
    {
        return std::all_of(shown_.begin(), shown_.end(),
                           [](const Item& item) { return item.span.isValid() || item.code == ParagraphEnd; });
    }

    QByteArray Merge()
    {
        std::vector<Step> steps;
        DiffByParagraphs(steps);
        // Characters kept with another format are taken out and put in anew in their format, a
        // whole stretch of them at once.
        std::vector<Step> plain;
        std::vector<Step> reinserted;
        for (const Step& step : steps) {
            if (step.op == Op::Keep && shown_[std::size_t(step.shown)].code != ParagraphEnd &&
                !(shown_[std::size_t(step.shown)].format == edited_[std::size_t(step.edited)].format)) {
                plain.push_back({Op::Delete, step.shown, -1});
                reinserted.push_back({Op::Insert, -1, step.edited});
                continue;
            }
            plain.insert(plain.end(), reinserted.begin(), reinserted.end());
            reinserted.clear();
            plain.push_back(step);
        }
        plain.insert(plain.end(), reinserted.begin(), reinserted.end());
        Write(plain);
        return edits_.Apply();
    }

private:
    // Paragraphs with the same text pair up first; only the stretches between are compared
    // character by character.
    void DiffByParagraphs(std::vector<Step>& steps)
    {
        const auto& a = shownDocument_.paragraphs;
        const auto& b = editedDocument_.paragraphs;
        const std::size_t n = std::size_t(a.size());
        const std::size_t m = std::size_t(b.size());
        std::vector<int> aStart(n + 1, 0);
        std::vector<int> bStart(m + 1, 0);
        for (std::size_t i = 0; i < n; ++i)
            aStart[i + 1] = aStart[i] + int(a[qsizetype(i)].Text().size()) + 1;
        for (std::size_t j = 0; j < m; ++j)
            bStart[j + 1] = bStart[j] + int(b[qsizetype(j)].Text().size()) + 1;
        std::vector<std::pair<std::size_t, std::size_t>> anchors;
        if (n * m <= 4'000'000) {
            std::vector<QString> aTexts(n);
            std::vector<QString> bTexts(m);
            for (std::size_t i = 0; i < n; ++i)
                aTexts[i] = a[qsizetype(i)].Text();
            for (std::size_t j = 0; j < m; ++j)
                bTexts[j] = b[qsizetype(j)].Text();
            std::vector<std::uint32_t> lengths((n + 1) * (m + 1), 0);
            const auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& {
                return lengths[i * (m + 1) + j];
            };
            for (std::size_t i = n; i-- > 0;) {
                for (std::size_t j = m; j-- > 0;)
                    at(i, j) =
                        aTexts[i] == bTexts[j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
            }
            for (std::size_t i = 0, j = 0; i < n && j < m;) {
                if (aTexts[i] == bTexts[j] && at(i, j) == at(i + 1, j + 1) + 1) {
                    anchors.emplace_back(i++, j++);
                } else if (at(i + 1, j) >= at(i, j + 1)) {
                    ++i;
                } else {
                    ++j;
                }
            }
        }
        anchors.emplace_back(n, m);
        std::size_t i = 0;
        std::size_t j = 0;
        for (const auto& [ai, bj] : anchors) {
            DiffStretch(shown_, aStart[i], aStart[ai], edited_, bStart[j], bStart[bj], steps);
            if (ai < n && bj < m)
                DiffStretch(shown_, aStart[ai], aStart[ai + 1], edited_, bStart[bj], bStart[bj + 1], steps);
            i = ai + 1;
            j = bj + 1;
        }
    }

    void Write(const std::vector<Step>& steps)
    {
        int previous = -1; // the last item of the shown document passed
        for (std::size_t s = 0; s < steps.size();) {
            const Step& step = steps[s];
            if (step.op == Op::Insert) {
                std::size_t end = s;
                while (end < steps.size() && steps[end].op == Op::Insert)
                    ++end;
                int next = -1;
                for (std::size_t k = end; k < steps.size() && next < 0; ++k)
                    next = steps[k].shown;
                InsertItems(steps, s, end, previous, next);
                s = end;
                continue;
            }
            const Item& item = shown_[std::size_t(step.shown)];
            if (step.op == Op::Delete && item.span.isValid()) {
                edits_.Delete(item.span);
            } else if (step.op == Op::Keep && item.code == ParagraphEnd) {
                Realign(item,
                        editedDocument_.paragraphs[edited_[std::size_t(step.edited)].paragraph].alignment);
            }
            previous = step.shown;
            ++s;
        }
    }

    // A kept paragraph end with another alignment: the new one before the mark, the old one after
    // it for the paragraphs that follow.
    void Realign(const Item& end, RtfAlignment wanted)
    {
        const RtfAlignment had = shownDocument_.paragraphs[end.paragraph].alignment;
        if (wanted == had)
            return;
        if (end.span.isValid()) {
            edits_.Insert(end.span.begin, AlignmentWord(wanted));
            edits_.Insert(end.span.end, AlignmentWord(had));
        } else {
            edits_.Insert(source_.bodyEnd, AlignmentWord(wanted));
        }
    }

    void InsertItems(const std::vector<Step>& steps, std::size_t begin, std::size_t end, int previous,
                     int next)
    {
        qsizetype at = source_.bodyEnd;
        std::optional<RtfCharFormat> inherited;
        int paragraph = shownDocument_.paragraphs.isEmpty() ? -1 : int(shownDocument_.paragraphs.size()) - 1;
        if (previous >= 0 && shown_[std::size_t(previous)].code != ParagraphEnd) {
            at = shown_[std::size_t(previous)].span.end;
            inherited = shown_[std::size_t(previous)].format;
            paragraph = shown_[std::size_t(previous)].paragraph;
        } else if (next >= 0) {
            const Item& item = shown_[std::size_t(next)];
            if (item.span.isValid())
                at = item.span.begin;
            if (item.code != ParagraphEnd)
                inherited = item.format;
            paragraph = item.paragraph;
        }
        const RtfAlignment had =
            paragraph >= 0 ? shownDocument_.paragraphs[paragraph].alignment : RtfAlignment::Left;
        QByteArray bytes;
        QString run;
        std::optional<RtfCharFormat> runFormat;
        const auto flush = [&] {
            if (run.isEmpty())
                return;
            bytes += inherited && runFormat == inherited ? InsertedText(run) : FormattedText(run, *runFormat);
            run.clear();
        };
        for (std::size_t s = begin; s < end; ++s) {
            const Item& item = edited_[std::size_t(steps[s].edited)];
            if (item.code == ParagraphEnd) {
                flush();
                const RtfAlignment wanted = editedDocument_.paragraphs[item.paragraph].alignment;
                bytes += wanted == had ? QByteArray("\\par ")
                                       : AlignmentWord(wanted) + "\\par " + AlignmentWord(had);
                continue;
            }
            if (runFormat != item.format)
                flush();
            runFormat = item.format;
            run += QChar(item.code);
        }
        flush();
        edits_.Insert(at, bytes);
    }

    QByteArray FormattedText(const QString& text, const RtfCharFormat& format)
    {
        const int fontNumber = FontNumber(format.fontFamily);
        const int colorNumber = format.color ? ColorIndex(*format.color) : 0;
        return "{\\plain" + RtfCharFormatWords(format, fontNumber, colorNumber) + " " + InsertedText(text) +
               "}";
    }

    int FontNumber(const QString& family)
    {
        for (auto font = source_.fonts.cbegin(); font != source_.fonts.cend(); ++font) {
            if (font.value().compare(family, Qt::CaseInsensitive) == 0)
                return font.key();
        }
        if (const auto added = addedFonts_.find(family); added != addedFonts_.end())
            return added->second;
        int number = 0;
        for (auto font = source_.fonts.cbegin(); font != source_.fonts.cend(); ++font)
            number = std::max(number, font.key() + 1);
        for (const auto& [name, added] : addedFonts_)
            number = std::max(number, added + 1);
        addedFonts_[family] = number;
        const QByteArray entry =
            "{\\f" + QByteArray::number(number) + "\\fnil " + RtfEscapedText(family) + ";}";
        if (source_.fontTableEnd >= 0)
            edits_.Insert(source_.fontTableEnd, entry);
        else
            edits_.Insert(source_.bodyBegin, "{\\fonttbl" + entry + "}");
        return number;
    }

    int ColorIndex(const RtfColor& color)
    {
        for (int index = 1; index < source_.colors.size(); ++index) {
            if (source_.colors[index] == color)
                return index;
        }
        for (std::size_t i = 0; i < addedColors_.size(); ++i) {
            if (addedColors_[i] == color)
                return int(std::max<qsizetype>(source_.colors.size(), 1) + qsizetype(i));
        }
        addedColors_.push_back(color);
        const QByteArray entry = "\\red" + QByteArray::number(color.red) + "\\green" +
                                 QByteArray::number(color.green) + "\\blue" + QByteArray::number(color.blue) +
                                 ";";
        if (source_.colorTableEnd >= 0)
            edits_.Insert(source_.colorTableEnd, entry);
        else
            edits_.Insert(source_.bodyBegin, "{\\colortbl;" + entry + "}");
        return int(std::max<qsizetype>(source_.colors.size(), 1) + qsizetype(addedColors_.size()) - 1);
    }

    const QByteArray& rtf_;
    const RtfSourceDocument source_;
    const RtfDocument& shownDocument_;
    const RtfDocument& editedDocument_;
    const std::vector<Item> shown_;
    const std::vector<Item> edited_;
    ByteEdits edits_;
    std::map<QString, int> addedFonts_;
    std::vector<RtfColor> addedColors_;
};
} // namespace

QByteArray MergeIntoRtf(const QByteArray& rtf, const RtfDocument& shown, const RtfDocument& edited)
{
    if (shown == edited && shown.PlainText() == edited.PlainText())
        return rtf;
    Merger merger(rtf, shown, edited);
    if (!rtf.trimmed().startsWith("{\\rtf") || !merger.SpansComplete()) {
        RtfDocument written = edited;
        written.page = ReadRtf(rtf).page;
        return WriteRtf(written);
    }
    return merger.Merge();
}

bool CopySpans(const RtfDocument& from, RtfDocument& to)
{
    if (from.paragraphs.size() != to.paragraphs.size())
        return false;
    for (qsizetype p = 0; p < from.paragraphs.size(); ++p) {
        if (from.paragraphs[p].Text() != to.paragraphs[p].Text())
            return false;
    }
    for (qsizetype p = 0; p < from.paragraphs.size(); ++p) {
        const QList<RtfSpan> spans = SpansOf(from.paragraphs[p]);
        RtfParagraph& target = to.paragraphs[p];
        target.mark = from.paragraphs[p].mark;
        qsizetype next = 0;
        for (RtfRun& run : target.runs) {
            run.spans = spans.mid(next, run.text.size());
            next += run.text.size();
        }
    }
    return true;
}

QByteArray JoinRtf(const QList<QByteArray>& documents)
{
    if (documents.isEmpty())
        return {};
    if (documents.size() == 1)
        return documents.first();
    const RtfSourceDocument first = ReadRtfSource(documents.first());
    QByteArray joined = documents.first().left(first.bodyBegin);
    for (qsizetype i = 0; i < documents.size(); ++i) {
        const RtfSourceDocument source = i == 0 ? first : ReadRtfSource(documents[i]);
        if (i > 0)
            joined += "\\sect\r\n";
        joined += documents[i].mid(source.bodyBegin, source.bodyEnd - source.bodyBegin);
    }
    return joined + "}\r\n";
}
