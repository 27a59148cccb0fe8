#include "net/LiveSite.h"

#include "live/LiveStateParts.h"
#include "live/RefereePage.h"
#include "live/WebPages.h"
#include "net/RefereeDesk.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QStringDecoder>

namespace {
const QByteArray HtmlType = QByteArrayLiteral("text/html; charset=utf-8");
const QByteArray JsonType = QByteArrayLiteral("application/json; charset=utf-8");
const QByteArray TextType = QByteArrayLiteral("text/plain; charset=utf-8");

QByteArray EntityTag(const QByteArray& body)
{
    return '"' + QCryptographicHash::hash(body, QCryptographicHash::Sha1).toHex().left(24) + '"';
}

// The tag of one form of a page, from the fingerprint of what the page shows.
QByteArray StateTag(quint64 salt, const QString& key, quint64 fingerprint, char form)
{
    const quint64 tag = qHashMulti(salt, key, fingerprint, form);
    return '"' + QByteArray::number(tag, 16).rightJustified(16, '0') + '"';
}

// The path's segments, percent-decoded; none when a segment is not UTF-8 (or the path is not
// absolute). "/" has no segments.
std::optional<QStringList> PathSegments(const QByteArray& path)
{
    if (!path.startsWith('/'))
        return std::nullopt;
    QStringList segments;
    if (path == "/")
        return segments;
    for (const QByteArray& encoded : path.mid(1).split('/')) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString segment = decoder.decode(QByteArray::fromPercentEncoding(encoded));
        if (decoder.hasError() || segment.contains(QChar(0)))
            return std::nullopt;
        segments << segment;
    }
    return segments;
}

// A round or field number exactly as the pages write it; 0 otherwise.
int RouteNumber(const QString& text)
{
    bool ok = false;
    const int number = text.size() <= 3 ? text.toInt(&ok) : 0;
    return ok && QString::number(number) == text ? number : 0;
}

bool IsPageRoute(const QStringList& route)
{
    static const QStringList kinds{QStringLiteral("runde"), QStringLiteral("platz"),
                                   QStringLiteral("mannschaft")};
    return route.isEmpty() || (route.size() == 2 && kinds.contains(route.at(0)));
}

// "/platz/F/eingabe" of a field that may exist.
bool IsEntryRoute(const QStringList& route)
{
    return route.size() == 3 && route.at(0) == QStringLiteral("platz") && RouteNumber(route.at(1)) > 0 &&
           route.at(2) == QStringLiteral("eingabe");
}

// The files of the pages, built into the program.
struct Resource {
    QString Path;
    QByteArray Type;
    QByteArray Body;
    QByteArray Tag;
};

const Resource* FindResource(const QString& path)
{
    static const std::vector<Resource> resources = [] {
        std::vector<Resource> built{
            {LiveStylePath(), "text/css; charset=utf-8", LiveStyleSheet(), {}},
            {LiveScriptPath(), "text/javascript; charset=utf-8", LiveScript(), {}},
            {LiveIconPath(), "image/svg+xml", LiveIcon(), {}},
            {RefereeScriptPath(), "text/javascript; charset=utf-8", RefereeScript(), {}}};
        for (Resource& resource : built)
            resource.Tag = EntityTag(resource.Body);
        return built;
    }();
    for (const Resource& resource : resources)
        if (resource.Path == path)
            return &resource;
    return nullptr;
}

bool MatchesTag(const QByteArray& ifNoneMatch, const QByteArray& tag)
{
    for (QByteArray candidate : ifNoneMatch.split(',')) {
        candidate = candidate.trimmed();
        if (candidate.startsWith("W/"))
            candidate = candidate.mid(2);
        if (candidate == tag || candidate == "*")
            return true;
    }
    return false;
}

QByteArray NotFoundPage()
{
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
               "<title>Nicht gefunden</title>\n<link rel=\"stylesheet\" href=\"%1\">\n</head>\n"
               "<body>\n<h1>Diese Seite gibt es nicht.</h1>\n<p><a href=\"%2\">Zur Übersicht</a></p>\n"
               "</body>\n</html>\n")
        .arg(LiveStylePath(), LiveIndexPath())
        .toUtf8();
}

// The page of a route, built from the tournament as it is now.
std::optional<WebPage> BuildPage(const TournamentState& state, const TextGrid& plan, const QStringList& route)
{
    if (route.isEmpty())
        return LiveIndexPage(state, plan);
    if (route.at(0) == QStringLiteral("runde"))
        return LiveRoundPage(state, plan, RouteNumber(route.at(1)));
    if (route.at(0) == QStringLiteral("platz"))
        return LiveFieldPage(state, plan, RouteNumber(route.at(1)));
    return LiveTeamPage(state, plan, route.at(1));
}

} // namespace

LiveResponse PlainResponse(const LiveRequest& request, int status, const QByteArray& contentType,
                           const QByteArray& body)
{
    LiveResponse response;
    response.Status = status;
    response.ContentLength = body.size();
    response.Body = request.Method == "HEAD" ? QByteArray() : body;
    response.Headers = {{"Content-Type", contentType}, {"Cache-Control", "no-store"}};
    if (status == 405)
        response.Headers.push_back({"Allow", "GET, HEAD"});
    for (const auto& header : SecurityHeaders())
        response.Headers.push_back(header);
    return response;
}

HttpHeaders SecurityHeaders()
{
    return {{"Content-Security-Policy", "default-src 'none'; script-src 'self'; style-src 'self'; "
                                        "img-src 'self'; connect-src 'self'; base-uri 'none'; "
                                        "form-action 'self'; frame-ancestors 'none'"},
            {"X-Content-Type-Options", "nosniff"},
            {"Referrer-Policy", "no-referrer"},
            {"X-Frame-Options", "DENY"}};
}

QByteArray ReasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 304:
        return "Not Modified";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 409:
        return "Conflict";
    case 413:
        return "Payload Too Large";
    case 415:
        return "Unsupported Media Type";
    case 422:
        return "Unprocessable Content";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 501:
        return "Not Implemented";
    case 503:
        return "Service Unavailable";
    default:
        return "Error";
    }
}

QByteArray RawResponse(int status, const QByteArray& text)
{
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(status) + ' ' + ReasonPhrase(status) + "\r\n";
    HttpHeaders headers{{"Content-Type", TextType},
                        {"Content-Length", QByteArray::number(text.size())},
                        {"Cache-Control", "no-store"},
                        {"Connection", "close"}};
    for (const auto& header : SecurityHeaders())
        headers.push_back(header);
    for (const auto& [name, value] : headers)
        bytes += name + ": " + value + "\r\n";
    return bytes + "\r\n" + text;
}

LiveSite::LiveSite(SourceReader source)
    : m_source(std::move(source)), m_salt(QRandomGenerator::global()->generate64())
{
}

LiveSite::~LiveSite() = default;

void LiveSite::tournamentChanged()
{
    m_parts.reset();
}

LiveResponse LiveSite::respond(const LiveRequest& request)
{
    const std::optional<QStringList> segments = PathSegments(request.Path);
    if (!segments)
        return PlainResponse(request, 400, TextType, QByteArrayLiteral("Die Adresse ist ungültig.\n"));
    const bool json = !segments->isEmpty() && segments->first() == QStringLiteral("daten");
    const QStringList route = json ? segments->mid(1) : *segments;
    if (IsEntryRoute(route) && m_desk)
        return m_desk->respond(request, RouteNumber(route.at(1)), json);
    const Resource* resource = segments->size() == 1 ? FindResource(u'/' + segments->first()) : nullptr;
    if (!resource && !IsPageRoute(route))
        return PlainResponse(request, 404, HtmlType, NotFoundPage());
    if (request.Method != "GET" && request.Method != "HEAD")
        return PlainResponse(request, 405, TextType, QByteArrayLiteral("Nur GET und HEAD.\n"));
    if (resource)
        return answer(request, resource->Type, resource->Body, resource->Tag);
    return answerPage(request, route, json);
}

LiveResponse LiveSite::answerPage(const LiveRequest& request, const QStringList& route, bool json)
{
    const LiveSource source = m_source();
    if (!source.State || !source.TimePlan)
        return PlainResponse(request, 404, HtmlType, NotFoundPage());
    if (!m_parts)
        m_parts = std::make_unique<LiveStateParts>(ReadLiveStateParts(*source.State, *source.TimePlan));
    const QString key = route.join(u'/');
    std::optional<WebPage> built;
    CachedPage* page = currentPage(key, source, built, route);
    if (!page)
        return PlainResponse(request, 404, HtmlType, NotFoundPage());
    const QByteArray& tag = json ? page->DataTag : page->PageTag;
    QByteArray& body = json ? page->Json : page->Html;
    if (body.isEmpty() && !MatchesTag(request.IfNoneMatch, tag)) {
        // Built now from the state the fingerprint was taken of: nothing changes in between.
        if (!built)
            built = BuildPage(*source.State, *source.TimePlan, route);
        if (!built)
            return PlainResponse(request, 404, HtmlType, NotFoundPage());
        body = json ? WebPageJson(*built) : WebPageHtml(*built, page->DataTag);
    }
    return json ? answer(request, JsonType, page->Json, page->DataTag)
                : answer(request, HtmlType, page->Html, page->PageTag);
}

LiveSite::CachedPage* LiveSite::currentPage(const QString& key, const LiveSource& source,
                                            std::optional<WebPage>& built, const QStringList& route)
{
    const auto cached = m_pages.find(key);
    if (cached != m_pages.end() &&
        PageFingerprint(*m_parts, cached->SourceRounds, cached->ReadsEveryRound) == cached->Fingerprint)
        return &*cached;
    built = BuildPage(*source.State, *source.TimePlan, route);
    if (!built) {
        m_pages.remove(key);
        return nullptr;
    }
    CachedPage page;
    page.SourceRounds = built->SourceRounds;
    page.ReadsEveryRound = built->ReadsEveryRound;
    page.Fingerprint = PageFingerprint(*m_parts, page.SourceRounds, page.ReadsEveryRound);
    page.DataTag = StateTag(m_salt, key, page.Fingerprint, 'd');
    page.PageTag = StateTag(m_salt, key, page.Fingerprint, 's');
    return &*m_pages.insert(key, std::move(page));
}

LiveResponse LiveSite::answer(const LiveRequest& request, const QByteArray& contentType,
                              const QByteArray& body, const QByteArray& tag) const
{
    LiveResponse response;
    // Every answer is checked again: a phone keeps a page only as long as it is current.
    response.Headers = {{"Content-Type", contentType}, {"ETag", tag}, {"Cache-Control", "no-cache"}};
    for (const auto& header : SecurityHeaders())
        response.Headers.push_back(header);
    if (MatchesTag(request.IfNoneMatch, tag)) {
        response.Status = 304;
        response.ContentLength = -1;
        return response;
    }
    response.ContentLength = body.size();
    if (request.Method != "HEAD")
        response.Body = body;
    return response;
}
