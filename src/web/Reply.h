#pragma once

#include "ServedFile.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace corvanel::web {

// What a route answers. The server adds the headers every answer carries.
struct Reply {
    enum class Kind {
        SitePage,    // our own pages and API: the site's policy
        Collection,  // a file of the collection: untrusted, its own policy
    };
    int status = 200;
    QByteArray contentType = "text/html; charset=utf-8";
    QByteArray body;
    // When open, the body is this file as it is on the disk.
    ServedFile file;
    Kind kind = Kind::SitePage;
    std::vector<std::pair<QByteArray, QByteArray>> headers;
};

// A request as the routes see it: its path and query arguments decoded and
// checked as UTF-8, the arguments in their order.
struct Request {
    QString path;
    std::vector<std::pair<QString, QString>> arguments;

    QString argument(QStringView name) const {
        for (const auto& [key, value] : arguments) {
            if (key == name) {
                return value;
            }
        }
        return {};
    }
    bool has(QStringView name) const {
        for (const auto& argument : arguments) {
            if (argument.first == name) {
                return true;
            }
        }
        return false;
    }
};

}  // namespace corvanel::web
