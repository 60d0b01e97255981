#include "CollectionOpener.h"

#include "DatabaseError.h"
#include "UserSettings.h"

#include <QDir>
#include <QEventLoop>
#include <QScopeGuard>
#include <QThread>

#include <memory>

namespace corvanel {

namespace {

QString openingProblem(const QString& programFolder, const QString& detail) {
    return QStringLiteral("A coleção em \"%1\" não pôde ser aberta.\n\nDetalhe: %2")
        .arg(QDir::toNativeSeparators(programFolder), detail);
}

}  // namespace

CollectionOpener::Outcome CollectionOpener::open(const QString& programFolder) {
    if (opening_) {
        return {std::nullopt,
                QStringLiteral("Outra coleção está sendo aberta; aguarde até que termine.")};
    }
    opening_ = true;
    const auto done = qScopeGuard([this] { opening_ = false; });

    const std::optional<QString> usersChoice = UserSettings().contentRootFor(programFolder);
    Outcome outcome;
    // The thread opens and counts on its own connection; the finished
    // collection is handed over once the thread is done with it.
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            outcome.collection.emplace(Collection::open(programFolder, usersChoice));
        } catch (const DatabaseError& error) {
            outcome.problem = openingProblem(programFolder, error.message());
        } catch (const std::exception& error) {
            outcome.problem = openingProblem(programFolder, QString::fromLocal8Bit(error.what()));
        }
    }));
    QEventLoop waiting;
    QObject::connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    worker->start();
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    return outcome;
}

}  // namespace corvanel
