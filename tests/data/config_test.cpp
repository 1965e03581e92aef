#include "data/config.h"
#include "data/connections.h"
#include "data/errors.h"
#include "data/statement.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace fin::data;

namespace {

struct ConfigTest : ::testing::Test {
    QTemporaryDir root;
    Locations where{root.filePath("prog"), root.filePath("config"), root.filePath("data")};

    void SetUp() override
    {
        QDir().mkpath(where.programDir);
    }

    QString writeIni(const QString& dir, const QString& body)
    {
        QDir().mkpath(dir);
        const QString path = QDir(dir).filePath(kConnectionsFileName);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(body.toUtf8());
        return path;
    }

    QStringList schemaErrors;
    Connections open(const QString& ini)
    {
        return openConnections(readConnectionsFile(ini, where), [&](const QString& e) { schemaErrors << e; });
    }
};

} // namespace

TEST_F(ConfigTest, FirstStartWritesConfigurationAndCreatesTheDemoDatabase)
{
    EXPECT_TRUE(locateConnectionsFile(where).isEmpty());
    const QString ini = ensureDefaultConfiguration(where);
    EXPECT_EQ(ini, QDir(where.configDir).filePath(kConnectionsFileName));
    const QString db = QDir(where.dataDir).filePath("KVT/Banco/KVT.GDB");
    EXPECT_TRUE(QFile::exists(db));

    Connections c = open(ini);
    EXPECT_TRUE(schemaErrors.isEmpty());
    EXPECT_TRUE(c.schema.isOpen());
    EXPECT_EQ(c.config.main.database, db);
    EXPECT_EQ(c.config.main.lockTimeoutSeconds, 10);
    Transaction tx(*c.main);
    EXPECT_EQ(Statement(tx, "SELECT COUNT(*) FROM EMPRESA").queryOne()->at(0).toInt(), 1);

    // A second start finds the file and leaves the database alone.
    EXPECT_EQ(ensureDefaultConfiguration(where), ini);
}

TEST_F(ConfigTest, KeysOverrideTheBuiltInListAndWindowsPathsMap)
{
    const QString ini = writeIni(where.programDir,
        "; comment\n[Outra]\nDatabase=/x.fdb\n[kvt]\ndatabase=C:\\KVT\\Banco\\KVT.GDB\nUser_Name=FIN\nPassword=s3nha\n"
        "ServerCharSet=NONE\nSQLDialect=3\nLockTimeout=4\nVersionServer=atualiza.exemplo\n");
    writeIni(where.configDir, "[KVT]\nDatabase=/ignorada.fdb\n");
    EXPECT_EQ(locateConnectionsFile(where), ini);   // beside the program comes first
    const ConnectionsFile cfg = readConnectionsFile(ini, where);
    EXPECT_EQ(cfg.databaseKey, "C:\\KVT\\Banco\\KVT.GDB");
    EXPECT_EQ(cfg.main.database, QDir(where.dataDir).filePath("KVT/Banco/KVT.GDB"));
    EXPECT_EQ(cfg.schema.database, cfg.main.database);
    EXPECT_EQ(cfg.main.user, "FIN");
    EXPECT_EQ(cfg.main.password, "s3nha");
    EXPECT_EQ(cfg.main.role, "RoleName");   // built-in, not in the file
    EXPECT_EQ(cfg.main.charset, "NONE");
    EXPECT_EQ(cfg.main.lockTimeoutSeconds, 4);
    EXPECT_EQ(cfg.versionServer, "atualiza.exemplo");
    EXPECT_EQ(cfg.schema.user, "sysdba");
    EXPECT_EQ(mapFixedPath("servidor:/dados/kvt.fdb", where), "servidor:/dados/kvt.fdb");
}

TEST_F(ConfigTest, MissingDatabaseKeyFailsOnlyTheSchemaConnection)
{
    ensureDefaultConfiguration(where);   // the database at the built-in path
    const QString ini = writeIni(where.programDir, "[KVT]\nUser_Name=SYSDBA\n");
    Connections c = open(ini);
    ASSERT_EQ(schemaErrors.size(), 1);
    EXPECT_FALSE(c.schema.isOpen());
    ASSERT_TRUE(c.main);   // the main connection falls back on the built-in path
    EXPECT_TRUE(c.main->isAttached());
    // Each later use tries again, and fails again with its own error.
    EXPECT_THROW(c.schema.database(), ConnectionError);
}

TEST_F(ConfigTest, UnreachableDatabaseEndsTheStartUp)
{
    const QString ini = writeIni(where.programDir, "[KVT]\nDatabase=/nao/existe/kvt.fdb\n");
    EXPECT_THROW(open(ini), ConnectionError);
    EXPECT_EQ(schemaErrors.size(), 1);   // reported first, then the main connection fails
}

TEST_F(ConfigTest, SchemaConnectionRecoversOnceTheDatabaseExists)
{
    const QString ini = writeIni(where.programDir, "[KVT]\nDatabase=" + root.filePath("tarde.fdb") + "\n");
    SchemaConnection schema(readConnectionsFile(ini, where).schema);
    EXPECT_FALSE(schema.tryOpen());
    ConnectionParams p;
    p.database = root.filePath("tarde.fdb");
    Database::create(p).detach();
    EXPECT_TRUE(schema.tryOpen());
}
