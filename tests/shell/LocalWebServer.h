#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

namespace corvanel::testing {

// A web server on this computer standing in for a site on the network: it
// serves a few fixed files and remembers every path asked for.
class LocalWebServer final : public QObject {
public:
    LocalWebServer() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QString address(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }

    void serve(const QString& path, const QByteArray& contentType, const QByteArray& body) {
        files_.insert(path, "Content-Type: " + contentType + "\r\nContent-Length: " +
                                QByteArray::number(body.size()) + "\r\n\r\n" + body);
    }

    QStringList requests;

private:
    void answer(QTcpSocket* socket) {
        if (!socket->canReadLine()) {
            return;
        }
        const QString path = QString::fromLatin1(socket->readLine().split(' ').value(1));
        requests << path;
        const auto file = files_.constFind(path.section(u'?', 0, 0));
        socket->write(file == files_.cend()
                          ? QByteArray("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n")
                          : "HTTP/1.1 200 OK\r\nConnection: close\r\n" + *file);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QString, QByteArray> files_;
};

}  // namespace corvanel::testing
