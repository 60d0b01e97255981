#include "ServedCollection.h"

#include <QFile>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace corvanel::testing {
namespace {

struct Hostile {
    const char* what;
    QByteArray request;
    int status;
};

QByteArray getLine(const QByteArray& target, const QByteArray& headers = {}) {
    return "GET " + target + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n" + headers + "\r\n";
}

TEST(HostileRequests, AreRefusedWithAPageInPortugueseAndTheServerGoesOn) {
    const ServedCollection& served = servedCollection();
    // A link inside the collection that leads out of it.
    QFile::link(q("/etc/passwd"), served.collection().contentFolder() + q("textos/fora.htm"));
    QByteArray manyHeaders;
    for (int i = 0; i < 500; ++i) {
        manyHeaders += "X-Campo-" + QByteArray::number(i) + ": a\r\n";
    }
    QByteArray manySteps = "/resultado?q=comum";
    for (int i = 0; i < 2000; ++i) {
        manySteps += "&dentro=a";
    }
    QByteArray longWords = "/resultado?q=" + QByteArray(300, 'a');
    const Hostile requests[] = {
        {"dot-dot", getLine("/colecao/../programa/db3.mdb"), 404},
        {"encoded dot-dot", getLine("/colecao/%2e%2e/programa/db3.mdb"), 404},
        {"deeper dot-dot", getLine("/colecao/textos/../../programa/db3.mdb"), 404},
        {"backslash", getLine("/colecao/textos%5c..%5c..%5cprograma%5cdb3.mdb"), 404},
        {"absolute", getLine("/colecao//etc/passwd"), 404},
        {"link out", getLine("/colecao/textos/fora.htm"), 404},
        {"folder", getLine("/colecao/textos"), 404},
        {"marker file", getLine("/colecao/labels.dat"), 404},
        {"nul", getLine("/colecao/textos/1000.htm%00.jpg"), 400},
        {"nul in the words", getLine("/resultado?q=a%00b"), 400},
        {"malformed UTF-8 in the path", getLine("/secao/%C3%28"), 400},
        {"malformed UTF-8 in the words", getLine("/resultado?q=%FF%FE"), 400},
        {"overlong UTF-8", getLine("/resultado?q=%C0%AF"), 400},
        {"long path", getLine("/" + QByteArray(4000, 'a')), 414},
        {"long query", getLine("/resultado?q=" + QByteArray(12000, 'a')), 414},
        {"long words", getLine(longWords), 400},
        {"thousands of steps", getLine(manySteps), 414},
        {"too many steps", getLine("/resultado?q=a" + QByteArray("&dentro=a").repeated(40)), 400},
        {"many headers", getLine("/", manyHeaders), 431},
        {"bad page number", getLine("/resultado?q=comum&pagina=-1"), 400},
        {"POST", "POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 3\r\nConnection: close\r\n\r\nabc",
         405},
    };
    for (const Hostile& hostile : requests) {
        SCOPED_TRACE(hostile.what);
        const HttpAnswer answer = served.raw(hostile.request);
        EXPECT_EQ(answer.status, hostile.status);
        if (hostile.status != 400 || answer.header("content-type").startsWith("text/html")) {
            EXPECT_TRUE(answer.body.isEmpty() || answer.body.contains("lang=\"pt-BR\""));
        }
        EXPECT_FALSE(answer.body.contains("root:"));
    }
    EXPECT_EQ(served.get("/saude").body, "ok");
}

// A client that never finishes its request holds no worker: the others are
// answered meanwhile.
TEST(HostileRequests, HalfSentRequestsDoNotStopTheOthers) {
    const ServedCollection& served = servedCollection();
    std::vector<int> stalled;
    for (int i = 0; i < 50; ++i) {
        const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(served.port()));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::send(socket, "GET / HTTP/1.1\r\nHost: x\r\n", 25, MSG_NOSIGNAL);
        stalled.push_back(socket);
    }
    EXPECT_EQ(served.get("/resultado?q=comum").status, 200);
    for (const int socket : stalled) {
        ::close(socket);
    }
}

}  // namespace
}  // namespace corvanel::testing
