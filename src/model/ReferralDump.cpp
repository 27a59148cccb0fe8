#include "model/ReferralDump.h"

#include "model/Prompter.h"
#include "model/TournamentState.h"

#include <QSaveFile>

QByteArray ReferralDumpText(const TournamentState& state)
{
    QByteArray text;
    qint64 sum = 0; // wide enough for any numbers a file may have put into the table
    for (int group = 1; group <= Limits::MaxReferralIndex; ++group) {
        for (int slot = 1; slot <= Limits::MaxReferralIndex; ++slot) {
            const Referral& referral = state.ReferralTable[group][slot];
            if (!referral.isUsed())
                continue;
            for (const int number :
                 {referral.FromGroup, referral.FromPlace, referral.ToGroup, referral.ToSlot}) {
                text += QByteArray::number(number) + ' ';
                sum += number;
            }
            text += "\r\n";
        }
    }
    text += QByteArray::number(sum) + '\r';
    return text;
}

bool WriteReferralDump(const TournamentState& state, const QString& path, Prompter& prompter)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(ReferralDumpText(state)) >= 0 && file.commit())
        return true;
    prompter.inform(QStringLiteral("Fehler"),
                    QStringLiteral("Speichern der Datei ") + path + QStringLiteral(" nicht möglich"));
    return false;
}
