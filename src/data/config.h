#pragma once

#include "data/database.h"

#include <QString>

namespace fin::data {

// Folders the program works with. Production uses standard(); tests pass their own.
struct Locations {
    QString programDir;   // where the executable lives
    QString configDir;    // the user's configuration folder for this program
    QString dataDir;      // the user's data folder; also the base of the fixed paths
    static Locations standard();
};

// The fixed Windows paths of the suite ("C:\KVT\Banco\KVT.GDB") live under one
// base folder here: the part after the drive is kept as it is. Other paths,
// and server paths ("host:/x.fdb"), are returned unchanged.
QString mapFixedPath(const QString& path, const Locations& where);

// The built-in connection "KVT", used when the connections file is silent.
ConnectionParams builtInConnection(const Locations& where);

// What the connections file says about connection "KVT".
struct ConnectionsFile {
    QString path;                 // the file read; empty when there is none
    QString databaseKey;          // the `Database` key as written; empty when absent
    ConnectionParams main;        // built-in list overridden by the file's keys
    ConnectionParams schema;      // "Database=" the key, "User_Name=sysdba", "Password=pirulitos"
    QString versionServer;        // host of the version check; empty: no check
};

inline const QString kConnectionsFileName = QStringLiteral("dbxconnections.ini");
inline const QString kBuiltInDatabase = QStringLiteral("C:\\KVT\\Banco\\KVT.GDB");

// Beside the program first, then in the user's configuration folder; empty when neither.
QString locateConnectionsFile(const Locations& where);
ConnectionsFile readConnectionsFile(const QString& path, const Locations& where);

// First start: when there is no connections file, writes one in the user's
// configuration folder pointing at the built-in database path, and creates
// that database (schema, reference rows and demo company) when it is missing.
// Returns the file to read.
QString ensureDefaultConfiguration(const Locations& where);

} // namespace fin::data
