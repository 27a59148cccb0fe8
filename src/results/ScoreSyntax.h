#pragma once

#include <QString>
#include <QStringView>

struct GameResult;

// The score syntax of the result entry: any character that is not a decimal digit separates
// numbers, so "15:7", "15-7", "15 7" and "15 : 7" read alike and a minus sign is ignored.

// A digit run longer than this reads as this value; sums of set points stop at INT_MAX.
inline constexpr int MaxScoreNumber = 999999;
// The goals text that marks a cancelled game, compared with the raw field.
inline const QString CancelledGameText = QStringLiteral("x");

// Reads numbers one after the other: skips the characters that are not decimal digits, then
// takes the following run of digits as one number (0 when the run is empty) and stops after it.
class NumberScanner {
public:
    explicit NumberScanner(QStringView text) : m_rest(text) {}

    int next();
    // True when the last next() found at least one digit.
    bool lastHadDigits() const { return m_lastHadDigits; }
    // True while some digit is left to read.
    bool hasDigitsLeft() const;
    QStringView rest() const { return m_rest; }

private:
    QStringView m_rest;
    bool m_lastHadDigits = false;
};

// The text without its leading non-digits.
QStringView SkipNonDigits(QStringView text);

// The goals field: the first two numbers; further text is ignored.
struct GoalsReading {
    int GoalsFirst = 0;
    int GoalsSecond = 0;
    QString NormalisedText; // "3 : 1"; "3 : " with one number; empty without digits
};
GoalsReading ReadGoals(QStringView field);

// The sets field, read pair by pair while digits are left.
struct SetsReading {
    int SetCount = 0; // pairs read; 0 when the field holds no digit
    int SetsFirst = 0;
    int SetsSecond = 0;
    int GoalsFirst = 0; // sums of the set points
    int GoalsSecond = 0;
    QString NormalisedText; // every set as "a:b" followed by two blanks
};
SetsReading ReadSets(QStringView field);

// What the two entry fields ask for.
struct ScoreEntry {
    enum class Action { Store, Delete, Refuse };
    Action EntryAction = Action::Store;
    bool Cancelled = false; // the raw goals (or sets) field is exactly "x"
    QString ScoreText;      // normalised sets, "x" for a cancelled game, empty for goals only
    int SetsFirst = 0;
    int SetsSecond = 0;
    int GoalsFirst = 0;
    int GoalsSecond = 0;
    // The field texts to show after the press: normalised when storing, unchanged when deleting.
    QString SetsField;
    QString GoalsField;
};
// A field that holds text but no digit (other than "x") is refused: nothing may change. Both
// fields empty, or either of them exactly "0" after its leading non-digits, deletes (unless a
// field is "x"); everything else is stored. Goals come from the sets when the sets field yields a
// set, else from the goals field.
ScoreEntry ParseScoreEntry(const QString& setsField, const QString& goalsField);

// The goals cell of a game in the schedule grid: "x" for a cancelled game, else "  3 : 1".
QString GoalsCellText(const GameResult& result);
