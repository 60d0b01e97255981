#include "CorvanelApplication.h"

#include "ConnectionString.h"
#include "ContentAddress.h"
#include "StartupSequence.h"
#include "ContentLocationScreen.h"
#include "MainWindow.h"
#include "DocumentViewer.h"
#include "UpdateAssistant.h"
#include "AboutWindow.h"
#include "BusyWindow.h"
#include "PartnerWindow.h"
#include "SplashScreen.h"
#include "ResultListWindow.h"
#include "AssociationWindow.h"

#include <QApplication>

namespace corvanel {

CorvanelApplication::CorvanelApplication(QString programFolder)
    : programFolder_(std::move(programFolder)) {}

CorvanelApplication::~CorvanelApplication() = default;

void CorvanelApplication::start() {
    auto splash = std::make_unique<SplashScreen>();
    splash->show();
    splash->repaint();

    busy_ = std::make_unique<BusyWindow>();
    contentLocation_ = std::make_unique<ContentLocationScreen>(programFolder_);
    QObject::connect(contentLocation_.get(), &ContentLocationScreen::terminationRequested, qApp,
                     &QCoreApplication::quit);
    splash->repaint();

    StartupSteps steps;
    steps.createMainWindow = [this] {
        mainWindow_ = std::make_unique<MainWindow>();
        QObject::connect(mainWindow_.get(), &MainWindow::closed, qApp, &QCoreApplication::quit);
    };
    steps.createUpdateAssistantAndAbout = [this] { createUpdateAssistantAndAbout(); };
    steps.createViewer = [this] { createViewer(); };
    steps.createResultList = [this, &splash] { createResultList(*splash); };
    steps.createInformationWindows = [this] { createInformationWindows(); };
    runStartupSteps(*splash, steps);

    splash->hide();
    splash.reset();

    if (mainWindow_) {
        mainWindow_->show();
    }
    // Stays on top by itself under a window manager; without one the window
    // shown last would cover it.
    if (contentLocation_->isVisible()) {
        contentLocation_->raise();
    }
}

void CorvanelApplication::createResultList(SplashScreen& splash) {
    resultList_ = std::make_unique<ResultListWindow>();
    resultList_->setBusyScreen(busy_.get());
    const auto openInViewer = [this](const QString& pageName, SaveBufferOnOpen saveBuffer) {
        if (viewer_) {
            viewer_->openPage(contentRoot(), pageName, saveBuffer);
        }
    };
    resultList_->setPageOpeners(
        {[openInViewer](const QString& pageName) {
             openInViewer(pageName, SaveBufferOnOpen::Empty);
         },
         [openInViewer] {
             openInViewer(ContentAddress::kHelpPage.toString(), SaveBufferOnOpen::Keep);
         }});
    if (mainWindow_) {
        mainWindow_->setResultList(resultList_.get());
    }
    ResultListWindow::CreationContext context;
    context.connectionString = connectionStringFor(programFolder_);
    context.progress = &splash;
    context.writeSectionTotal = [this](Section section, const QString& total) {
        if (mainWindow_) {
            mainWindow_->setSectionTotal(section, total);
        }
    };
    context.showContentLocationScreen = [this] { contentLocation_->showOnTop(); };
    // Each count lets pending window messages through once it is taken.
    context.messagePump = [] { QCoreApplication::processEvents(); };
    resultList_->FormCreate(context);
}

void CorvanelApplication::createUpdateAssistantAndAbout() {
    updateAssistant_ = std::make_unique<UpdateAssistant>();
    about_ = std::make_unique<AboutWindow>();
    if (mainWindow_) {
        mainWindow_->setUpdateAssistant(updateAssistant_.get());
        mainWindow_->setAboutWindow(about_.get());
    }
}

void CorvanelApplication::createViewer() {
    viewer_ = std::make_unique<DocumentViewer>();
    viewer_->setContentRootSource([this] { return contentRoot(); });
    if (mainWindow_) {
        mainWindow_->setPageOpener([this](const PageRequest& page) {
            viewer_->openPage(page.contentRoot, page.pageName,
                              page.keepsSaveBuffer ? SaveBufferOnOpen::Keep
                                                   : SaveBufferOnOpen::Empty);
        });
    }
}

void CorvanelApplication::createInformationWindows() {
    partner_ = std::make_unique<PartnerWindow>();
    partner_->setContentRootSource([this] { return contentRoot(); });
    association_ = std::make_unique<AssociationWindow>();
    association_->setContentRootSource([this] { return contentRoot(); });
    if (mainWindow_) {
        mainWindow_->setInformationWindows(association_.get(), partner_.get());
    }
}

QString CorvanelApplication::contentRoot() const {
    return resultList_ ? resultList_->CaminhoCD : QString();
}

}  // namespace corvanel
