#include "data/Schema.h"

#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/Paths.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace plan {
namespace {

// "CREATE [UNIQUE] [ASC[ENDING] | DESC[ENDING]] INDEX <name> ON ...": the name.
QString indexName(const QString& statement)
{
    static const QRegularExpression re(
        QStringLiteral("^CREATE\\s+(?:UNIQUE\\s+)?(?:(?:ASC|ASCENDING|DESC|DESCENDING)\\s+)?INDEX\\s+(\\w+)\\s+ON\\b"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(statement);
    return m.hasMatch() ? m.captured(1).toUpper() : QString();
}

} // namespace

QString Schema::ddl()
{
    for (const QString& path : {Paths::homeFile(QStringLiteral("schema.sql")), QStringLiteral(PLAN_SCHEMA_FILE)}) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) return QString::fromUtf8(f.readAll());
    }
    throw DbError(QStringLiteral("Файл схемы schema.sql не найден в папке %1").arg(Paths::home()));
}

void Schema::create(const QString& connectionString)
{
    const QString text = ddl();
    Connection::createDatabase(connectionString);
    Connection c;
    c.open(connectionString);
    c.executeScript(tables(text));
    addMissingIndexes(c, text);
}

std::vector<Schema::Index> Schema::indexes(const QString& ddl)
{
    std::vector<Index> out;
    for (const QString& s : Connection::scriptStatements(ddl)) {
        const QString name = indexName(s);
        if (!name.isEmpty()) out.push_back({name, s});
    }
    return out;
}

QString Schema::tables(const QString& ddl)
{
    QString out;
    for (const QString& s : Connection::scriptStatements(ddl))
        if (indexName(s).isEmpty()) out += s + QStringLiteral(";\n");
    return out;
}

const char* const Schema::kLaterIndexes = "-- Indexes added later:";

QString Schema::beforeLaterIndexes(const QString& ddl)
{
    const QString marker = QString::fromLatin1(kLaterIndexes);
    qsizetype at = ddl.startsWith(marker) ? 0 : ddl.indexOf(QLatin1Char('\n') + marker);
    if (at < 0) return ddl;
    return ddl.left(at == 0 ? 0 : at + 1);
}

QStringList Schema::addMissingIndexes(Connection& c) { return addMissingIndexes(c, ddl()); }

QStringList Schema::addMissingIndexes(Connection& c, const QString& ddl)
{
    QSet<QString> present;
    {
        Dataset have(&c);
        have.setCommandText(QStringLiteral("Select Trim(RDB$INDEX_NAME) From RDB$INDICES;"));
        have.open();
        for (; !have.eof(); have.next()) present.insert(have.str(0).trimmed().toUpper());
    }
    QStringList created;
    for (const Index& i : indexes(ddl)) {
        if (present.contains(i.name)) continue;
        c.execute(i.sql);
        present.insert(i.name);
        created << i.name;
    }
    return created;
}

} // namespace plan
