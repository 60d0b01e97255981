#include "UserBrowser.h"

#include "Prompts.h"

#include <QDesktopServices>
#include <QUrl>

namespace corvanel::UserBrowser {

bool open(const QUrl& url) {
    if (QDesktopServices::openUrl(url)) {
        return true;
    }
    Prompts::current().information(
        QStringLiteral("Nenhum programa deste computador abre endereços da web.\n"
                       "Para ver a página, copie o endereço abaixo para um navegador:\n\n%1")
            .arg(url.toString()));
    return false;
}

}  // namespace corvanel::UserBrowser
