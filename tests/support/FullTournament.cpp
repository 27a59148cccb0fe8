#include "support/FullTournament.h"

#include "model/Windows1252.h"

std::unique_ptr<TournamentState> MakeFullTournament(bool withForeignName)
{
    auto state = std::make_unique<TournamentState>();
    ResetTournament(*state);
    state->TournamentName = QStringLiteral("Hallencup Größe & Süß");

    TournamentSettings& settings = state->Settings;
    settings.RefereesEnabled = false;
    settings.FormattedOutput = true;
    settings.Structured = true;
    settings.PausesSorted = true;
    settings.GroupsPerLine = 1;
    settings.BlankLineBetweenGames = true;
    settings.SetPriority = false;
    settings.DirectCompareNeedsPlusPoints = false;
    settings.DirectCompareNeedsGoalDiff = false;
    settings.DirectCompareNeedsPlusGoals = false;
    settings.DirectCompareNeedsPlusSets = false;
    settings.DirectCompareScope = CompareScope::SameAndLastRound;
    settings.PointsSystem = 3;
    settings.WithSets = true;
    settings.SpareFlag = true;
    settings.ContextHelpActive = false;
    settings.KeepPlanUpdated = false;
    settings.PlanSymmetry = PlanSymmetryMode::GroupSymmetric;
    settings.GameListTarget = GameListDestination::FilePerTeam;
    settings.PlanChanged = false;
    settings.FieldsPerLine = QStringLiteral("3");
    settings.SearchDepth = QStringLiteral("200");
    settings.EmailSeparator = QStringLiteral(";");
    settings.CertificateTemplate = QStringLiteral("C:\\Turniere\\Urkunde Jugend.rtf");
    state->SetsWord = QStringLiteral("Sätze");

    state->DefaultGameLength = 14;
    state->TimeAnchorIsStart = false;
    state->EndTime = QStringLiteral("18:30");

    const QStringList poolNames{QStringLiteral("Füchse Öhringen"), QStringLiteral("Weiße Bären"),
                                withForeignName ? QStringLiteral("Kraków Łódź Ağrı")
                                                : QStringLiteral("Krähen"),
                                QStringLiteral("Straßenkicker")};
    for (int i = 1; i <= poolNames.size(); ++i) {
        state->NamePool[i] = {poolNames[i - 1], QStringLiteral("team%1@verein.de").arg(i),
                              i % 2 ? QStringLiteral("1") : QStringLiteral("0")};
        state->NameList.append(poolNames[i - 1]);
    }
    state->NamePoolCount = int(poolNames.size());

    // Round 1: two groups; round 2: none; round 3: one group of 0 teams and one of 3.
    state->RoundCount = 3;
    state->CurrentRound = 1;
    state->GroupsInRound = {};
    state->GroupsInRound[1] = 2;
    state->GroupsInRound[3] = 2;
    state->FieldsInRound[1] = 2;
    state->FieldsInRound[2] = 1;
    state->FieldsInRound[3] = 50;
    state->GameLengthInRound[1] = 14;
    state->GameLengthInRound[2] = 0;
    state->GameLengthInRound[3] = 20;
    state->OneFieldPerGroup[1] = true;
    state->OneFieldPerGroup[3] = true;

    state->TeamsInGroup[1] = 4;
    state->ReturnLeg[1] = true;
    state->NameTable[1][0] = QStringLiteral("Gruppe Ä");
    for (int slot = 1; slot <= 4; ++slot)
        state->NameTable[1][slot] = poolNames[slot - 1];
    state->TeamsInGroup[2] = 22;
    state->NameTable[2][0] = QStringLiteral("Gruppe ß");
    for (int slot = 1; slot <= 22; ++slot)
        state->NameTable[2][slot] = QStringLiteral("Team %1").arg(slot);
    state->TeamsInGroup[3] = 0;
    state->NameTable[3][0] = QStringLiteral("leere Gruppe");
    state->TeamsInGroup[4] = 3;
    state->NameTable[4][0] = QStringLiteral("Finale");
    state->NameTable[4][1] = QStringLiteral("1. Gruppe Ä");
    state->NameTable[4][2] = QStringLiteral("1. Gruppe ß");

    state->PauseList = {QStringLiteral("12:00   00:30"), QStringLiteral("09:30   1:30")};

    state->ReferralTable[1][1].ToGroup = 4;
    state->ReferralTable[1][1].ToSlot = 1;
    state->ReferralTable[4][1].FromGroup = 1;
    state->ReferralTable[4][1].FromPlace = 1;
    state->ReferralTable[2][1].ToGroup = 4;
    state->ReferralTable[2][1].ToSlot = 2;
    state->ReferralTable[4][2].FromGroup = 2;
    state->ReferralTable[4][2].FromPlace = 1;
    state->ReferralTable[0][200] = {100, 22, 100, 22}; // the corners of the table travel too
    state->ReferralTable[200][0] = {0, 0, 0, 1};

    const GameResult results[] = {
        {1, 1, QStringLiteral("15:7  8:15  11:15  "), 1, 2, 34, 37},
        {1, 12, QStringLiteral("x"), 0, 0, 0, 0},
        {2, 462, QString(), 0, 0, -3, 2147483647},
    };
    for (const GameResult& result : results) {
        state->ResultTable[++state->ResultCount] = result;
        state->GroupHasResults[result.Group] = true;
    }

    state->FieldPlan.resize(8, 10);
    state->FieldPlan.setCell(0, 0, QStringLiteral("Runde"));
    state->FieldPlan.setCell(7, 9, QStringLiteral("Platz 3"));
    state->FieldPlan.setTag(7, 9, QStringLiteral("4 manschc 3"));
    state->FieldPlan.setTag(2, 5, QStringLiteral("nur im Schatten"));
    return state;
}

QStringList FileLines(const QByteArray& bytes)
{
    QStringList lines = DecodeWindows1252(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray FileBytes(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return EncodeWindows1252(text);
}
