#include "HttpServer.h"

#include "RequestLimits.h"
#include "ServedSite.h"
#include "SiteFrame.h"

#include <QDebug>
#include <QHostAddress>
#include <QStringDecoder>

#include <microhttpd.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <thread>

namespace corvanel::web {

namespace {

using namespace Qt::Literals::StringLiterals;

// Our own pages: nothing from elsewhere, no frames of others around them.
constexpr char kSitePolicy[] =
    "default-src 'self'; script-src 'self'; style-src 'self'; img-src 'self' data:; "
    "frame-src 'self'; object-src 'none'; base-uri 'none'; form-action 'self'; "
    "frame-ancestors 'none'";
// The collection's pages: their scripts run in a sandbox of no origin and
// reach nothing beyond the collection's own files; only our frame holds them.
constexpr char kCollectionPolicy[] =
    "sandbox allow-scripts allow-modals allow-popups; default-src 'none'; "
    "script-src 'self' 'unsafe-inline'; style-src 'self' 'unsafe-inline'; "
    "img-src 'self' data:; font-src 'self'; media-src 'self'; connect-src 'none'; "
    "form-action 'none'; base-uri 'none'; frame-ancestors 'self'";

// Percent-decoded text of part of the address; none when it is not UTF-8
// or holds a NUL, which would cut a file name short further down.
std::optional<QString> decoded(QByteArrayView raw, bool plusIsBlank) {
    QByteArray bytes = raw.toByteArray();
    if (plusIsBlank) {
        bytes.replace('+', ' ');
    }
    bytes = QByteArray::fromPercentEncoding(bytes);
    if (bytes.contains('\0')) {
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

// The request target as the client sent it, kept by the library from the
// start of each request to its end.
struct RawTarget {
    QByteArray target;
    // The library closes a connection whose answer was queued before the
    // request was read to its end, so a reading request is answered on the
    // second call, never the first.
    bool headersRead = false;
};

void logLibraryMessage(void*, const char* format, va_list arguments) {
    std::fputs("corvanel-serve (HTTP): ", stderr);
    std::vfprintf(stderr, format, arguments);
}

struct Gathered {
    std::size_t bytes = 0;
    std::size_t count = 0;
};

MHD_Result countHeader(void* target, MHD_ValueKind, const char* key, const char* value) noexcept {
    auto& gathered = *static_cast<Gathered*>(target);
    ++gathered.count;
    gathered.bytes += std::strlen(key) + (value != nullptr ? std::strlen(value) : 0) + 4;
    return MHD_YES;
}

bool isReading(const char* method) {
    return std::strcmp(method, "GET") == 0 || std::strcmp(method, "HEAD") == 0;
}

bool isApi(const QString& path) {
    return path.startsWith(u"/api/");
}

// The library leaves the body out of an answer to HEAD by itself.
MHD_Response* responseOf(Reply& reply) {
    if (!reply.file.isOpen()) {
        return MHD_create_response_from_buffer(static_cast<std::size_t>(reply.body.size()),
                                               const_cast<char*>(reply.body.constData()),
                                               MHD_RESPMEM_MUST_COPY);
    }
    // The library closes the file with the response, and only then.
    const std::uint64_t size = reply.file.size();
    const int descriptor = reply.file.release();
    MHD_Response* response = MHD_create_response_from_fd64(size, descriptor);
    if (response == nullptr) {
        ::close(descriptor);
    }
    return response;
}

MHD_Result send(MHD_Connection* connection, Reply reply, bool closing) {
    MHD_Response* response = responseOf(reply);
    if (response == nullptr) {
        return MHD_NO;
    }
    MHD_add_response_header(response, "Content-Type", reply.contentType.constData());
    MHD_add_response_header(response, "X-Content-Type-Options", "nosniff");
    MHD_add_response_header(response, "Referrer-Policy", "no-referrer");
    const bool collection = reply.kind == Reply::Kind::Collection;
    MHD_add_response_header(response, "Content-Security-Policy",
                            collection ? kCollectionPolicy : kSitePolicy);
    MHD_add_response_header(response, "X-Frame-Options", collection ? "SAMEORIGIN" : "DENY");
    MHD_add_response_header(response, "Cross-Origin-Opener-Policy", "same-origin");
    for (const auto& [name, value] : reply.headers) {
        MHD_add_response_header(response, name.constData(), value.constData());
    }
    if (closing) {
        MHD_add_response_header(response, "Connection", "close");
    }
    const MHD_Result queued =
        MHD_queue_response(connection, static_cast<unsigned>(reply.status), response);
    MHD_destroy_response(response);
    return queued;
}

Reply refusal(int status, const QString& path, const QString& message) {
    qWarning().noquote() << status << path.left(200) << ":" << message;
    return errorPage(status, message);
}

}  // namespace

// The one place a request turns into an answer; never lets an exception
// into the library.
struct RequestAnswer {
    // The library tells of each request's start and end.
    static void* begin(void* self, const char* uri, MHD_Connection*) noexcept {
        ++static_cast<HttpServer*>(self)->inFlight_;
        return std::make_unique<RawTarget>(RawTarget{QByteArray(uri)}).release();
    }
    static void end(void* self, MHD_Connection*, void** state,
                    MHD_RequestTerminationCode) noexcept {
        std::unique_ptr<RawTarget>(static_cast<RawTarget*>(*state)).reset();
        *state = nullptr;
        --static_cast<HttpServer*>(self)->inFlight_;
    }

    static MHD_Result answer(void* self, MHD_Connection* connection, const char*,
                             const char* method, const char*, const char*, std::size_t* uploadSize,
                             void** state) noexcept {
        auto* target = static_cast<RawTarget*>(*state);
        // A body is refused at its first chunk; the rest is read and dropped.
        if (*uploadSize != 0) {
            *uploadSize = 0;
            if (target == nullptr || target->target.isNull()) {
                return MHD_YES;
            }
        }
        if (target == nullptr || target->target.isNull()) {
            return MHD_NO;
        }
        if (!std::exchange(target->headersRead, true) && isReading(method)) {
            return MHD_YES;
        }
        const QByteArray raw = std::exchange(target->target, QByteArray());
        return respond(*static_cast<HttpServer*>(self), connection, raw, method);
    }

    static MHD_Result respond(const HttpServer& server, MHD_Connection* connection,
                              const QByteArray& target, const char* method) noexcept {
        try {
            if (!isReading(method)) {
                // Its body is never read: the connection closes after the answer.
                return send(connection,
                            errorPage(405, u"Este endereço só atende pedidos de leitura (GET)."_s),
                            true);
            }
            return send(connection, reply(server, connection, target), server.draining_);
        } catch (const std::exception& error) {
            qWarning().noquote() << "falha ao responder:" << error.what();
            return MHD_NO;
        }
    }

    static Reply reply(const HttpServer& server, MHD_Connection* connection,
                       const QByteArray& target) {
        const qsizetype question = target.indexOf('?');
        const QByteArray rawPath = question < 0 ? target : target.left(question);
        const QByteArray rawQuery = question < 0 ? QByteArray() : target.mid(question + 1);
        const std::optional<QString> path = decoded(rawPath, false);
        const QString shownPath = path.value_or(QString::fromLatin1(rawPath.left(200)));
        if (static_cast<std::size_t>(rawPath.size()) > RequestLimits::kPath) {
            return refusal(414, shownPath, u"Endereço longo demais."_s);
        }
        if (static_cast<std::size_t>(rawQuery.size()) > RequestLimits::kQuery) {
            return refusal(414, shownPath, u"Busca longa demais."_s);
        }
        if (!path) {
            return refusal(400, shownPath,
                           u"Endereço inválido: não é texto UTF-8 ou contém caracteres nulos."_s);
        }
        Gathered headers;
        MHD_get_connection_values(connection, MHD_HEADER_KIND, &countHeader, &headers);
        if (headers.count > RequestLimits::kHeaders ||
            headers.bytes > RequestLimits::kHeaderBytes) {
            return refusal(431, *path, u"Cabeçalhos demais no pedido."_s);
        }
        Request request;
        request.path = *path;
        const QList<QByteArray> pairs =
            rawQuery.isEmpty() ? QList<QByteArray>() : rawQuery.split('&');
        if (static_cast<std::size_t>(pairs.size()) > RequestLimits::kArguments) {
            return refusal(414, *path, u"Busca longa demais."_s);
        }
        for (const QByteArray& pair : pairs) {
            if (pair.isEmpty()) {
                continue;
            }
            const qsizetype equals = pair.indexOf('=');
            const auto name = decoded(equals < 0 ? pair : pair.left(equals), true);
            const auto value = decoded(equals < 0 ? QByteArray() : pair.mid(equals + 1), true);
            if (!name || !value) {
                return refusal(400, *path,
                               u"Busca inválida: não é texto UTF-8 ou contém caracteres nulos."_s);
            }
            request.arguments.emplace_back(*name, *value);
        }
        Reply answer = server.site_.current()->route(request);
        if (answer.status >= 400 && answer.status != 404) {
            qWarning().noquote() << answer.status << path->left(200);
        }
        if (isApi(*path) && answer.status == 200) {
            answer.headers.emplace_back("Access-Control-Allow-Origin", "*");
        }
        return answer;
    }
};

HttpServer::HttpServer(const ServedSite& site, int threads) : site_(site), threads_(threads) {}

HttpServer::~HttpServer() {
    if (daemon_ != nullptr) {
        MHD_stop_daemon(daemon_);
    }
}

bool HttpServer::listen(const QString& address, QString& problem) {
    const qsizetype colon = address.lastIndexOf(u':');
    bool portOk = false;
    const int port = colon < 0 ? -1 : address.mid(colon + 1).toInt(&portOk);
    QString host = colon < 0 ? QString() : address.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']')) {
        host = host.mid(1, host.size() - 2);
    }
    const QHostAddress hostAddress(host);
    if (!portOk || port < 0 || port > 65535 || hostAddress.isNull()) {
        problem =
            u"Endereço de escuta inválido: %1 (use IP:PORTA, como 127.0.0.1:8080)."_s.arg(address);
        return false;
    }
    sockaddr_storage socketAddress{};
    unsigned flags =
        MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL | MHD_USE_ITC | MHD_USE_ERROR_LOG;
    if (hostAddress.protocol() == QAbstractSocket::IPv6Protocol) {
        auto* in6 = reinterpret_cast<sockaddr_in6*>(&socketAddress);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(static_cast<std::uint16_t>(port));
        const Q_IPV6ADDR bytes = hostAddress.toIPv6Address();
        std::memcpy(&in6->sin6_addr, &bytes, sizeof bytes);
        flags |= MHD_USE_IPv6;
    } else {
        auto* in4 = reinterpret_cast<sockaddr_in*>(&socketAddress);
        in4->sin_family = AF_INET;
        in4->sin_port = htons(static_cast<std::uint16_t>(port));
        in4->sin_addr.s_addr = htonl(hostAddress.toIPv4Address());
    }
    daemon_ = MHD_start_daemon(
        flags, static_cast<std::uint16_t>(port), nullptr, nullptr, &RequestAnswer::answer, this,
        MHD_OPTION_EXTERNAL_LOGGER, &logLibraryMessage, nullptr, MHD_OPTION_SOCK_ADDR,
        &socketAddress, MHD_OPTION_THREAD_POOL_SIZE, static_cast<unsigned>(threads_),
        MHD_OPTION_CONNECTION_TIMEOUT, RequestLimits::kIdleSeconds, MHD_OPTION_CONNECTION_LIMIT,
        RequestLimits::kConnections, MHD_OPTION_CONNECTION_MEMORY_LIMIT,
        RequestLimits::kConnectionMemory, MHD_OPTION_URI_LOG_CALLBACK, &RequestAnswer::begin, this,
        MHD_OPTION_NOTIFY_COMPLETED, &RequestAnswer::end, this, MHD_OPTION_END);
    if (daemon_ == nullptr) {
        problem =
            u"Não foi possível escutar em %1 (endereço em uso ou sem permissão)."_s.arg(address);
        return false;
    }
    return true;
}

int HttpServer::port() const {
    const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_BIND_PORT);
    return info != nullptr ? info->port : 0;
}

void HttpServer::drain(int seconds) {
    if (daemon_ == nullptr) {
        return;
    }
    // No new connection; each open one closes after its next answer; the
    // requests in flight are let finish, until none has come for a while.
    draining_ = true;
    MHD_quiesce_daemon(daemon_);
    constexpr auto kQuiet = std::chrono::milliseconds(300);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    auto quietSince = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < until) {
        const auto now = std::chrono::steady_clock::now();
        if (inFlight_ > 0) {
            quietSince = now;
        } else if (now - quietSince >= kQuiet) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    MHD_stop_daemon(daemon_);
    daemon_ = nullptr;
}

}  // namespace corvanel::web
