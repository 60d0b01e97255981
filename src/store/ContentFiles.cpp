#include "ContentFiles.h"

#include "CategoryTables.h"
#include "ContentAddress.h"

namespace corvanel::ContentFiles {

namespace {

QString pagePath(QStringView pageName) {
    return u"textos/" + pageName + u".htm";
}

}  // namespace

QList<FixedFile> fixedFiles() {
    using namespace ContentAddress;
    QList<FixedFile> files{
        {kMarkerFileName.toString(),
         QStringLiteral("arquivo-marca: sem ele o programa pede a pasta do conteúdo")},
        {kStartPage.toString(), QStringLiteral("página inicial da janela principal")},
        {pagePath(kHelpPage), QStringLiteral("ajuda (menu Sobre > Ajuda, botão de ajuda)")},
        {pagePath(kLegislationLinksPage),
         QStringLiteral("Legislação > \"Links de Atualização Legislativa\"")},
        {pagePath(kZeftPage), QStringLiteral("janela da associação (logotipo à esquerda)")},
        {pagePath(kQuardePage), QStringLiteral("janela do parceiro (logotipo à direita)")},
    };
    for (const categories::TreeNode& node : categories::kApresentacaoNodes) {
        if (node.code != categories::kHeading) {
            files.append({pagePath(node.code),
                          QStringLiteral("Apresentação: \"%1\"").arg(node.caption.trimmed())});
        }
    }
    return files;
}

}  // namespace corvanel::ContentFiles
