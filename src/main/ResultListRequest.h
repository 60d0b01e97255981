#pragma once

#include <QString>

#include <optional>

namespace corvanel {

class ResultListWindow;

// What the main window writes into the result-list window before showing it.
// A field left unset keeps whatever the result-list window holds.
struct ResultListRequest {
    std::optional<QString> tipo{};
    std::optional<QString> Edit3{};
    std::optional<QString> Edit4{};
    std::optional<QString> Aux{};
    std::optional<QString> SUBCAT{};
    std::optional<QString> SUBCATOK{};
    bool clearsLists = false;

    bool operator==(const ResultListRequest&) const = default;
};

// Writes the request's fields into window, empties its lists when asked, and
// shows it (or brings it forward when it is on screen already).
void deliverRequest(const ResultListRequest& request, ResultListWindow& window);

}  // namespace corvanel
