#include "support/TestSupport.h"

#include <QAtomicInt>
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

QString createSchemaDatabase(const QString& name)
{
    const QString path = scratchDir() + QStringLiteral("/%1-%2.fdb")
                                            .arg(name.isEmpty() ? QStringLiteral("test") : name)
                                            .arg(g_db.fetchAndAddRelaxed(1));
    plan::Connection::createDatabase(path);
    plan::Connection c;
    c.open(path);
    QFile f(QStringLiteral(PLAN_SOURCE_DIR "/src/data/schema.sql"));
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("schema.sql not found");
    c.executeScript(QString::fromUtf8(f.readAll()));
    return path;
}

std::unique_ptr<plan::Connection> connect(const QString& path)
{
    auto c = std::make_unique<plan::Connection>();
    c->open(path);
    return c;
}

} // namespace plantest
