#pragma once

#include "live/RefereeEntry.h"
#include "net/FieldCodes.h"
#include "net/FormTokens.h"
#include "net/LiveSite.h"
#include "net/WrongCodeLimit.h"

#include <QElapsedTimer>

#include <functional>
#include <optional>
#include <vector>

class ResultInbox;
struct RefereePage;

// The fields' entry pages "/platz/F/eingabe" and what they take: a GET shows the field's current
// and next games as forms (only with the field's code; a GET never changes anything), a POST
// sends one result (form fields "gruppe", "spiel", "code", "token", "tore" or "saetze") into the
// list of incoming results. Answers: 200 with the German confirmation, 403 for a wrong code, a
// game of another field or a form that is not from this field's page, 422 for a score the syntax
// refuses, 409 for a game that has another result, 429 while an address waits after wrong codes.
class RefereeDesk {
public:
    using Clock = std::function<qint64()>; // milliseconds, steadily rising

    RefereeDesk(LiveSite::SourceReader source, ResultInbox& inbox);

    FieldCodes& codes() { return m_codes; }
    const FieldCodes& codes() const { return m_codes; }
    const WrongCodeLimit& wrongCodes() const { return m_wrongCodes; }
    int waitingAddresses() const { return m_wrongCodes.waitingAddresses(m_clock()); }
    // Gets one line for every wrong code, every address made to wait and every result refused.
    void setLog(std::function<void(const QString&)> log) { m_log = std::move(log); }
    void setClock(Clock clock) { m_clock = std::move(clock); }

    LiveResponse respond(const LiveRequest& request, int field, bool json);
    // The tournament or its time plan changed: the fields' games are read anew on the next request.
    void tournamentChanged() { m_fieldGames.reset(); }

private:
    struct Form;
    LiveResponse respondToPost(const LiveRequest& request, int field, const LiveSource& source, qint64 now);
    // The code of the request is the field's; a wrong one is counted.
    bool codeAccepted(const LiveRequest& request, int field, const QByteArray& code, qint64 now);
    RefereePage page(const LiveSource& source, int field, const QString& code, qint64 now);
    // The field's games, read from the time plan once per state of the tournament.
    const std::vector<FieldGame>& fieldGames(const LiveSource& source, int field);
    LiveResponse pageResponse(const LiveRequest& request, int status, RefereePage page, bool json) const;
    LiveResponse waitResponse(const LiveRequest& request, int field, const LiveSource& source, bool json,
                              qint64 waitMs) const;

    LiveSite::SourceReader m_source;
    ResultInbox& m_inbox;
    FieldCodes m_codes;
    FormTokens m_tokens;
    WrongCodeLimit m_wrongCodes;
    QElapsedTimer m_elapsed;
    Clock m_clock;
    std::optional<std::vector<std::vector<FieldGame>>> m_fieldGames; // index field - 1
    std::function<void(const QString&)> m_log;
};
