#pragma once

#include <QString>
#include <QStringList>

namespace fin::data {

class Database;

// Splits a script into statements. Statements end with the current
// terminator (";" at first); "SET TERM x ;" changes it, as isql does.
// Comments-only pieces are dropped.
QStringList splitSqlScript(const QString& script);

// The schema scripts compiled into the program, in the order they run.
QStringList schemaScriptNames();
QString schemaScript(const QString& name);

// Creates every table, index and procedure, and the reference rows, on an
// empty database; with `demo`, adds the demonstration company.
void installSchema(Database& db, bool demo);
void installDemoData(Database& db);

} // namespace fin::data
