#include "ConnectionString.h"

#include <QStringList>

namespace corvanel {

namespace {

constexpr QStringView kPrefix = u"Provider=Microsoft.Jet.OLEDB.4.0; Data Source=";
constexpr QStringView kSuffix =
    u"; Persist Security Info=False; Jet OLEDB:Database Password=tevaluqim;";

// Splits on ';' outside double quotes.
QStringList splitPairs(const QString& text) {
    QStringList pairs;
    QString current;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
            current += c;
        } else if (c == u';' && !quoted) {
            pairs << current;
            current.clear();
        } else {
            current += c;
        }
    }
    pairs << current;
    return pairs;
}

QString unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) {
        value = value.mid(1, value.size() - 2);
    }
    return value;
}

}  // namespace

bool ConnectionSettings::readOnly() const {
    return mode.contains(u"Read", Qt::CaseInsensitive) &&
           !mode.contains(u"Write", Qt::CaseInsensitive);
}

QString connectionStringFor(const QString& programFolder) {
    return connectionStringForFile(programFolder + u'/' + kDatabaseFileName);
}

QString connectionStringForFile(const QString& databaseFile) {
    QString path = databaseFile;
    // A folder holding ';' would cut the string short; quoting keeps it whole.
    if (path.contains(u';')) {
        path = u'"' + path + u'"';
    }
    return kPrefix + path + kSuffix;
}

ConnectionSettings parseConnectionString(const QString& connectionString) {
    ConnectionSettings settings;
    for (const QString& pair : splitPairs(connectionString)) {
        const qsizetype equals = pair.indexOf(u'=');
        if (equals < 0) {
            continue;
        }
        const QString key = pair.left(equals).trimmed();
        const QString value = unquoted(pair.mid(equals + 1));
        if (key.compare(u"Provider", Qt::CaseInsensitive) == 0) {
            settings.provider = value;
        } else if (key.compare(u"Data Source", Qt::CaseInsensitive) == 0) {
            settings.dataSource = value;
        } else if (key.compare(u"Persist Security Info", Qt::CaseInsensitive) == 0) {
            settings.persistSecurityInfo = value;
        } else if (key.compare(u"Jet OLEDB:Database Password", Qt::CaseInsensitive) == 0) {
            settings.password = value;
        } else if (key.compare(u"Mode", Qt::CaseInsensitive) == 0) {
            settings.mode = value;
        }
    }
    return settings;
}

}  // namespace corvanel
