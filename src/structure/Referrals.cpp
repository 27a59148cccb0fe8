#include "structure/Referrals.h"

#include "model/Prompter.h"
#include "model/TextUtil.h"
#include "model/TournamentState.h"
#include "structure/Groups.h"

namespace {
bool IsReferralIndex(int index)
{
    return index >= 0 && index <= Limits::MaxReferralIndex;
}

Referral* ReferralAt(TournamentState& state, int group, int number)
{
    if (!IsReferralIndex(group) || !IsReferralIndex(number))
        return nullptr;
    return &state.ReferralTable[std::size_t(group)][std::size_t(number)];
}

const Referral* ReferralAt(const TournamentState& state, int group, int number)
{
    if (!IsReferralIndex(group) || !IsReferralIndex(number))
        return nullptr;
    return &state.ReferralTable[std::size_t(group)][std::size_t(number)];
}

QString GroupName(const TournamentState& state, int group)
{
    return IsGroupIndex(group) ? state.NameTable[std::size_t(group)][0] : QString();
}

// The name of position `slot` of a group; slot 0 (the group's name) and writes outside the name
// table are dropped.
void SetPositionName(TournamentState& state, int group, int slot, const QString& name)
{
    if (IsGroupIndex(group) && slot >= 1 && slot < Limits::NameSlots)
        state.NameTable[std::size_t(group)][std::size_t(slot)] = CutText(name, Limits::StoredTextLength);
}

// "2. Gruppe A (Gruppe 3)"
QString LinkText(const TournamentState& state, int number, int group)
{
    return QStringLiteral("%1. %2 (Gruppe %3)").arg(number).arg(GroupName(state, group)).arg(group);
}
} // namespace

namespace {
// The click that came with the double-click showed the links of the clicked line; keep showing
// them as they stand now.
ReferralPanel PanelOfClickedLine(ReferralPanel panel, const TournamentState& state, int group, int number)
{
    panel.comesFrom = ComesFromText(state, group, number);
    panel.refersTo = RefersToText(state, group, number);
    return panel;
}
} // namespace

QString ComesFromText(const TournamentState& state, int group, int number)
{
    const Referral* referral = ReferralAt(state, group, number);
    if (referral == nullptr || referral->FromGroup < 1)
        return QString();
    return LinkText(state, referral->FromPlace, referral->FromGroup);
}

QString RefersToText(const TournamentState& state, int group, int number)
{
    const Referral* referral = ReferralAt(state, group, number);
    if (referral == nullptr || referral->ToGroup < 1)
        return QString();
    return LinkText(state, referral->ToSlot, referral->ToGroup);
}

std::optional<ReferralPanel> ActOnTeamLineForReferral(TournamentState& state, int group, int number,
                                                      Prompter& prompter)
{
    state.Settings.PlanChanged = true;
    if (!ConfirmGroupChange(state, group, prompter))
        return std::nullopt;
    if (state.ReferralPending)
        return CompleteReferral(state, group, number, prompter);
    return StartReferral(state, group, number);
}

ReferralPanel StartReferral(TournamentState& state, int group, int number)
{
    if (!IsGroupIndex(group) || number < 1 || number >= Limits::NameSlots)
        return CancelReferralSelection(state);
    state.ReferralPending = true;
    state.ReferralSourceGroup = group;
    state.ReferralSourcePlace = number;
    ReferralPanel panel;
    panel.selection = QStringLiteral("%1.%2 (Gruppe %3)").arg(number).arg(GroupName(state, group)).arg(group);
    panel.selectionHighlighted = true;
    panel.comesFrom = ComesFromText(state, group, number);
    return panel;
}

ReferralPanel CompleteReferral(TournamentState& state, int group, int number, Prompter& prompter)
{
    const int sourceGroup = state.ReferralSourceGroup;
    const int sourcePlace = state.ReferralSourcePlace;
    if (!state.ReferralPending || !IsGroupIndex(sourceGroup))
        return CancelReferralSelection(state);
    if (RoundOfGroup(state, group) <= RoundOfGroup(state, sourceGroup)) {
        prompter.inform(QStringLiteral("Benutzer-Info"),
                        QStringLiteral("Sie können eine Mannschaft nur in eine SPÄTERE Runde verweisen !"));
        return PanelOfClickedLine(CancelReferralSelection(state), state, group, number);
    }
    Referral* source = ReferralAt(state, sourceGroup, sourcePlace);
    Referral* target = ReferralAt(state, group, number);
    if (source == nullptr || target == nullptr || !IsGroupIndex(group) || number < 1 ||
        number >= Limits::NameSlots)
        return CancelReferralSelection(state);

    RemoveOutgoingReferral(state, sourceGroup, sourcePlace);
    RemoveIncomingReferral(state, group, number);
    source->ToGroup = group;
    source->ToSlot = number;
    target->FromGroup = sourceGroup;
    target->FromPlace = sourcePlace;
    const QString placeholder = QStringLiteral("%1. %2").arg(sourcePlace).arg(GroupName(state, sourceGroup));
    SetPositionName(state, group, number, placeholder);

    ReferralPanel panel = PanelOfClickedLine(CancelReferralSelection(state), state, group, number);
    panel.cellText = QStringLiteral("%1) %2").arg(number).arg(placeholder);
    panel.patchesCell = true;
    state.ScheduleGrid.setCell(state.SelectedCol, state.SelectedRow, panel.cellText);
    MarkChanged(state, QStringLiteral("Verweis %1 nach %2").arg(placeholder, GroupName(state, group)));
    return panel;
}

ReferralPanel CancelReferralSelection(TournamentState& state)
{
    state.ReferralPending = false;
    state.ReferralSourceGroup = 0;
    state.ReferralSourcePlace = 0;
    return ReferralPanel{};
}

void RemoveOutgoingReferral(TournamentState& state, int group, int place)
{
    Referral* source = ReferralAt(state, group, place);
    if (source == nullptr || source->ToGroup == 0)
        return;
    if (Referral* target = ReferralAt(state, source->ToGroup, source->ToSlot)) {
        target->FromGroup = 0;
        target->FromPlace = 0;
    }
    SetPositionName(state, source->ToGroup, source->ToSlot, QString());
    source->ToGroup = 0;
    source->ToSlot = 0;
}

void RemoveIncomingReferral(TournamentState& state, int group, int slot)
{
    Referral* target = ReferralAt(state, group, slot);
    if (target == nullptr || target->FromGroup == 0)
        return;
    if (Referral* source = ReferralAt(state, target->FromGroup, target->FromPlace)) {
        source->ToGroup = 0;
        source->ToSlot = 0;
    }
    target->FromGroup = 0;
    target->FromPlace = 0;
    SetPositionName(state, group, slot, QString());
}
