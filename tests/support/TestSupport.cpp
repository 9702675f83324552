#include "support/TestSupport.h"

#include <QAtomicInt>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <stdexcept>

namespace plantest {
namespace {
QTemporaryDir& tempDir()
{
    static QTemporaryDir dir;
    return dir;
}
QAtomicInt g_db;
} // namespace

QString scratchDir() { return tempDir().path(); }

void writeFile(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write " + path.toStdString());
    f.write(text.toUtf8());
}

void installTemplates(const QString& home)
{
    const QDir shipped(QStringLiteral(PLAN_SOURCE_DIR "/templates"));
    const QString root = home + QStringLiteral("/templates");
    QStringList dirs{QString()};
    for (const QString& d : shipped.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) dirs << d;
    for (const QString& d : dirs) {
        const QDir from(shipped.filePath(d));
        const QString to = d.isEmpty() ? root : root + QLatin1Char('/') + d;
        QDir().mkpath(to);
        for (const QString& f : from.entryList(QDir::Files)) QFile::copy(from.filePath(f), to + QLatin1Char('/') + f);
    }
}

QString createSchemaDatabase(const QString& name)
{
    const QString path = scratchDir() + QStringLiteral("/%1-%2.fdb")
                                            .arg(name.isEmpty() ? QStringLiteral("test") : name)
                                            .arg(g_db.fetchAndAddRelaxed(1));
    QFile f(QStringLiteral(PLAN_SOURCE_DIR "/src/data/schema.sql"));
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("schema.sql not found");
    const QByteArray schema = f.readAll();
    // Building the schema takes seconds; every test process after the first
    // copies a pristine database of the same schema instead.
    const QString pristine = QDir::temp().filePath(
        QStringLiteral("plan-schema-%1.fdb")
            .arg(QString::fromLatin1(QCryptographicHash::hash(schema, QCryptographicHash::Sha1).toHex().left(16))));
    if (!QFile::exists(pristine)) {
        const QString building = path + QStringLiteral(".pristine");
        plan::Connection::createDatabase(building);
        {
            plan::Connection c;
            c.open(building);
            c.executeScript(QString::fromUtf8(schema));
        }
        // Another test process may have won the race; either copy is good.
        if (!QFile::rename(building, pristine)) QFile::remove(building);
    }
    if (!QFile::copy(pristine, path)) throw std::runtime_error("cannot copy " + pristine.toStdString());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
    return path;
}

std::unique_ptr<plan::Connection> connect(const QString& path)
{
    auto c = std::make_unique<plan::Connection>();
    c->open(path);
    return c;
}

} // namespace plantest
