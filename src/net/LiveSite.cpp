#include "net/LiveSite.h"

#include "live/WebPages.h"

#include <QCryptographicHash>
#include <QStringDecoder>

namespace {
const QByteArray HtmlType = QByteArrayLiteral("text/html; charset=utf-8");
const QByteArray JsonType = QByteArrayLiteral("application/json; charset=utf-8");
const QByteArray TextType = QByteArrayLiteral("text/plain; charset=utf-8");

QByteArray EntityTag(const QByteArray& body)
{
    return '"' + QCryptographicHash::hash(body, QCryptographicHash::Sha1).toHex().left(24) + '"';
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
        std::vector<Resource> built{{LiveStylePath(), "text/css; charset=utf-8", LiveStyleSheet(), {}},
                                    {LiveScriptPath(), "text/javascript; charset=utf-8", LiveScript(), {}},
                                    {LiveIconPath(), "image/svg+xml", LiveIcon(), {}}};
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

LiveResponse ErrorResponse(const LiveRequest& request, int status, const QByteArray& contentType,
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
} // namespace

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
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 413:
        return "Payload Too Large";
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

LiveSite::LiveSite(SourceReader source) : m_source(std::move(source)) {}

void LiveSite::tournamentChanged()
{
    m_pages.clear();
}

LiveResponse LiveSite::respond(const LiveRequest& request)
{
    const std::optional<QStringList> segments = PathSegments(request.Path);
    if (!segments)
        return ErrorResponse(request, 400, TextType, QByteArrayLiteral("Die Adresse ist ungültig.\n"));
    const bool json = !segments->isEmpty() && segments->first() == QStringLiteral("daten");
    const QStringList route = json ? segments->mid(1) : *segments;
    const Resource* resource = segments->size() == 1 ? FindResource(u'/' + segments->first()) : nullptr;
    if (!resource && !IsPageRoute(route))
        return ErrorResponse(request, 404, HtmlType, NotFoundPage());
    if (request.Method != "GET" && request.Method != "HEAD")
        return ErrorResponse(request, 405, TextType, QByteArrayLiteral("Nur GET und HEAD.\n"));
    if (resource)
        return answer(request, resource->Type, resource->Body, resource->Tag);
    const std::optional<BuiltPage> built = page(route);
    if (!built)
        return ErrorResponse(request, 404, HtmlType, NotFoundPage());
    return json ? answer(request, JsonType, built->Json, built->JsonTag)
                : answer(request, HtmlType, built->Html, built->HtmlTag);
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

std::optional<LiveSite::BuiltPage> LiveSite::page(const QStringList& route)
{
    const QString key = route.join(u'/');
    if (const auto cached = m_pages.constFind(key); cached != m_pages.constEnd())
        return *cached;
    const LiveSource source = m_source();
    if (!source.State || !source.TimePlan)
        return std::nullopt;
    const TournamentState& state = *source.State;
    const TextGrid& plan = *source.TimePlan;
    std::optional<WebPage> page;
    if (route.isEmpty())
        page = LiveIndexPage(state, plan);
    else if (route.at(0) == QStringLiteral("runde"))
        page = LiveRoundPage(state, plan, RouteNumber(route.at(1)));
    else if (route.at(0) == QStringLiteral("platz"))
        page = LiveFieldPage(state, plan, RouteNumber(route.at(1)));
    else
        page = LiveTeamPage(state, plan, route.at(1));
    if (!page)
        return std::nullopt;
    BuiltPage built;
    built.Json = WebPageJson(*page);
    built.JsonTag = EntityTag(built.Json);
    built.Html = WebPageHtml(*page, built.JsonTag);
    built.HtmlTag = EntityTag(built.Html);
    m_pages.insert(key, built);
    return built;
}
