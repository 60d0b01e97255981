#pragma once

#include "HttpServer.h"
#include "ServedSite.h"
#include "TestCollection.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>

namespace corvanel::testing {

// An answer read off the wire.
struct HttpAnswer {
    int status = 0;
    std::map<QByteArray, QByteArray> headers;  // names in lower case
    QByteArray body;

    QByteArray header(const QByteArray& name) const {
        const auto found = headers.find(name);
        return found != headers.end() ? found->second : QByteArray();
    }
};

// Sends these bytes as they are on a new connection to a loopback port and
// reads the answer until the server closes it.
HttpAnswer sendRaw(int port, const QByteArray& request);
HttpAnswer httpGet(int port, const QByteArray& target);

// A test collection served by corvanel-serve's own server on a loopback
// port: the fixture cards, enough cards of one word to fill three pages,
// court decisions, and a page for each card in its content folder.
class ServedCollection {
public:
    ServedCollection();

    HttpAnswer raw(const QByteArray& request) const { return sendRaw(port(), request); }
    HttpAnswer get(const QByteArray& target) const { return httpGet(port(), target); }

    const TestCollection& collection() const { return collection_; }
    int port() const { return server_->port(); }

    static constexpr int kCommonCards = 230;

private:
    TestCollection collection_;
    std::unique_ptr<web::ServedSite> site_;
    std::unique_ptr<web::HttpServer> server_;
};

// One served collection for the whole test program.
const ServedCollection& servedCollection();

}  // namespace corvanel::testing
