// Writes the start tournament "normal.auf" and the example tournament "beispiel.auf" into the
// folder given as the only argument. Run by hand when their content changes; the written files
// are checked in under data/.
#include "model/Prompter.h"
#include "model/TournamentFile.h"
#include "model/TournamentState.h"
#include "structure/PairingTable.h"
#include "structure/TimeText.h"

#include <QDir>
#include <QFile>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {
// The texts below are all valid; any question or notice is a fault of this program.
class FailingPrompter : public Prompter {
public:
    Answer askYesNo(const QString&, const QString& text, Answer) override { fail(text); }
    Answer askYesNoCancel(const QString&, const QString& text, Answer) override { fail(text); }
    void inform(const QString&, const QString& text) override { fail(text); }

private:
    [[noreturn]] static void fail(const QString& text)
    {
        std::fprintf(stderr, "make_example_tournaments: %s\n", qPrintable(text));
        std::exit(1);
    }
};

struct ExampleTeam {
    const char* name;
    const char* email;
};

// Four preliminary groups of 5, 4, 5 and 4 teams.
const std::array<std::vector<ExampleTeam>, 4> PreliminaryGroups{{
    {{"SV Grün-Weiß Lindenau", "jugend@gw-lindenau.de"},
     {"FC Eintracht Mühlbach", "trainer@eintracht-muehlbach.de"},
     {"TSV Überau", "fussball@tsv-ueberau.de"},
     {"SpVgg Kleinöd", "info@spvgg-kleinoed.de"},
     {"SC Borussia Süderfeld", "jugend@borussia-suederfeld.de"}},
    {{"VfB Hochstädt", "vfb.hochstaedt@example.de"},
     {"TuS Königsbrück", "tus@koenigsbrueck.de"},
     {"FC Viktoria Weißenfeld", "viktoria@weissenfeld.de"},
     {"SG Ahornbach", "sg-ahornbach@example.de"}},
    {{"SV Rot-Weiß Bärenklau", "rw-baerenklau@example.de"},
     {"TSG Mönchshof", "tsg@moenchshof.de"},
     {"FC Sportfreunde Lößnitz", "sf-loessnitz@example.de"},
     {"DJK Schönwalde", "djk@schoenwalde.de"},
     {"SV Fortuna Grünau", "fortuna@gruenau.de"}},
    {{"FC Straßberg 09", "fc09@strassberg.de"},
     {"TSV Jügesheim", "jugend@tsv-juegesheim.de"},
     {"SC Germania Ölbach", "germania@oelbach.de"},
     {"FV Dörnberg", "fv@doernberg.de"}},
}};

// Results entered so far: group, game, goals of the first- and the second-named team.
struct ExampleResult {
    int group;
    int game;
    int goalsFirst;
    int goalsSecond;
};
const std::array<ExampleResult, 12> EnteredResults{{
    {1, 1, 2, 1},
    {1, 2, 0, 0},
    {1, 3, 1, 3},
    {1, 4, 4, 2},
    {2, 1, 1, 0},
    {2, 2, 2, 2},
    {2, 3, 0, 1},
    {3, 1, 3, 0},
    {3, 2, 1, 1},
    {3, 3, 2, 4},
    {4, 1, 0, 2},
    {4, 2, 3, 1},
}};

void SetUpStartTournament(TournamentState& state)
{
    ResetTournament(state);
    SetUpDefaultTournament(state);
    state.TimeAnchorIsStart = true;
    state.StartTime = QStringLiteral("00:00");
    state.DefaultGameLength = 10;
}

void AddToPool(TournamentState& state, const QString& name, const QString& email)
{
    const int index = ++state.NamePoolCount;
    state.NamePool[index] = NamePoolEntry{name, email, QStringLiteral("1")};
    state.NameList.append(name);
}

// Whoever finishes `place` in group `from` plays on position `slot` of group `to`.
void Refer(TournamentState& state, int from, int place, int to, int slot)
{
    state.ReferralTable[from][place].ToGroup = to;
    state.ReferralTable[from][place].ToSlot = slot;
    state.ReferralTable[to][slot].FromGroup = from;
    state.ReferralTable[to][slot].FromPlace = place;
    state.NameTable[to][slot] = QStringLiteral("%1. %2").arg(place).arg(state.NameTable[from][0]);
}

void AddResult(TournamentState& state, const ExampleResult& entered)
{
    if (entered.game > GroupGameCount(state, entered.group)) {
        std::fprintf(stderr, "make_example_tournaments: group %d has no game %d\n", entered.group,
                     entered.game);
        std::exit(1);
    }
    GameResult& result = state.ResultTable[++state.ResultCount];
    result.Group = entered.group;
    result.Game = entered.game;
    // Entered as goals only, so no sets text.
    result.GoalsFirst = entered.goalsFirst;
    result.GoalsSecond = entered.goalsSecond;
    state.GroupHasResults[entered.group] = true;
}

void SetUpExampleTournament(TournamentState& state)
{
    FailingPrompter prompter;
    ResetTournament(state);
    state.TournamentName = QStringLiteral("Pfingstturnier SV Grün-Weiß Lindenau");
    state.TimeAnchorIsStart = true;
    state.StartTime = FormatTimeText(ParseTimeText(QStringLiteral("9:00"), prompter));
    state.DefaultGameLength = 15;
    state.PauseList.append(BuildPauseLine(QStringLiteral("11:30"), QStringLiteral("60"), prompter));

    // Round 1: four groups share three fields.
    state.RoundCount = 2;
    state.GroupsInRound[1] = 4;
    state.FieldsInRound[1] = 3;
    state.GameLengthInRound[1] = 12;
    int group = 0;
    for (const auto& teams : PreliminaryGroups) {
        ++group;
        state.TeamsInGroup[group] = int(teams.size());
        state.NameTable[group][0] = QStringLiteral("Gruppe ") + QChar(u'A' + group - 1);
        int slot = 0;
        for (const ExampleTeam& team : teams) {
            state.NameTable[group][++slot] = QString::fromUtf8(team.name);
            AddToPool(state, QString::fromUtf8(team.name), QString::fromUtf8(team.email));
        }
    }

    // Round 2: the group winners play for the title, the runners-up for place 5, each group on a
    // field of its own.
    state.GroupsInRound[2] = 2;
    state.FieldsInRound[2] = 2;
    state.GameLengthInRound[2] = 15;
    state.OneFieldPerGroup[2] = true;
    const int finalGroup = 5;
    const int placementGroup = 6;
    state.TeamsInGroup[finalGroup] = 4;
    state.NameTable[finalGroup][0] = QStringLiteral("Endrunde");
    state.TeamsInGroup[placementGroup] = 4;
    state.NameTable[placementGroup][0] = QStringLiteral("Platzierungsrunde");
    for (int from = 1; from <= 4; ++from) {
        Refer(state, from, 1, finalGroup, from);
        Refer(state, from, 2, placementGroup, from);
    }

    for (const ExampleResult& result : EnteredResults)
        AddResult(state, result);
}

bool WriteFile(const QDir& folder, const QString& name, const TournamentState& state)
{
    QFile file(folder.filePath(name));
    const QByteArray bytes = WriteTournamentFile(state);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make_example_tournaments: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_example_tournaments FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    auto state = std::make_unique<TournamentState>();
    SetUpStartTournament(*state);
    if (!WriteFile(folder, QStringLiteral("normal.auf"), *state))
        return 1;
    state = std::make_unique<TournamentState>();
    SetUpExampleTournament(*state);
    return WriteFile(folder, QStringLiteral("beispiel.auf"), *state) ? 0 : 1;
}
