#include "platform/StagingExport.h"

#include "platform/Dataset.h"

#include <QFile>
#include <QSaveFile>
#include <stdexcept>

namespace plan {

QString csvField(const QString& value)
{
    const bool quote = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) ||
                       value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'));
    if (!quote) return value;
    QString v = value;
    v.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + v + QLatin1Char('"');
}

std::vector<QStringList> rowsAsText(const Dataset& ds)
{
    const QStringList names = ds.fieldNames();
    std::vector<QStringList> out;
    out.reserve(ds.rows().size());
    for (const auto& row : ds.rows()) {
        QStringList fields;
        for (int i = 0; i < names.size(); ++i)
            fields << (i < static_cast<int>(row.size()) ? Field(row[i], names[i]).asString() : QString());
        out.push_back(std::move(fields));
    }
    return out;
}

void exportCsv(const QStringList& columns, const std::vector<QStringList>& rows, const QString& path)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error("не удается записать файл CSV " + path.toStdString() + ": " + f.errorString().toStdString());
    QString out;
    auto line = [&](const QStringList& fields) {
        QStringList q;
        q.reserve(fields.size());
        for (const QString& s : fields) q << csvField(s);
        out += q.join(QLatin1Char(',')) + QLatin1String("\r\n");
    };
    line(columns);
    for (const QStringList& fields : rows) line(fields);
    f.write(out.toUtf8());
    if (!f.commit())
        throw std::runtime_error("не удается записать файл CSV " + path.toStdString() + ": " + f.errorString().toStdString());
}

void exportCsv(const Dataset& ds, const QString& path) { exportCsv(ds.fieldNames(), rowsAsText(ds), path); }

} // namespace plan
