#pragma once

#include "HtmlWriter.h"
#include "Reply.h"
#include "ResultAddress.h"

#include <QString>

namespace corvanel::web {

// The frame every page of the site shares: head, header with the way home
// and the general search, the main part, and the footer. A page writes its
// content between begin() and reply().
class SiteFrame {
public:
    // The general search starts with choices as given (a result's own).
    explicit SiteFrame(const QString& title, const SearchChoices& choices = {});
    HtmlWriter& writer() { return writer_; }
    Reply reply(int status = 200);

    // The style sheet every page links to.
    static QByteArray styleSheet();

private:
    HtmlWriter writer_;
};

// A form that asks /resultado for a result by GET; closed by the caller.
void openSearchForm(HtmlWriter& w, const QString& cssClass = {});
// A labelled search box and its "Buscar" button, inside such a form.
struct SearchBox {
    QString label;
    QString id;
    QString name;
    bool labelHidden = false;  // for screen readers only
    QString placeholder{};     // none when null
    bool required = false;
};
void writeSearchBox(HtmlWriter& w, const SearchBox& box);
// "Palavra inteira", "Ordenar por" and "Agrupar por documento", each
// labelled, set as choices are.
void writeChoiceControls(HtmlWriter& w, const SearchChoices& choices);
// The same under "Opções", folded until opened (a search form keeps its
// one line on a phone).
void writeFoldedChoices(HtmlWriter& w, const SearchChoices& choices);

// A page telling what went wrong, in Portuguese, with the way back home.
Reply errorPage(int status, const QString& message);

}  // namespace corvanel::web
