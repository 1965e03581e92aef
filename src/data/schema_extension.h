#pragma once

#include <QString>
#include <QStringList>

namespace fin::data {

class Database;

// True when the table does NOT exist (names compared exactly: pass them in upper case).
bool verifica_tabela(Database& db, const QString& table);
// True when the column does NOT exist in the table.
bool verifica_campotabela(Database& db, const QString& table, const QString& column);

// Makes sure the table NOMEDATABELA and its two columns exist; each missing
// piece is created by its own committed statement. Returns the statements run.
QStringList criar_tabela_campos(Database& db);

} // namespace fin::data
