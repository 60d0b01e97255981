#include "CategoryTables.h"

#include <QMap>

#include <algorithm>
#include <span>

namespace corvanel::categories {

namespace {

void addCodes(std::span<const TreeNode> nodes, QStringList& codes) {
    for (const TreeNode& node : nodes) {
        if (node.code != kHeading) {
            codes << node.code.toString();
        }
    }
}

void addCodes(std::span<const FilterItem> items, QStringList& codes) {
    for (const FilterItem& item : items) {
        if (!item.code.isEmpty()) {
            codes << item.code.toString();
        }
    }
}

QStringList collectCodes() {
    QStringList codes;
    for (const std::span<const TreeNode> tree :
         {std::span<const TreeNode>(kTextosNodes), std::span<const TreeNode>(kLegislacaoNodes),
          std::span<const TreeNode>(kJulgadosNodes), std::span<const TreeNode>(kExperienciasNodes),
          std::span<const TreeNode>(kModelosNodes), std::span<const TreeNode>(kCiclosNodes)}) {
        addCodes(tree, codes);
    }
    for (const std::span<const FilterItem> filter :
         {std::span<const FilterItem>(kTBoxItems), std::span<const FilterItem>(kLBoxItems),
          std::span<const FilterItem>(kJBoxItems), std::span<const FilterItem>(kDBoxItems),
          std::span<const FilterItem>(kMBoxItems), std::span<const FilterItem>(kComboBox3Items)}) {
        addCodes(filter, codes);
    }
    codes.sort();
    codes.removeDuplicates();
    return codes;
}

// The highest number of the listed codes of each letter.
QMap<QChar, int> highestNumbers() {
    QMap<QChar, int> highest;
    for (const QString& code : listedCategoryCodes()) {
        int& number = highest[code.front()];
        number = std::max(number, code.mid(1).toInt());
    }
    return highest;
}

}  // namespace

QStringList listedCategoryCodes() {
    static const QStringList codes = collectCodes();
    return codes;
}

QStringList knownCategoryCodes() {
    QStringList codes;
    const QMap<QChar, int> highest = highestNumbers();
    for (auto letter = highest.cbegin(); letter != highest.cend(); ++letter) {
        for (int number = 1; number <= letter.value(); ++number) {
            codes << letter.key() + QStringLiteral("%1").arg(number, 2, 10, QChar(u'0'));
        }
    }
    return codes;
}

QStringList categoryCodesOf(const QString& categoria) {
    return categoria.simplified().split(u' ', Qt::SkipEmptyParts);
}

bool isKnownCategoryCode(QStringView code) {
    static const QMap<QChar, int> highest = highestNumbers();
    if (code.size() != 3 || !code.at(1).isDigit() || !code.at(2).isDigit() ||
        code.at(1).unicode() > u'9' || code.at(2).unicode() > u'9') {
        return false;
    }
    const int number = (code.at(1).unicode() - u'0') * 10 + (code.at(2).unicode() - u'0');
    const auto letter = highest.constFind(code.front());
    return letter != highest.cend() && number >= 1 && number <= letter.value();
}

}  // namespace corvanel::categories
