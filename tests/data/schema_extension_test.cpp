#include "data/schema_extension.h"
#include "tempdb.h"

#include <gtest/gtest.h>

using namespace fin;
using namespace fin::data;

TEST(SchemaExtension, CreatesOnlyWhatIsMissing)
{
    test::TempDb tmp(test::TempDb::Content::Empty);
    Database& db = tmp.db();
    EXPECT_TRUE(verifica_tabela(db, "NOMEDATABELA"));
    EXPECT_EQ(criar_tabela_campos(db), (QStringList{"create table NOMEDATABELA(id integer)",
                                                    "alter table NOMEDATABELA add NOMECAMPO varchar(20)",
                                                    "alter table NOMEDATABELA add nomecampo2 varchar(10)"}));
    EXPECT_FALSE(verifica_tabela(db, "NOMEDATABELA"));
    EXPECT_FALSE(verifica_campotabela(db, "NOMEDATABELA", "NOMECAMPO2"));
    EXPECT_TRUE(verifica_campotabela(db, "NOMEDATABELA", "nomecampo2"));   // names compare exactly
    EXPECT_TRUE(criar_tabela_campos(db).isEmpty());   // everything in place: nothing runs

    db.executeImmediate("alter table NOMEDATABELA drop nomecampo2");
    EXPECT_EQ(criar_tabela_campos(db), QStringList{"alter table NOMEDATABELA add nomecampo2 varchar(10)"});
    // A quote in a name is data, not SQL.
    EXPECT_TRUE(verifica_tabela(db, "X' OR '1'='1"));
}
