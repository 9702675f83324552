#include "tuning/TuneListModel.h"

#include "platform/Connection.h"
#include "platform/DbError.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace plan::tuning {

QString cellText(const QVariant& value)
{
    if (!value.isValid() || value.isNull()) return {};
    return value.toString();
}

TuneListModel::TuneListModel(Connection* connection, int lineColumns, int availableColumns)
    : m_connection(connection), m_lineColumns(lineColumns), m_availableColumns(availableColumns)
{
}

TuneRow TuneListModel::newRow(int columns) const
{
    TuneRow r;
    for (int i = 0; i < columns; ++i) r.cells << QString();
    return r;
}

QString TuneListModel::lineCell(int line, int column) const
{
    return line >= 0 && line < lineCount() ? m_lines[line].cell(column) : QString();
}

void TuneListModel::setLineCell(int line, int column, const QString& value)
{
    if (line < 0 || line >= lineCount() || column < 2 || column >= m_lineColumns) return;
    m_lines[line].cells[column] = value;
    m_changed = true;
}

void TuneListModel::setAvailableChecked(int row, bool checked)
{
    if (row >= 0 && row < static_cast<int>(m_available.size())) m_available[row].checked = checked;
}

void TuneListModel::setLineChecked(int line, bool checked)
{
    if (line >= 0 && line < lineCount()) m_lines[line].checked = checked;
}

int TuneListModel::deleteChecked()
{
    int removed = 0;
    // The same index is looked at again after a removal.
    for (size_t i = 0; i < m_lines.size();) {
        if (m_lines[i].checked) {
            m_lines.erase(m_lines.begin() + static_cast<long>(i));
            ++removed;
        } else {
            ++i;
        }
    }
    m_changed = true;
    return removed;
}

bool TuneListModel::moveLine(int from, int to)
{
    const int n = lineCount();
    if (from < 0 || from >= n || to < 0 || to >= n) return false;
    if (from == to) return true;
    TuneRow r = m_lines[from];
    m_lines.erase(m_lines.begin() + from);
    m_lines.insert(m_lines.begin() + to, r);
    m_changed = true;
    return true;
}

bool TuneListModel::arrowMove(int selected, bool up)
{
    return moveLine(up ? selected + 1 : selected - 1, selected);
}

int TuneListModel::findLine(int column, const QString& text) const
{
    for (int i = 0; i < lineCount(); ++i)
        if (m_lines[i].cell(column) == text) return i;
    return -1;
}

void TuneListModel::rewrite(const QString& table, const QString& deleteWhere, const std::vector<StoredRow>& rows)
{
    QSqlDatabase db = m_connection->database();
    auto fail = [&](const QString& what, const QString& why) {
        db.rollback();
        throw DbError(QStringLiteral("Не удается сохранить список (%1): %2; сохраненный список не изменен").arg(what, why));
    };
    if (!db.transaction()) throw DbError(QStringLiteral("Не удается начать сохранение в таблицу %1: %2").arg(table, describeSqlError(db.lastError())));
    {
        QSqlQuery q(db);
        const QString del = QStringLiteral("Delete From ") + table + QStringLiteral(" Where ") + deleteWhere;
        if (!q.exec(del)) fail(QStringLiteral("\"%1\"").arg(del), describeSqlError(q.lastError()));
        int line = 0;
        for (const StoredRow& row : rows) {
            ++line;
            QStringList names, marks;
            for (const auto& [name, value] : row) {
                names << name;
                marks << QStringLiteral("?");
            }
            QSqlQuery ins(db);
            const QString sql = QStringLiteral("Insert Into %1 (%2) Values (%3)")
                                    .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
            bool ok = ins.prepare(sql);
            if (ok) {
                for (const auto& nv : row) ins.addBindValue(nv.second);
                ok = ins.exec();
            }
            if (!ok) fail(QStringLiteral("line %1 of %2").arg(line).arg(rows.size()), describeSqlError(ins.lastError()));
        }
    }
    if (!db.commit()) fail(QStringLiteral("commit"), describeSqlError(db.lastError()));
}

} // namespace plan::tuning
