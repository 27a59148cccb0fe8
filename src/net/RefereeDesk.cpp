#include "net/RefereeDesk.h"

#include "live/RefereePage.h"
#include "model/TournamentState.h"
#include "net/ResultInbox.h"
#include "results/ResultApply.h"

#include <QDateTime>
#include <QStringDecoder>

namespace {
const QByteArray HtmlType = QByteArrayLiteral("text/html; charset=utf-8");
const QByteArray JsonType = QByteArrayLiteral("application/json; charset=utf-8");
const QByteArray FormType = QByteArrayLiteral("application/x-www-form-urlencoded");
constexpr int SentShown = 10;
constexpr int FollowingGames = 2;

// The fields of a form body or a query; nullopt when a name comes twice or a value is not UTF-8.
std::optional<QHash<QString, QString>> FormFields(QByteArray encoded)
{
    encoded.replace('+', ' ');
    QHash<QString, QString> fields;
    for (const QByteArray& pair : encoded.split('&')) {
        if (pair.isEmpty())
            continue;
        const qsizetype equals = pair.indexOf('=');
        const QByteArray name = QByteArray::fromPercentEncoding(pair.left(equals));
        const QByteArray value =
            QByteArray::fromPercentEncoding(equals < 0 ? QByteArray() : pair.mid(equals + 1));
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decoder.decode(value);
        if (decoder.hasError() || fields.contains(QString::fromUtf8(name)))
            return std::nullopt;
        fields.insert(QString::fromUtf8(name), text);
    }
    return fields;
}

// A group or game number as a form sends it: digits only, no sign, no leading zero.
int FormNumber(const QString& text)
{
    bool ok = false;
    const int number = text.size() <= 5 ? text.toInt(&ok) : 0;
    return ok && QString::number(number) == text ? number : 0;
}

QString StateText(const IncomingResult& entry, const QString& conflict, QString& cssClass)
{
    switch (entry.State) {
    case IncomingResult::Status::Waiting:
        cssClass = conflict.isEmpty() ? QStringLiteral("wartet") : QStringLiteral("konflikt");
        return conflict.isEmpty() ? QStringLiteral("wartet auf den Turniertisch")
                                  : QStringLiteral("wartet – eingetragen ist schon ") + conflict;
    case IncomingResult::Status::Accepted:
        cssClass = QStringLiteral("ok");
        return QStringLiteral("übernommen");
    case IncomingResult::Status::Rejected:
        cssClass = QStringLiteral("abgelehnt");
        return QStringLiteral("abgelehnt – bitte beim Turniertisch melden");
    case IncomingResult::Status::Replaced:
        break;
    }
    cssClass = QStringLiteral("alt");
    return QStringLiteral("ersetzt durch eine spätere Eingabe");
}
} // namespace

struct RefereeDesk::Form {
    int Group = 0;
    int Game = 0;
    QByteArray Code;
    QByteArray Token;
    QString Score;
    bool SetsSent = false;
};

RefereeDesk::RefereeDesk(LiveSite::SourceReader source, ResultInbox& inbox)
    : m_source(std::move(source)), m_inbox(inbox)
{
    m_elapsed.start();
    m_clock = [this] { return m_elapsed.elapsed(); };
}

bool RefereeDesk::codeAccepted(const LiveRequest& request, int field, const QByteArray& code, qint64 now)
{
    if (m_codes.matches(field, code))
        return true;
    const QString peer = request.Peer.toString();
    if (m_wrongCodes.countWrongCode(request.Peer, now)) {
        if (m_log)
            m_log(QStringLiteral("%1 wartet eine Minute: %2 falsche Codes")
                      .arg(peer)
                      .arg(WrongCodeLimit::MaxWrongCodes));
    } else if (m_log) {
        m_log(QStringLiteral("falscher Code für Platz %1 von %2").arg(field).arg(peer));
    }
    return false;
}

RefereePage RefereeDesk::page(const LiveSource& source, int field, const QString& code, qint64 now)
{
    const TournamentState& state = *source.State;
    RefereePage page;
    page.Tournament = state.TournamentName;
    page.Field = field;
    page.WithSets = state.Settings.WithSets;
    if (code.isEmpty())
        return page;
    page.Code = code;
    page.Token = m_tokens.issue(field, m_codes.generation(field), now);
    const std::vector<FieldGame>& games = fieldGames(source, field);
    page.Games = CurrentOfFieldGames(games, RoundInPlay(state), FollowingGames);
    const auto& entries = m_inbox.results().Entries;
    for (auto entry = entries.rbegin(); entry != entries.rend() && int(page.Sent.size()) < SentShown;
         ++entry) {
        if (entry->Field != field)
            continue;
        RefereeSentResult sent;
        sent.Number = entry->Number;
        sent.Game = QStringLiteral("Gruppe %1, Spiel %2").arg(entry->Group).arg(entry->Game);
        for (const FieldGame& game : games)
            if (game.Game.Group == entry->Group && game.Game.Game == entry->Game)
                sent.Game = game.GroupTitle + QStringLiteral(", Spiel %1: ").arg(entry->Game) +
                            game.Game.TeamA + QStringLiteral(" – ") + game.Game.TeamB;
        sent.Result =
            ResultText(ResultOfEntry(entry->Group, entry->Game, ParseScoreEntry(entry->Sets, entry->Goals)));
        const QString conflict =
            m_inbox.conflicts(*entry) ? m_inbox.storedResult(entry->Group, entry->Game) : QString();
        sent.State = StateText(*entry, conflict, sent.Class);
        page.Sent.push_back(sent);
    }
    return page;
}

const std::vector<FieldGame>& RefereeDesk::fieldGames(const LiveSource& source, int field)
{
    if (!m_fieldGames)
        m_fieldGames = EveryFieldsGames(*source.State, *source.TimePlan);
    static const std::vector<FieldGame> none;
    return std::size_t(field) <= m_fieldGames->size() ? (*m_fieldGames)[std::size_t(field - 1)] : none;
}

LiveResponse RefereeDesk::pageResponse(const LiveRequest& request, int status, RefereePage page,
                                       bool json) const
{
    return json ? PlainResponse(request, status, JsonType, RefereePageJson(page))
                : PlainResponse(request, status, HtmlType, RefereePageHtml(page));
}

LiveResponse RefereeDesk::waitResponse(const LiveRequest& request, int field, const LiveSource& source,
                                       bool json, qint64 waitMs) const
{
    RefereePage page;
    page.Tournament = source.State->TournamentName;
    page.Field = field;
    page.NoticeKind = RefereePage::Notice::Refused;
    page.NoticeText =
        QStringLiteral("Zu viele falsche Codes von diesem Gerät. Bitte eine Minute warten, dann "
                       "den Code vom Blatt des Platzes eingeben.");
    LiveResponse response = pageResponse(request, 429, page, json);
    response.Headers.push_back({"Retry-After", QByteArray::number((waitMs + 999) / 1000)});
    return response;
}

LiveResponse RefereeDesk::respond(const LiveRequest& request, int field, bool json)
{
    const LiveSource source = m_source();
    const bool post = request.Method == "POST" && !json;
    if (!source.State || !source.TimePlan || field > m_codes.fieldCount())
        return PlainResponse(request, 404, HtmlType, QByteArrayLiteral("Diese Seite gibt es nicht.\n"));
    if (!post && request.Method != "GET" && request.Method != "HEAD") {
        LiveResponse refusal = PlainResponse(request, 405, "text/plain; charset=utf-8",
                                             QByteArrayLiteral("Nur GET, HEAD und POST.\n"));
        for (auto& [name, value] : refusal.Headers)
            if (name == "Allow")
                value = json ? "GET, HEAD" : "GET, HEAD, POST";
        return refusal;
    }
    const qint64 now = m_clock();
    if (const qint64 wait = m_wrongCodes.waitingMs(request.Peer, now); wait > 0)
        return waitResponse(request, field, source, json, wait);
    if (post)
        return respondToPost(request, field, source, now);

    const std::optional<QHash<QString, QString>> query = FormFields(request.Query);
    const QString code = query ? query->value(QStringLiteral("code")) : QString();
    RefereePage shown = page(source, field, {}, now);
    if (code.isEmpty())
        return pageResponse(request, 200, shown, json);
    if (!codeAccepted(request, field, code.toUtf8(), now)) {
        if (const qint64 wait = m_wrongCodes.waitingMs(request.Peer, now); wait > 0)
            return waitResponse(request, field, source, json, wait);
        shown.NoticeKind = RefereePage::Notice::Refused;
        shown.NoticeText = QStringLiteral("Der Code stimmt nicht. Bitte den Code vom Blatt des Platzes %1 "
                                          "eingeben oder dessen QR-Code scannen.")
                               .arg(field);
        return pageResponse(request, 403, shown, json);
    }
    return pageResponse(request, 200, page(source, field, code, now), json);
}

LiveResponse RefereeDesk::respondToPost(const LiveRequest& request, int field, const LiveSource& source,
                                        qint64 now)
{
    const bool withSets = source.State->Settings.WithSets;
    const QByteArray type = request.ContentType.split(';').first().trimmed().toLower();
    if (type != FormType)
        return PlainResponse(request, 415, "text/plain; charset=utf-8",
                             QByteArrayLiteral("Nur Formulardaten (application/x-www-form-urlencoded).\n"));
    const std::optional<QHash<QString, QString>> fields = FormFields(request.Body);
    Form form;
    if (fields) {
        form.Group = FormNumber(fields->value(QStringLiteral("gruppe")));
        form.Game = FormNumber(fields->value(QStringLiteral("spiel")));
        form.Code = fields->value(QStringLiteral("code")).toUtf8();
        form.Token = fields->value(QStringLiteral("token")).toLatin1();
        form.SetsSent = fields->contains(QStringLiteral("saetze"));
        form.Score = fields->value(form.SetsSent ? QStringLiteral("saetze") : QStringLiteral("tore"));
    }
    const bool oneScore =
        fields && fields->contains(QStringLiteral("saetze")) != fields->contains(QStringLiteral("tore"));
    if (!fields || form.Group == 0 || form.Game == 0 || form.Code.isEmpty() || form.Token.isEmpty() ||
        !oneScore)
        return PlainResponse(
            request, 400, "text/plain; charset=utf-8",
            QByteArrayLiteral("Es fehlt etwas: gruppe, spiel, code, token und tore oder saetze.\n"));

    RefereePage answer = page(source, field, {}, now);
    answer.NoticeKind = RefereePage::Notice::Refused;
    if (!codeAccepted(request, field, form.Code, now)) {
        if (const qint64 wait = m_wrongCodes.waitingMs(request.Peer, now); wait > 0)
            return waitResponse(request, field, source, false, wait);
        answer.NoticeText = QStringLiteral("Der Code stimmt nicht: nichts wurde gesendet. Bitte den QR-Code "
                                           "des Platzes %1 neu scannen.")
                                .arg(field);
        return pageResponse(request, 403, answer, false);
    }
    const QString code = QString::fromUtf8(form.Code);
    const FormTokens::Check token = m_tokens.check(form.Token, field, m_codes.generation(field), now);
    const std::optional<FieldGame> game =
        FindAmongFieldGames(fieldGames(source, field), form.Group, form.Game);
    answer = page(source, field, code, now);
    answer.NoticeKind = RefereePage::Notice::Refused;
    answer.KeptGroup = form.Group;
    answer.KeptGame = form.Game;
    answer.KeptText = form.Score.left(MaxScoreTextLength);
    const auto logRefusal = [&](const QString& why) {
        if (m_log)
            m_log(QStringLiteral("Platz %1, Gruppe %2, Spiel %3 von %4: %5")
                      .arg(field)
                      .arg(form.Group)
                      .arg(form.Game)
                      .arg(request.Peer.toString(), why));
    };
    if (token != FormTokens::Check::Valid) {
        logRefusal(token == FormTokens::Check::Used ? QStringLiteral("abgelehnt, Formular schon gesendet")
                                                    : QStringLiteral("abgelehnt, Formular veraltet"));
        answer.NoticeText =
            token == FormTokens::Check::Used
                ? QStringLiteral("Dieses Formular wurde schon gesendet; es gilt nur einmal. "
                                 "Unten steht, was angekommen ist.")
                : QStringLiteral("Die Seite war veraltet: nichts wurde gesendet. Bitte noch einmal "
                                 "senden.");
        return pageResponse(request, 403, answer, false);
    }
    if (!game) {
        logRefusal(QStringLiteral("abgelehnt, kein Spiel dieses Platzes"));
        answer.NoticeText =
            QStringLiteral("Gruppe %1, Spiel %2 wird nicht auf Platz %3 gespielt: nichts wurde "
                           "gesendet.")
                .arg(form.Group)
                .arg(form.Game)
                .arg(field);
        return pageResponse(request, 403, answer, false);
    }
    const auto score =
        form.SetsSent != withSets
            ? std::variant<RefereeScore, QString>(
                  withSets ? QStringLiteral("Dieses Turnier wird mit Sätzen gespielt: bitte die Sätze "
                                            "eingeben.")
                           : QStringLiteral("Dieses Turnier wird ohne Sätze gespielt: bitte die Tore "
                                            "eingeben."))
            : ReadRefereeScore(form.Score, withSets);
    if (const auto* refusal = std::get_if<QString>(&score)) {
        logRefusal(QStringLiteral("abgelehnt, ") + *refusal);
        answer.NoticeText = *refusal + QStringLiteral(" Nichts wurde gesendet.");
        return pageResponse(request, 422, answer, false);
    }
    const RefereeScore& read = std::get<RefereeScore>(score);
    const QString words = ScoreInWords(game->Game.TeamA, game->Game.TeamB, read.Entry);
    const ResultInbox::Receipt receipt =
        m_inbox.receive(field, form.Group, form.Game, read, QDateTime::currentDateTime());
    m_tokens.markUsed(form.Token, now);
    answer = page(source, field, code, now);
    answer.NoticeKind = RefereePage::Notice::Done;
    int status = 200;
    switch (receipt.Outcome) {
    case ResultInbox::Verdict::Waiting:
        answer.NoticeText =
            QStringLiteral("Gesendet: ") + words +
            QStringLiteral(". Der Turniertisch prüft das Ergebnis (Nr. %1).").arg(receipt.Number);
        if (receipt.Replaced)
            answer.NoticeText += QStringLiteral(" Es ersetzt die vorige Eingabe für dieses Spiel.");
        break;
    case ResultInbox::Verdict::Applied:
        answer.NoticeText = QStringLiteral("Übernommen: ") + words + u'.';
        break;
    case ResultInbox::Verdict::AlreadyStored:
        answer.NoticeText = QStringLiteral("Dieses Ergebnis ist schon eingetragen: ") + words + u'.';
        break;
    case ResultInbox::Verdict::Conflict:
        status = 409;
        answer.NoticeKind = RefereePage::Notice::Refused;
        answer.NoticeText =
            QStringLiteral("Für dieses Spiel ist schon %1 eingetragen. ").arg(receipt.Stored) +
            (receipt.Number > 0 ? QStringLiteral("Der Turniertisch entscheidet über %1 (Nr. %2).")
                                      .arg(words)
                                      .arg(receipt.Number)
                                : QStringLiteral("%1 wurde nicht übernommen; bitte beim "
                                                 "Turniertisch melden.")
                                      .arg(words));
        break;
    }
    return pageResponse(request, status, answer, false);
}
