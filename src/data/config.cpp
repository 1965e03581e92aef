#include "data/config.h"

#include "data/errors.h"
#include "data/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QFile>
#include <QHash>
#include <QStandardPaths>

namespace fin::data {

namespace {

// Windows INI files: keys and sections in any case, values taken verbatim
// (backslashes included), ';' and '#' start comment lines.
class IniSection {
public:
    IniSection(const QString& path, const QString& section)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
            return;
        bool inside = false;
        for (QString line : QString::fromUtf8(f.readAll()).split(u'\n')) {
            line = line.trimmed();
            if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
                continue;
            if (line.startsWith(u'[') && line.endsWith(u']')) {
                inside = line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
                continue;
            }
            const qsizetype eq = line.indexOf(u'=');
            if (inside && eq > 0)
                m_values.insert(line.left(eq).trimmed().toUpper(), line.mid(eq + 1).trimmed());
        }
    }
    bool contains(const char* key) const { return m_values.contains(QString::fromLatin1(key).toUpper()); }
    QString value(const char* key) const { return m_values.value(QString::fromLatin1(key).toUpper()); }
    std::optional<int> number(const char* key) const
    {
        bool ok = false;
        const int n = value(key).toInt(&ok);
        return ok ? std::optional<int>(n) : std::nullopt;
    }

private:
    QHash<QString, QString> m_values;
};

} // namespace

Locations Locations::standard()
{
    Locations l;
    l.programDir = QCoreApplication::applicationDirPath();
    l.configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    l.dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (const QByteArray base = qgetenv("FINANCEIRO_BASE"); !base.isEmpty())
        l.dataDir = QString::fromLocal8Bit(base);
    return l;
}

QString mapFixedPath(const QString& path, const Locations& where)
{
    static const QRegularExpression kDrive(QStringLiteral("^[A-Za-z]:\\\\"));
    if (!kDrive.match(path).hasMatch())
        return path;
    QString rest = path.mid(3);
    rest.replace(u'\\', u'/');
    return QDir(where.dataDir).filePath(rest);
}

ConnectionParams builtInConnection(const Locations& where)
{
    ConnectionParams p;
    p.database = mapFixedPath(kBuiltInDatabase, where);
    p.role = QStringLiteral("RoleName");
    p.user = QStringLiteral("SYSDBA");
    p.password = QStringLiteral("pirulitos");
    p.dialect = 3;
    return p;
}

QString locateConnectionsFile(const Locations& where)
{
    for (const QString& dir : {where.programDir, where.configDir}) {
        if (dir.isEmpty())
            continue;
        const QString candidate = QDir(dir).filePath(kConnectionsFileName);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}

ConnectionsFile readConnectionsFile(const QString& path, const Locations& where)
{
    ConnectionsFile out;
    out.main = builtInConnection(where);
    out.schema.user = QStringLiteral("sysdba");
    out.schema.password = QStringLiteral("pirulitos");
    out.schema.role.clear();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return out;
    out.path = path;
    const IniSection ini(path, QStringLiteral("KVT"));
    out.databaseKey = ini.value("Database");
    if (!out.databaseKey.isEmpty())
        out.main.database = mapFixedPath(out.databaseKey, where);
    if (ini.contains("User_Name"))
        out.main.user = ini.value("User_Name");
    if (ini.contains("Password"))
        out.main.password = ini.value("Password");
    if (ini.contains("RoleName"))
        out.main.role = ini.value("RoleName");
    if (!ini.value("ServerCharSet").isEmpty())
        out.main.charset = ini.value("ServerCharSet");
    if (auto d = ini.number("SQLDialect"))
        out.main.dialect = *d;
    if (auto t = ini.number("LockTimeout"); t && *t >= 0)
        out.main.lockTimeoutSeconds = *t;
    out.versionServer = ini.value("VersionServer");

    // The schema connection takes only the path; an absent key leaves it empty.
    out.schema.database = out.databaseKey.isEmpty() ? QString() : mapFixedPath(out.databaseKey, where);
    out.schema.charset = out.main.charset;
    out.schema.lockTimeoutSeconds = out.main.lockTimeoutSeconds;
    return out;
}

QString ensureDefaultConfiguration(const Locations& where)
{
    if (QString found = locateConnectionsFile(where); !found.isEmpty())
        return found;
    QDir().mkpath(where.configDir);
    const QString iniPath = QDir(where.configDir).filePath(kConnectionsFileName);
    const QString dbPath = mapFixedPath(kBuiltInDatabase, where);
    {
        QFile f(iniPath);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate))
            throw ConnectionError(QStringLiteral("Não foi possível gravar %1: %2").arg(iniPath, f.errorString()));
        f.write(QStringLiteral("[KVT]\n"
                               "Database=%1\n"
                               "User_Name=SYSDBA\n"
                               "Password=pirulitos\n"
                               "RoleName=RoleName\n"
                               "SQLDialect=3\n"
                               "ServerCharSet=\n"
                               "; seconds a write waits for a row another workstation holds\n"
                               "LockTimeout=10\n"
                               "; host of the version check (empty: no check)\n"
                               "VersionServer=\n").arg(dbPath).toUtf8());
    }
    if (!QFileInfo::exists(dbPath)) {
        QDir().mkpath(QFileInfo(dbPath).absolutePath());
        // Built under a temporary name so an interrupted first start leaves no half database.
        const QString partial = dbPath + QStringLiteral(".criando");
        QFile::remove(partial);
        ConnectionParams p = builtInConnection(where);
        p.database = partial;
        {
            Database db = Database::create(p);
            installSchema(db, true);
        }
        if (!QFile::rename(partial, dbPath))
            throw ConnectionError(QStringLiteral("Não foi possível criar o banco de dados %1").arg(dbPath));
    }
    return iniPath;
}

} // namespace fin::data
