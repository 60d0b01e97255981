// corvanel-serve: the collection served to the browsers of an office.
#include "DatabaseError.h"
#include "HttpServer.h"
#include "ProgramCommandLine.h"
#include "Router.h"
#include "ServeCommandLine.h"
#include "ServedSite.h"
#include "Site.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

namespace {

// How long requests in flight may take to finish once TERM arrives.
constexpr int kDrainSeconds = 10;

std::shared_ptr<const corvanel::web::Router> openRouter(const QString& collectionFolder) {
    return std::make_shared<const corvanel::web::Router>(corvanel::web::openSite(collectionFolder));
}

}  // namespace

int main(int argc, char* argv[]) {
    // Signals are waited for below, in this thread only: block them before
    // the server's threads start so none of those takes them.
    sigset_t handledSignals;
    sigemptyset(&handledSignals);
    sigaddset(&handledSignals, SIGTERM);
    sigaddset(&handledSignals, SIGINT);
    sigaddset(&handledSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &handledSignals, nullptr);
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
    std::shared_ptr<const corvanel::web::Router> router;
    try {
        router = openRouter(options->collectionFolder);
    } catch (const corvanel::DatabaseError& error) {
        err << "corvanel-serve: " << error.message() << '\n';
        return corvanel::cli::kExitFailure;
    }
    corvanel::web::ServedSite site(std::move(router));
    corvanel::web::HttpServer server(site, options->threads);
    QString problem;
    if (!server.listen(options->listen, problem)) {
        err << "corvanel-serve: " << problem << '\n';
        return corvanel::cli::kExitFailure;
    }
    err << "corvanel-serve: servindo " << options->collectionFolder << " na porta " << server.port()
        << '\n';
    err.flush();
    for (int received = 0; sigwait(&handledSignals, &received) == 0 && received == SIGHUP;) {
        // The collection opened anew, a new file put in its place included;
        // requests go on meanwhile, and a collection that does not open
        // leaves the one served before.
        try {
            site.replace(openRouter(options->collectionFolder));
            err << "corvanel-serve: coleção aberta de novo\n";
        } catch (const corvanel::DatabaseError& error) {
            err << "corvanel-serve: a coleção não abriu de novo, segue a anterior: "
                << error.message() << '\n';
        }
        err.flush();
    }
    err << "corvanel-serve: terminando\n";
    err.flush();
    server.drain(kDrainSeconds);
    return corvanel::cli::kExitSuccess;
}
