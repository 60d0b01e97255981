#include "ResultLines.h"

namespace corvanel {

void ResultLines::clear() {
    lines_.clear();
    keys_.clear();
}

void ResultLines::add(const QString& line, const QString& key) {
    lines_ << line;
    keys_ << key;
}

void ResultLines::addSeparator() {
    add(kSeparator.toString(), kSeparator.toString());
}

}  // namespace corvanel
