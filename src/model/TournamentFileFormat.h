#pragma once

#include "model/Limits.h"

#include <QString>

#include <climits>

// The fixed words and the limits of the tournament file, shared by its writer and reader.
namespace TournamentFileFormat {
inline const QString VersionLine = QStringLiteral("5.08");
inline const QString SportLine = QStringLiteral("Fußball");
inline const QString ReserveLine = QStringLiteral("Reserve");
inline const QString AnchorStart = QStringLiteral("anfang");
inline const QString AnchorEnd = QStringLiteral("ende");
inline const QString ReturnLegWord = QStringLiteral("ruck");
inline const QString SingleLegWord = QStringLiteral("einf");
inline const QString OneFieldPerGroupWord = QStringLiteral("1");
inline const QString SharedFieldsWord = QStringLiteral("2");
inline const QString DefaultTemplateName = QStringLiteral("urkunde.rtf");
inline constexpr int ReserveLineCount = 3;
// A template line shorter than this names no template.
inline constexpr int MinTemplateLength = 3;

inline constexpr int MaxGameLength = INT_MAX;
// The highest game number: a group of 22 positions with return leg.
inline constexpr int MaxGameNumber = Limits::MaxPositions * (Limits::MaxPositions - 1);
inline constexpr int MaxReferralEntries = (Limits::MaxReferralIndex + 1) * (Limits::MaxReferralIndex + 1);
// The field plan takes the size of the schedule grid: five columns per group of the widest
// round plus one, and four rows plus the tallest group of each round (2n + games + 9 rows).
inline constexpr int MaxFieldPlanColumns = 5 * Limits::MaxGroups + 1;
inline constexpr int MaxFieldPlanRows =
    4 + Limits::MaxRounds * (2 * Limits::MaxPositions + MaxGameNumber + 9);
} // namespace TournamentFileFormat
