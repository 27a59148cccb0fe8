#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class TextGrid;
struct TournamentState;

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
// A whole answer as bytes, for a refusal before any request could be read.
QByteArray RawResponse(int status, const QByteArray& text);
QByteArray ReasonPhrase(int status);

// The routes of the live plan, read-only: "/", "/runde/N", "/platz/F", "/mannschaft/NAME", the
// JSON of each under "/daten", the stylesheet and the script. Only GET and HEAD; nothing is read
// from disk. Each page is built once per state of the tournament and answered from the cache
// until tournamentChanged(); its entity tag is a hash of its bytes.
class LiveSite {
public:
    using SourceReader = std::function<LiveSource()>;

    explicit LiveSite(SourceReader source);

    LiveResponse respond(const LiveRequest& request);
    // The tournament or its time plan changed: every page is built anew on its next request.
    void tournamentChanged();

private:
    struct BuiltPage {
        QByteArray Html;
        QByteArray HtmlTag;
        QByteArray Json;
        QByteArray JsonTag;
    };
    std::optional<BuiltPage> page(const QStringList& route);
    LiveResponse answer(const LiveRequest& request, const QByteArray& contentType, const QByteArray& body,
                        const QByteArray& tag) const;

    SourceReader m_source;
    QHash<QString, BuiltPage> m_pages; // by route, for the current state
};
