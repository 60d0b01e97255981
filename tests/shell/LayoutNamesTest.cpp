#include "AboutWindow.h"
#include "AssociationWindow.h"
#include "BusyWindow.h"
#include "ContentLocationScreen.h"
#include "LayoutNames.h"
#include "PartnerWindow.h"
#include "SplashScreen.h"
#include "UpdateAssistant.h"

#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvanel {
namespace {

using testing::layoutNames;

QStringList sorted(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names) {
        list << QString::fromLatin1(name);
    }
    list.sort();
    return list;
}

// Tests and docs/names.md find a window's controls by their layout names:
// each must be there, once.
TEST(LayoutNames, EveryShellWindowCarriesItsLayoutNamesOnce) {
    const QTemporaryDir programFolder;
    const struct {
        std::unique_ptr<QWidget> window;
        const char* windowName;
        QStringList controls;
    } windows[] = {
        {std::make_unique<SplashScreen>(), "SplashScreen",
         sorted({"Panel1", "Image1", "Image2", "Label2", "Label3", "Label4", "Bar1", "Memo1"})},
        {std::make_unique<BusyWindow>(), "ProcurandoScreen",
         sorted({"Panel1", "Image1", "Label1", "Label2", "Animate1"})},
        {std::make_unique<ContentLocationScreen>(programFolder.path()), "ErroScreen",
         sorted({"Panel1", "Image1", "Label1", "Memo1", "Button1", "Button2"})},
        {std::make_unique<AboutWindow>(), "Form17", sorted({"Panel1", "Image1", "Memo1"})},
        {std::make_unique<UpdateAssistant>(), "Form16", sorted({"Panel1", "Nav3"})},
        {std::make_unique<AssociationWindow>(), "ZEFT", sorted({"Panel1", "Image1", "Nav"})},
        {std::make_unique<PartnerWindow>(), "Quarde", sorted({"Panel1", "Image1", "Nav"})},
    };
    for (const auto& [window, windowName, controls] : windows) {
        SCOPED_TRACE(windowName);
        EXPECT_EQ(window->objectName(), QString::fromLatin1(windowName));
        EXPECT_EQ(layoutNames(*window), controls);
    }
}

}  // namespace
}  // namespace corvanel
