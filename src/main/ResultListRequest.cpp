#include "ResultListRequest.h"

#include "ResultListWindow.h"
#include "WindowPlacement.h"

#include <QLineEdit>

namespace corvanel {

namespace {

void write(const std::optional<QString>& value, QString& field) {
    if (value) {
        field = *value;
    }
}

}  // namespace

void deliverRequest(const ResultListRequest& request, ResultListWindow& window) {
    if (request.Edit3) {
        window.Edit3->setText(*request.Edit3);
    }
    write(request.tipo, window.tipo);
    write(request.Edit4, window.Edit4);
    write(request.Aux, window.Aux);
    write(request.SUBCAT, window.SUBCAT);
    write(request.SUBCATOK, window.SUBCATOK);
    if (request.clearsLists) {
        window.clearLists();
    }
    WindowPlacement::showOrRaise(&window);
}

}  // namespace corvanel
