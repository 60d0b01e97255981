#pragma once

#include <QString>

#include <atomic>

struct MHD_Daemon;

namespace corvanel::web {

class ServedSite;

// corvanel-serve's HTTP/1.1 server (libmicrohttpd): keep-alive, a pool of
// worker threads, idle timeouts, limits on requests, and the headers every
// answer carries. Only GET and HEAD are served.
class HttpServer {
public:
    HttpServer(const ServedSite& site, int threads);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Listens on "HOST:PORT" ("127.0.0.1:8080", "[::1]:8080"); false with
    // the reason in problem.
    bool listen(const QString& address, QString& problem);
    // The port listened on (the one chosen when 0 was asked).
    int port() const;
    // Stops taking connections, lets those in flight finish for up to
    // seconds, then stops.
    void drain(int seconds);

private:
    friend struct RequestAnswer;

    const ServedSite& site_;
    int threads_;
    MHD_Daemon* daemon_ = nullptr;
    // Requests begun and not yet ended, for drain() to wait for.
    std::atomic<int> inFlight_{0};
    // While draining, every answer closes its connection.
    std::atomic<bool> draining_{false};
};

}  // namespace corvanel::web
