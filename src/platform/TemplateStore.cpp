#include "platform/TemplateStore.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QUuid>

namespace plan {
namespace {
// Window keys and codes become parts of file names; keep them to safe characters.
QString safePart(const QString& s)
{
    QString out = s;
    out.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    return out.isEmpty() ? QStringLiteral("_") : out;
}

QString missingPath(const QString& windowKey, const QString& code)
{
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("plan-missing-%1-%2-%3.html")
                      .arg(safePart(windowKey), safePart(code),
                           QUuid::createUuid().toString(QUuid::WithoutBraces)));
}
} // namespace

QString templateSourcePath(const QString& windowKey, const QString& code)
{
    return QDir(Paths::home()).filePath(QStringLiteral("templates/%1/%2.html").arg(windowKey, code));
}

QString freshTemplateCopy(const QString& windowKey, const QString& code, QString* problem)
{
    QString why;
    const QString sourcePath = templateSourcePath(windowKey, code);
    auto missing = [&](const QString& reason) {
        if (problem) *problem = reason;
        return missingPath(windowKey, code);
    };
    QFile source(sourcePath);
    if (windowKey.isEmpty() || code.isEmpty() || !source.open(QIODevice::ReadOnly))
        return missing(QStringLiteral("Шаблон отчета %1/%2 не найден: %3").arg(windowKey, code, sourcePath));
    const QByteArray text = source.readAll();

    QTemporaryFile copy(QDir(QDir::tempPath())
                            .filePath(QStringLiteral("plan-%1-%2-XXXXXX.html").arg(safePart(windowKey), safePart(code))));
    copy.setAutoRemove(false);
    const QString cannotCopy = QStringLiteral("Шаблон отчета %1/%2 не удалось скопировать во временную папку %3: ")
                                   .arg(windowKey, code, QDir::tempPath());
    if (!copy.open()) return missing(cannotCopy + copy.errorString());
    if (copy.write(text) != text.size() || !copy.flush()) {
        why = copy.errorString();
        copy.remove();
        return missing(cannotCopy + why);
    }
    copy.close();
    if (problem) problem->clear();
    return QFileInfo(copy.fileName()).absoluteFilePath();
}

} // namespace plan
