#pragma once

#include "DocumentOutline.h"

#include <QList>
#include <QString>

#include <optional>

namespace corvanel {

// "Ir para o artigo": what the user types ("136", "art. 136-A", "Art 5º")
// and the article of the outline it names.
namespace ArticleJump {

// The article key typed, as DocumentOutline::articleKey gives it; nullopt
// when the text names no article.
std::optional<QString> parse(const QString& typed);

// The entry of outline for the article key: of several, the last, which is
// the wording in force where a statute keeps earlier ones before it;
// nullopt when the document has no such article.
std::optional<OutlineEntry> find(const QList<OutlineEntry>& outline, const QString& key);

}  // namespace ArticleJump

}  // namespace corvanel
