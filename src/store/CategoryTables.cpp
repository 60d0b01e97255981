#include "CategoryTables.h"

#include <QMap>

#include <algorithm>

namespace corvanel::categories {

namespace {

QStringList collectCodes() {
    QStringList codes;
    for (const SectionCategories& section : kSectionCategories) {
        for (const TreeNode& node : section.tree) {
            if (node.code != kHeading) {
                codes << node.code.toString();
            }
        }
        for (const FilterItem& item : section.filter) {
            if (!item.code.isEmpty()) {
                codes << item.code.toString();
            }
        }
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
    const auto isAsciiDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (code.size() != 3 || !isAsciiDigit(code.at(1)) || !isAsciiDigit(code.at(2))) {
        return false;
    }
    const int number = (code.at(1).unicode() - u'0') * 10 + (code.at(2).unicode() - u'0');
    const auto letter = highest.constFind(code.front());
    return letter != highest.cend() && number >= 1 && number <= letter.value();
}

}  // namespace corvanel::categories
