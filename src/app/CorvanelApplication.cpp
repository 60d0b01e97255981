#include "CorvanelApplication.h"

#include "ConnectionString.h"
#include "ContentAddress.h"
#include "StartupSequence.h"
#include "TErroScreen.h"
#include "TForm1.h"
#include "TForm10.h"
#include "TForm16.h"
#include "TForm17.h"
#include "TProcurandoScreen.h"
#include "TQuarde.h"
#include "TSplashScreen.h"
#include "TTextos.h"
#include "TZEFT.h"

#include <QApplication>

namespace corvanel {

CorvanelApplication::CorvanelApplication(QString programFolder)
    : programFolder_(std::move(programFolder)) {}

CorvanelApplication::~CorvanelApplication() = default;

void CorvanelApplication::start() {
    auto splash = std::make_unique<TSplashScreen>();
    splash->show();
    splash->repaint();

    busy_ = std::make_unique<TProcurandoScreen>();
    erro_ = std::make_unique<TErroScreen>(programFolder_);
    QObject::connect(erro_.get(), &TErroScreen::terminationRequested, qApp,
                     &QCoreApplication::quit);
    splash->repaint();

    StartupSteps steps;
    steps.createMainWindow = [this] {
        form1_ = std::make_unique<TForm1>();
        QObject::connect(form1_.get(), &TForm1::closed, qApp, &QCoreApplication::quit);
    };
    steps.createUpdateAssistantAndAbout = [this] { createUpdateAssistantAndAbout(); };
    steps.createViewer = [this] { createViewer(); };
    steps.createResultList = [this, &splash] { createResultList(*splash); };
    steps.createInformationWindows = [this] { createInformationWindows(); };
    runStartupSteps(*splash, steps);

    splash->hide();
    splash.reset();

    if (form1_) {
        form1_->show();
    }
    // Stays on top by itself under a window manager; without one the window
    // shown last would cover it.
    if (erro_->isVisible()) {
        erro_->raise();
    }
}

void CorvanelApplication::createResultList(TSplashScreen& splash) {
    textos_ = std::make_unique<TTextos>();
    textos_->setBusyScreen(busy_.get());
    const auto openInViewer = [this](const QString& pageName, SaveBufferOnOpen saveBuffer) {
        if (form10_) {
            form10_->openPage(contentRoot(), pageName, saveBuffer);
        }
    };
    textos_->setPageOpeners(
        {[openInViewer](const QString& pageName) {
             openInViewer(pageName, SaveBufferOnOpen::Empty);
         },
         [openInViewer] {
             openInViewer(ContentAddress::kHelpPage.toString(), SaveBufferOnOpen::Keep);
         }});
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
    context.showContentLocationScreen = [this] { erro_->showOnTop(); };
    // Each count lets pending window messages through once it is taken.
    context.messagePump = [] { QCoreApplication::processEvents(); };
    textos_->FormCreate(context);
}

void CorvanelApplication::createUpdateAssistantAndAbout() {
    form16_ = std::make_unique<TForm16>();
    form17_ = std::make_unique<TForm17>();
    if (form1_) {
        form1_->setUpdateAssistant(form16_.get());
        form1_->setAboutWindow(form17_.get());
    }
}

void CorvanelApplication::createViewer() {
    form10_ = std::make_unique<TForm10>();
    form10_->setContentRootSource([this] { return contentRoot(); });
    if (form1_) {
        form1_->setPageOpener([this](const PageRequest& page) {
            form10_->openPage(page.contentRoot, page.pageName,
                              page.keepsSaveBuffer ? SaveBufferOnOpen::Keep
                                                   : SaveBufferOnOpen::Empty);
        });
    }
}

void CorvanelApplication::createInformationWindows() {
    quarde_ = std::make_unique<TQuarde>();
    quarde_->setContentRootSource([this] { return contentRoot(); });
    zeft_ = std::make_unique<TZEFT>();
    zeft_->setContentRootSource([this] { return contentRoot(); });
    if (form1_) {
        form1_->setInformationWindows(zeft_.get(), quarde_.get());
    }
}

QString CorvanelApplication::contentRoot() const {
    return textos_ ? textos_->CaminhoCD : QString();
}

}  // namespace corvanel
