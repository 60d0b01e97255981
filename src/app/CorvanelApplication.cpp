#include "CorvanelApplication.h"

#include "ConnectionString.h"
#include "ContentAddress.h"
#include "StartupSequence.h"
#include "TForm1.h"
#include "TProcurandoScreen.h"
#include "TSplashScreen.h"
#include "TTextos.h"

#include <QApplication>
#include <QElapsedTimer>

namespace corvanel {

namespace {

// Lets window messages through while start-up counts rows, often enough for
// the screen to stay alive but without paying for it after every row.
class ThrottledMessagePump {
public:
    void operator()() {
        if (!clock_.isValid() || clock_.elapsed() >= kIntervalMs) {
            QCoreApplication::processEvents();
            clock_.start();
        }
    }

private:
    static constexpr qint64 kIntervalMs = 30;
    QElapsedTimer clock_;
};

}  // namespace

CorvanelApplication::CorvanelApplication(QString programFolder)
    : programFolder_(std::move(programFolder)) {}

CorvanelApplication::~CorvanelApplication() = default;

void CorvanelApplication::start() {
    auto splash = std::make_unique<TSplashScreen>();
    splash->show();
    splash->repaint();

    busy_ = std::make_unique<TProcurandoScreen>();
    splash->repaint();

    StartupSteps steps;
    steps.createMainWindow = [this] {
        form1_ = std::make_unique<TForm1>();
        QObject::connect(form1_.get(), &TForm1::closed, qApp, &QCoreApplication::quit);
    };
    steps.createResultList = [this, &splash] { createResultList(*splash); };
    runStartupSteps(*splash, steps);

    splash->hide();
    splash.reset();

    if (form1_) {
        form1_->show();
    }
}

void CorvanelApplication::createResultList(TSplashScreen& splash) {
    textos_ = std::make_unique<TTextos>();
    textos_->setBusyScreen(busy_.get());
    if (form1_) {
        form1_->setResultList(textos_.get());
    }
    TTextos::CreationContext context;
    context.connectionString = connectionStringFor(programFolder_);
    context.progress = &splash;
    context.writeSectionTotal = [this](TTextos::Section section, const QString& total) {
        if (form1_) {
            form1_->setSectionTotal(section, total);
        }
    };
    context.showContentLocationScreen = [this] {
        contentLocationRequested_ = true;
        qWarning("Corvanel: o arquivo %s não foi encontrado.",
                 qUtf8Printable(ContentAddress::markerFilePath(textos_->CaminhoCD)));
    };
    context.messagePump = ThrottledMessagePump();
    textos_->FormCreate(context);
}

}  // namespace corvanel
