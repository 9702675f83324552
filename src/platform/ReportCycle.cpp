#include "platform/ReportCycle.h"

#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/ReportComponent.h"
#include "platform/TemplateStore.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

namespace plan {
namespace {
// The template copy; when there is none, the component is told why, so
// that the host can say it (the empty report is shown all the same).
QString resolve(const TemplateResolver& resolver, const QString& windowKey, const QString& code, ReportComponent& rc)
{
    QString problem;
    const QString path = resolver ? resolver(windowKey, code) : freshTemplateCopy(windowKey, code, &problem);
    if (problem.isEmpty() && !QFileInfo::exists(path))
        problem = QStringLiteral("Шаблон отчета %1/%2 не найден: %3").arg(windowKey, code, path);
    if (!problem.isEmpty()) rc.addProblem(problem);
    return path;
}

QString templateName(const ReportHost& host, const QString& code) { return host.windowKey() + QLatin1Char('/') + code; }

ReportComponent& component(ReportHost& host)
{
    ReportComponent* rc = host.reportComponent();
    if (!rc) throw std::logic_error("the host window " + host.windowKey().toStdString() + " has no report component");
    return *rc;
}

// The staging table emptied and refilled (and what the frame reads on the
// same connection meanwhile) in one transaction of the dataset's connection,
// not one for the opening, one for the emptying and one for the rows: each
// transaction costs the engine a synchronous write of the database header
// and one of the transaction's state. It is committed when the rows are
// written, also after an error (the rows written so far stay, as after any
// failed report), and before the template reads: the further tables a
// template names are read in a transaction of their own, which sees only
// what is committed. (Both cycles below hold one as `rows`.)

// Deletes the template copies, closes the report dataset and forgets the
// report's values when the cycle ends, however it ends.
class CycleEnd {
public:
    CycleEnd(Dataset& ds, ReportComponent& rc) : m_ds(ds), m_rc(rc) {}
    ~CycleEnd()
    {
        for (const QString& path : std::as_const(m_templates))
            if (!path.isEmpty()) QFile::remove(path);
        m_ds.close();
        m_rc.clearValues();
    }
    CycleEnd(const CycleEnd&) = delete;
    CycleEnd& operator=(const CycleEnd&) = delete;
    // The copy of one code's template, kept until the cycle ends.
    void setTemplate(const QString& code, const QString& path) { m_templates.insert(code, path); }
    bool hasTemplate(const QString& code) const { return m_templates.contains(code); }
    QString templatePath(const QString& code) const { return m_templates.value(code); }

private:
    Dataset& m_ds;
    ReportComponent& m_rc;
    QMap<QString, QString> m_templates;
};
} // namespace

// ---------------------------------------------------------------- openStagingTable

namespace {
// The kinds of sort values ordered here as the engine orders them.
enum class SortKind { Text, Integer, Real, Time, Other };

SortKind sortKind(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::QString: {
        // Beyond the basic plane UTF-16 and the engine's UTF-8 order differ.
        const QString t = v.toString();
        for (const QChar c : t)
            if (c.isSurrogate()) return SortKind::Other;
        return SortKind::Text;
    }
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::LongLong: return SortKind::Integer;
    case QMetaType::Double: return SortKind::Real;
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime: return SortKind::Time;
    default: return SortKind::Other;
    }
}

// -1, 0, 1 as the engine orders two values of one sort column, both null or
// of the one kind: ascending, nulls first, a text compared character by
// character with the shorter one going on in blanks.
int engineOrder(const QVariant& a, const QVariant& b, SortKind kind)
{
    if (a.isNull() || b.isNull()) return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    switch (kind) {
    case SortKind::Text: {
        const QString x = a.toString(), y = b.toString();
        const qsizetype n = std::max(x.size(), y.size());
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t cx = i < x.size() ? x[i].unicode() : u' ';
            const char16_t cy = i < y.size() ? y[i].unicode() : u' ';
            if (cx != cy) return cx < cy ? -1 : 1;
        }
        return 0;
    }
    case SortKind::Integer: {
        const qlonglong x = a.toLongLong(), y = b.toLongLong();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    case SortKind::Real: {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    default: return QVariant::compare(a, b) < 0 ? -1 : (QVariant::compare(b, a) < 0 ? 1 : 0);
    }
}
} // namespace

void openStagingTable(Dataset& ds, const QString& query)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*select\s+\*\s+from\s+(\w+)\s+order\s+by\s+(\w+(?:\s*,\s*\w+)*)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(query);
    QStringList keys;
    if (m.hasMatch())
        for (const QString& k : m.captured(2).split(QLatin1Char(','))) keys << k.trimmed().toUpper();
    auto literal = [&] {
        ds.setCommandText(query);
        ds.open();
    };
    if (keys.isEmpty() || keys == QStringList{QStringLiteral("ID")}) return literal();

    Dataset whole(ds.connection());
    whole.setCommandText(QStringLiteral("Select * From ") + m.captured(1) + QLatin1Char(';'));
    whole.open();
    const QStringList columns = whole.fieldNames();
    std::vector<std::vector<QVariant>> rows = whole.takeRows();
    // Each sort column: its position and the one kind of its values.
    std::vector<std::pair<int, SortKind>> at;
    for (const QString& k : keys) {
        const int i = columns.indexOf(k);
        if (i < 0) return literal();
        std::optional<SortKind> kind;
        for (const auto& row : rows) {
            if (row[i].isNull()) continue;
            const SortKind here = sortKind(row[i]);
            if (here == SortKind::Other || (kind && *kind != here)) return literal();
            kind = here;
        }
        at.emplace_back(i, kind.value_or(SortKind::Other));
    }
    auto compare = [&](const std::vector<QVariant>& a, const std::vector<QVariant>& b) {
        for (const auto& [i, kind] : at)
            if (const int c = engineOrder(a[i], b[i], kind)) return c;
        return 0;
    };
    std::sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) { return compare(a, b) < 0; });
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (compare(rows[i - 1], rows[i]) == 0) return literal();
    ds.setCommandText(query);
    ds.assign(columns, std::move(rows));
}

// ---------------------------------------------------------------- StagingWriter

StagingWriter::StagingWriter(Dataset& ds, const QString& query) : m_ds(ds)
{
    openStagingTable(m_ds, query);
    m_ds.deleteAll();
    m_ds.updateBatch();
    m_ds.beginRows();
}

void StagingWriter::finish() { m_ds.commitRows(); }

StagingWriter::~StagingWriter()
{
    try {
        m_ds.commitRows();
    } catch (const DbError&) {
        // Only on the way out of an error, which is the one reported.
    }
}

void StagingWriter::addRow(std::initializer_list<QVariant> values) { addRow(QVariantList(values)); }

void StagingWriter::addRow(const QVariantList& values)
{
    m_ds.append();
    for (int i = 0; i < values.size(); ++i) m_ds.setField(i + 1, values[i]);
    m_ds.post();
    m_ds.updateBatch();
    ++m_rows;
}

void StagingWriter::addRow(const StagingRow& row)
{
    m_ds.append();
    for (int pos = 0; pos <= row.size(); ++pos)
        if (row.has(pos)) m_ds.setField(pos, row.at(pos));
    m_ds.post();
    m_ds.updateBatch();
    ++m_rows;
}

// ---------------------------------------------------------------- StagingRow

StagingRow& StagingRow::set(int pos, const QVariant& value)
{
    if (pos < 0) throw std::out_of_range("staging positions start at 0, not " + std::to_string(pos));
    if (pos >= static_cast<int>(m_values.size())) {
        m_values.resize(pos + 1);
        m_set.resize(pos + 1, false);
    }
    m_values[pos] = value;
    m_set[pos] = true;
    return *this;
}

bool StagingRow::has(int pos) const { return pos >= 0 && pos < static_cast<int>(m_set.size()) && m_set[pos]; }

QVariant StagingRow::at(int pos) const { return has(pos) ? m_values[pos] : QVariant(); }

QStringList StagingRow::texts() const
{
    QStringList out;
    for (int pos = 1; pos <= size(); ++pos) out << (has(pos) ? m_values[pos].toString() : QString());
    return out;
}

// ---------------------------------------------------------------- BusyScope

BusyScope::BusyScope(ReportHost& host) : m_host(host) { m_host.beginBusy(); }

BusyScope::~BusyScope() { finish(); }

void BusyScope::finish()
{
    if (m_done) return;
    m_done = true;
    m_host.progressReset();
    m_host.endBusy();
}

// ---------------------------------------------------------------- the cycles

void showStagedReport(ReportHost& host, Dataset& ds, const QString& code, const TemplateResolver& resolver)
{
    ReportComponent& rc = component(host);
    rc.clearProblems();
    CycleEnd end(ds, rc);
    host.progressReset();
    rc.setDataset(&ds);
    const QString path = resolve(resolver, host.windowKey(), code, rc);
    end.setTemplate(code, path);
    rc.loadFromFile(path, templateName(host, code));
    rc.prepareReport(true);
    rc.showPreparedReport();
}

void runSingleReport(ReportHost& host, Dataset& ds, const QString& query, const QString& code,
                     const std::function<void(StagingWriter&)>& fill, const TemplateResolver& resolver)
{
    BusyScope busy(host);
    try {
        const ReadTransaction rows(ds.connection());
        StagingWriter writer(ds, query);
        if (fill) fill(writer);
        writer.finish();
    } catch (...) {
        ds.close();
        if (ReportComponent* rc = host.reportComponent()) rc->clearValues();
        throw;
    }
    showStagedReport(host, ds, code, resolver);
    busy.finish();
}

void runSeveralReports(ReportHost& host, Dataset& ds, const QString& query, const QString& code, int count,
                       const std::function<void(int index, StagingWriter&)>& fill, const TemplateResolver& resolver)
{
    runSeveralReports(host, ds, std::vector<StagedDocument>(std::max(count, 0), StagedDocument{query, code}), fill,
                      resolver);
}

void runSeveralReports(ReportHost& host, Dataset& ds, const std::vector<StagedDocument>& documents,
                       const std::function<void(int index, StagingWriter&)>& fill, const TemplateResolver& resolver)
{
    BusyScope busy(host);
    ReportComponent& rc = component(host);
    rc.clearProblems();
    CycleEnd end(ds, rc);
    rc.setDataset(&ds);
    const int count = static_cast<int>(documents.size());
    host.progressStart(count);
    for (int i = 0; i < count; ++i) {
        const StagedDocument& doc = documents[i];
        {
            const ReadTransaction rows(ds.connection());
            StagingWriter writer(ds, doc.query);
            if (fill) fill(i, writer);
            writer.finish();
        }
        if (!end.hasTemplate(doc.code)) end.setTemplate(doc.code, resolve(resolver, host.windowKey(), doc.code, rc));
        rc.loadFromFile(end.templatePath(doc.code), templateName(host, doc.code));
        rc.prepareReport(i == 0);
        host.progressStep();
    }
    if (count == 0 || rc.preparedDocuments() == 0) {
        // Nothing to show: an empty report, not the pages of an earlier one.
        rc.loadFromFile(QString());
        rc.prepareReport(true);
    }
    rc.showPreparedReport();
    busy.finish();
}

} // namespace plan
