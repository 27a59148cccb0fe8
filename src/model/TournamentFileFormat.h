#pragma once

#include "model/Limits.h"

#include <QString>

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

// The highest game number: a group of 22 positions with return leg.
inline constexpr int MaxGameNumber = Limits::MaxPositions * (Limits::MaxPositions - 1);
inline constexpr int MaxReferralEntries = (Limits::MaxReferralIndex + 1) * (Limits::MaxReferralIndex + 1);
// No field plan of any tournament reaches these: five columns per group of a round of 100 groups
// plus one; a time plan of 20 rounds of 900 slots with a break after every slot.
inline constexpr int MaxFieldPlanColumns = 5 * Limits::MaxGroups + 1;
inline constexpr int MaxFieldPlanRows = 1 << 17;
} // namespace TournamentFileFormat
