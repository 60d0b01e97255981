#pragma once

#include <QString>
#include <QStringView>

namespace corvanel {

// The pieces of the connection string the program opens its database with.
struct ConnectionSettings {
    QString provider;
    QString dataSource;
    QString persistSecurityInfo;
    QString password;
    QString mode;  // "Read" opens the file read-only

    bool readOnly() const;
};

// The database file's name, in the program's own folder.
inline constexpr QStringView kDatabaseFileName = u"db3.mdb";

// Builds the connection string for the database in programFolder (a folder
// path without a closing separator, as QCoreApplication reports it).
QString connectionStringFor(const QString& programFolder);

// The same for a database file of any name and place (the publisher's tools).
QString connectionStringForFile(const QString& databaseFile);

// Splits "Key=Value; Key=Value;" into its settings. Keys are matched without
// regard to letter case; a value may be enclosed in double quotes so that it
// can hold a ';'. Unknown keys are ignored.
ConnectionSettings parseConnectionString(const QString& connectionString);

}  // namespace corvanel
