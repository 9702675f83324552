#include "data/Schema.h"

#include "platform/DbError.h"
#include "platform/Paths.h"

#include <QFile>

namespace plan {

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
    c.executeScript(text);
}

} // namespace plan
