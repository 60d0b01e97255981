#include "ServedCollection.h"

#include "Site.h"

#include <QFile>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace corvanel::testing {

namespace {

QList<TestCard> servedCards() {
    QList<TestCard> cards = fixtureCards(q("listings.jsonl"));
    for (int i = 0; i < ServedCollection::kCommonCards; ++i) {
        const QString section = QStringList{q("A"), q("B"), q("D"), q("E")}[i % 4];
        cards << card(1000 + i, q("Documento comum %1").arg(i, 3, 10, QChar(u'0')),
                      q("Autoria %1").arg(i % 7), section, section + q("02"), q("comum"),
                      {q("Texto comum número %1 sobre a proteção integral.").arg(i)});
    }
    cards << card(5001, q("Apelação cível"), q("TJ"), q("C"), q("C11"), q("decisão"),
                  {q("EMENTA. Guarda compartilhada e proteção integral da criança.")});
    cards << card(5002, q("Agravo"), q("STJ"), q("H"), q("C11"), q("decisão"),
                  {q("Agravo sobre proteção integral e convivência familiar.")});
    // "guarda" whole, in part, in a title, and in three rows of one document.
    cards << card(6001, q("Petição de alimentos"), q("Modelo"), q("B"), q("B02"), {},
                  {q("O pedido segue aguardando a audiência.")});
    cards << card(6002, q("Guarda de irmãos"), q("Modelo"), q("B"), q("B02"), {},
                  {q("Os irmãos ficam juntos sempre que possível.")});
    cards << card(6003, q("Estatuto comentado"), q("Obra"), q("B"), q("B02"), {},
                  {q("Primeira parte, sobre a guarda provisória."),
                   q("Segunda parte, sobre a guarda definitiva."),
                   q("Terceira parte, sobre a guarda de fato.")});
    // Markup in a text, and "curatela" inside a longer word before it stands
    // alone, far enough into a long text for its passage to be cut at both ends.
    const QString filler = q("Considerando o disposto na lei e nos autos. ").repeated(8);
    cards << card(6004, q("Nomeação de curador"), q("Modelo"), q("B"), q("B02"), {},
                  {filler +
                   q("Tutelas e curatelas <script>alert(\"x\")</script> & 'outras' — "
                     "a curatela provisória. ") +
                   filler});
    return cards;
}

void writePages(const TestCollection& collection, const QList<TestCard>& cards) {
    for (const TestCard& card : cards) {
        QFile page(collection.contentFolder() + q("textos/%1.htm").arg(card.cod));
        if (!page.open(QIODevice::WriteOnly)) {
            throw std::runtime_error("cannot write a test page");
        }
        page.write(q("<html><body><h1>%1</h1><p>%2</p></body></html>")
                       .arg(card.titulo, card.texts.join(u' '))
                       .toUtf8());
    }
}

}  // namespace

ServedCollection::ServedCollection() : collection_(servedCards()) {
    writePages(collection_, servedCards());
    site_ = std::make_unique<web::ServedSite>(
        std::make_shared<const web::Router>(web::openSite(collection_.programFolder())));
    server_ = std::make_unique<web::HttpServer>(*site_, 2);
    QString problem;
    if (!server_->listen(q("127.0.0.1:0"), problem)) {
        throw std::runtime_error(problem.toStdString());
    }
}

HttpAnswer sendRaw(int port, const QByteArray& request) {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    HttpAnswer answer;
    if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(socket);
        return answer;
    }
    // The server may answer and close before all of an oversized request is sent.
    for (qsizetype sent = 0; sent < request.size();) {
        const ssize_t n = ::send(socket, request.constData() + sent,
                                 static_cast<std::size_t>(request.size() - sent), MSG_NOSIGNAL);
        if (n <= 0) {
            break;
        }
        sent += n;
    }
    // Every request asks the server to close; one it never answers ends
    // with its idle timeout.
    const timeval patience{30, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    QByteArray bytes;
    char buffer[16384];
    for (ssize_t n; (n = ::recv(socket, buffer, sizeof buffer, 0)) > 0;) {
        bytes.append(buffer, n);
    }
    ::close(socket);
    const qsizetype headEnd = bytes.indexOf("\r\n\r\n");
    const QList<QByteArray> head = bytes.left(headEnd).split('\n');
    if (headEnd < 0 || head.isEmpty()) {
        return answer;
    }
    answer.status = head.front().split(' ').value(1).toInt();
    for (qsizetype i = 1; i < head.size(); ++i) {
        const qsizetype colon = head[i].indexOf(':');
        answer.headers[head[i].left(colon).trimmed().toLower()] = head[i].mid(colon + 1).trimmed();
    }
    answer.body = bytes.mid(headEnd + 4);
    return answer;
}

HttpAnswer httpGet(int port, const QByteArray& target) {
    return sendRaw(port,
                   "GET " + target + " HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n\r\n");
}

const ServedCollection& servedCollection() {
    static const ServedCollection served;
    return served;
}

}  // namespace corvanel::testing
