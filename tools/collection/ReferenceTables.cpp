#include "ReferenceTables.h"

#include "CategoryTables.h"
#include "ContentFiles.h"
#include "Sections.h"

#include <QMap>

namespace corvanel::collection {

namespace {

// Where each code is listed: "Seção > nó > nó" for tree nodes, and the
// filter item that narrows a search to it.
QMap<QString, QStringList> placesOfCodes() {
    QMap<QString, QStringList> places;
    for (const categories::SectionCategories& tree : categories::kSectionCategories) {
        const QString section = sectionFacts(tree.section).name.toString();
        QStringList path;
        for (const categories::TreeNode& node : tree.tree) {
            path.resize(node.level);
            path << node.caption.trimmed().toString();
            if (node.code != categories::kHeading) {
                places[node.code.toString()] << section + u" > " + path.join(u" > ");
            }
        }
        for (const categories::FilterItem& item : tree.filter) {
            if (!item.code.isEmpty()) {
                places[item.code.toString()]
                    << QStringLiteral("filtro de %1: \"%2\"").arg(section, item.caption.trimmed());
            }
        }
    }
    return places;
}

}  // namespace

QString referenceTables() {
    QString text = QStringLiteral(
        "### Arquivos fixos\n"
        "\n"
        "| Arquivo | Uso |\n"
        "|---|---|\n");
    for (const ContentFiles::FixedFile& file : ContentFiles::fixedFiles()) {
        text += QStringLiteral("| `%1` | %2 |\n").arg(file.path, file.purpose);
    }
    text += QStringLiteral(
        "\n"
        "### Códigos de categoria\n"
        "\n"
        "| Código | Onde o programa o lista |\n"
        "|---|---|\n");
    const QMap<QString, QStringList> places = placesOfCodes();
    for (const QString& code : categories::knownCategoryCodes()) {
        const QStringList where = places.value(code);
        text += QStringLiteral("| `%1` | %2 |\n")
                    .arg(code, where.isEmpty()
                                   ? QStringLiteral("nenhum nó nem filtro: o documento aparece "
                                                    "pelas suas outras categorias e nas buscas")
                                   : where.join(u"; "));
    }
    return text;
}

}  // namespace corvanel::collection
