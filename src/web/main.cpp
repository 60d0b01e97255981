// corvanel-serve: the collection served to the browsers of an office.
#include "ConnectionString.h"
#include "DatabaseError.h"
#include "HttpServer.h"
#include "ProgramCommandLine.h"
#include "Router.h"
#include "ServeCommandLine.h"
#include "Site.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

namespace {

// How long requests in flight may take to finish once TERM arrives.
constexpr int kDrainSeconds = 10;

}  // namespace

int main(int argc, char* argv[]) {
    // Signals are waited for below, in this thread only: block them before
    // the server's threads start so none of those takes them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    int exitStatus = 0;
    const auto options = corvanel::web::readServeCommandLine(QCoreApplication::arguments().mid(1),
                                                             QCoreApplication::applicationDirPath(),
                                                             out, err, exitStatus);
    if (!options) {
        return exitStatus;
    }
    std::optional<corvanel::web::Router> router;
    try {
        router.emplace(
            corvanel::web::openSite(corvanel::connectionStringFor(options->collectionFolder)));
    } catch (const corvanel::DatabaseError& error) {
        err << "corvanel-serve: " << error.message() << '\n';
        return corvanel::cli::kExitFailure;
    }
    corvanel::web::HttpServer server(*router, options->threads);
    QString problem;
    if (!server.listen(options->listen, problem)) {
        err << "corvanel-serve: " << problem << '\n';
        return corvanel::cli::kExitFailure;
    }
    err << "corvanel-serve: servindo " << options->collectionFolder << " na porta " << server.port()
        << '\n';
    err.flush();
    int received = 0;
    sigwait(&stopSignals, &received);
    err << "corvanel-serve: terminando\n";
    err.flush();
    server.drain(kDrainSeconds);
    return corvanel::cli::kExitSuccess;
}
