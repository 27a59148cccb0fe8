#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class RefereeDesk;
class TextGrid;
struct LiveStateParts;
struct TournamentState;
struct WebPage;

// What the live pages read: the tournament and the time plan (the one the desk shows).
struct LiveSource {
    const TournamentState* State = nullptr;
    const TextGrid* TimePlan = nullptr;
};

using HttpHeaders = std::vector<std::pair<QByteArray, QByteArray>>;

struct LiveRequest {
    QByteArray Method;      // "GET", "HEAD", ...
    QByteArray Path;        // as sent: percent-encoded, without the query
    QByteArray IfNoneMatch; // the entity tags the client has
    QByteArray Query;       // as sent, without the "?"
    QByteArray ContentType;
    QByteArray Body;
    QHostAddress Peer;
};

struct LiveResponse {
    int Status = 200;
    QByteArray Body;          // empty for HEAD and 304
    qint64 ContentLength = 0; // of the body a GET gets; -1: no Content-Length (304)
    HttpHeaders Headers;      // Content-Type, ETag, caching and the security headers
};

// The headers every answer carries, also the refusals of the connection guard: a content
// policy that allows only this server's own stylesheet, script and JSON, no sniffing, no referrer,
// no framing.
HttpHeaders SecurityHeaders();
// An answer with a short text or page and no caching, for errors and for the entry pages.
LiveResponse PlainResponse(const LiveRequest& request, int status, const QByteArray& contentType,
                           const QByteArray& body);
// A whole answer as bytes, for a refusal before any request could be read.
QByteArray RawResponse(int status, const QByteArray& text);
QByteArray ReasonPhrase(int status);

// The routes of the live plan: "/", "/runde/N", "/platz/F", "/mannschaft/NAME", the JSON of each
// under "/daten", the stylesheet and the scripts, read-only (GET and HEAD), and with a referees'
// desk the entry pages of the fields, the only route that takes a POST. Nothing is read from disk. A page's
// entity tags come from the fingerprint of what it shows, so a phone whose page is current gets its 304
// without the page being built; each page is built once per state of what it shows, the HTML and the JSON
// each only when asked for, and a change to the tournament rebuilds only the pages that show what changed.
class LiveSite {
public:
    using SourceReader = std::function<LiveSource()>;

    explicit LiveSite(SourceReader source);
    ~LiveSite();

    LiveResponse respond(const LiveRequest& request);
    // The tournament or its time plan changed: what each page shows is read again on the next
    // request, and the pages whose part changed are built anew.
    void tournamentChanged();
    // With a desk the fields' entry pages "/platz/F/eingabe" take results; without, they do not exist.
    void setRefereeDesk(RefereeDesk* desk) { m_desk = desk; }

private:
    struct CachedPage {
        quint64 Fingerprint = 0;
        std::vector<int> SourceRounds;
        bool ReadsEveryRound = false;
        QByteArray DataTag;
        QByteArray PageTag;
        QByteArray Json; // each built when first asked for
        QByteArray Html;
    };
    LiveResponse answerPage(const LiveRequest& request, const QStringList& route, bool json);
    // The page of the route as it stands now; a new entry when the cached one is stale.
    CachedPage* currentPage(const QString& key, const LiveSource& source, std::optional<WebPage>& built,
                            const QStringList& route);
    LiveResponse answer(const LiveRequest& request, const QByteArray& contentType, const QByteArray& body,
                        const QByteArray& tag) const;

    SourceReader m_source;
    RefereeDesk* m_desk = nullptr;
    quint64 m_salt;                          // tags of an earlier run of the server never match
    std::unique_ptr<LiveStateParts> m_parts; // read again after each change
    QHash<QString, CachedPage> m_pages;      // by route
};
