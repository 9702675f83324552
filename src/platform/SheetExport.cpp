#include "platform/SheetExport.h"

#include "platform/Clock.h"
#include "platform/StagingExport.h"

#include <QDate>
#include <QFont>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <xlsxwriter.h>
#include <algorithm>
#include <map>
#include <stdexcept>

namespace plan {
namespace {

[[noreturn]] void cannotWrite(const QString& kind, const QString& path, const QString& why)
{
    throw std::runtime_error(QStringLiteral("не удается записать файл %1 %2: %3").arg(kind, path, why).toStdString());
}

// The text of a cell as printed, and whether all of it is bold / italic.
SheetCell readCell(const QTextTableCell& cell)
{
    SheetCell out;
    out.column = cell.column();
    out.rowSpan = cell.rowSpan();
    out.columnSpan = cell.columnSpan();
    QStringList blocks;
    bool anyText = false, allBold = true, allItalic = true;
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        const QTextBlock block = it.currentBlock();
        if (!block.isValid()) continue;
        for (auto f = block.begin(); !f.atEnd(); ++f) {
            const QTextFragment frag = f.fragment();
            if (!frag.isValid() || frag.text().trimmed().isEmpty()) continue;
            anyText = true;
            allBold = allBold && frag.charFormat().fontWeight() >= QFont::Bold;
            allItalic = allItalic && frag.charFormat().fontItalic();
        }
        blocks << block.text();
    }
    QString text = blocks.join(QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n')).replace(QChar::Nbsp, QLatin1Char(' '));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& l : lines) l = l.trimmed();
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    while (!lines.isEmpty() && lines.first().isEmpty()) lines.removeFirst();
    out.text = lines.join(QLatin1Char('\n'));
    out.bold = anyText && allBold;
    out.italic = anyText && allItalic;
    return out;
}

SheetTable readTable(QTextTable* t)
{
    SheetTable out;
    out.columns = t->columns();
    out.headRows = std::min(t->format().headerRowCount(), t->rows());
    for (int r = 0; r < t->rows(); ++r) {
        std::vector<SheetCell> row;
        for (int c = 0; c < t->columns(); ++c) {
            const QTextTableCell cell = t->cellAt(r, c);
            // A cell spanned from the left or from above is written where it starts.
            if (!cell.isValid() || cell.row() != r || cell.column() != c) continue;
            row.push_back(readCell(cell));
        }
        out.rows.push_back(std::move(row));
    }
    return out;
}

bool isDataTable(const QTextTable* t) { return t->format().border() > 0; }

void collect(QTextFrame* frame, SheetDocument* doc)
{
    for (QTextFrame* child : frame->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(child);
        if (!table) {
            collect(child, doc);
            continue;
        }
        if (isDataTable(table)) {
            doc->tables.push_back(readTable(table));
            continue;
        }
        // A table without border is the heading (or the signatures): above
        // the first data table its lines head the sheet.
        if (!doc->tables.empty()) continue;
        for (const auto& row : readTable(table).rows)
            for (const SheetCell& cell : row)
                for (const QString& line : cell.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) doc->heading << line;
    }
}

QString sheetName(const SheetDocument& doc, int index, int count, QStringList* taken)
{
    QString title = doc.heading.value(0, QStringLiteral("Отчет"));
    static const QRegularExpression bad(QStringLiteral("[\\[\\]:*?/\\\\']"));
    title.replace(bad, QStringLiteral(" "));
    title = title.simplified();
    if (count > 1) title = QStringLiteral("%1 %2").arg(index + 1).arg(title);
    QString name = title.left(31).trimmed();
    for (int n = 2; name.isEmpty() || taken->contains(name, Qt::CaseInsensitive); ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        name = title.left(31 - suffix.size()).trimmed() + suffix;
    }
    *taken << name;
    return name;
}

// The formats of a workbook, made once per combination.
class Formats {
public:
    enum Role { Body, Head, Banner, Heading, Title };
    explicit Formats(lxw_workbook* wb) : m_wb(wb) {}
    lxw_format* get(Role role, bool bold, bool italic, const QString& numFormat = QString())
    {
        const QString key = QStringLiteral("%1|%2|%3|%4").arg(role).arg(bold).arg(italic).arg(numFormat);
        auto it = m_formats.find(key);
        if (it != m_formats.end()) return it->second;
        lxw_format* f = workbook_add_format(m_wb);
        if (bold || role == Head || role == Banner || role == Title) format_set_bold(f);
        if (italic) format_set_italic(f);
        if (!numFormat.isEmpty()) format_set_num_format(f, numFormat.toUtf8().constData());
        if (role == Title) format_set_font_size(f, 12);
        if (role == Body || role == Head || role == Banner) {
            format_set_border(f, LXW_BORDER_THIN);
            format_set_text_wrap(f);
            format_set_align(f, LXW_ALIGN_VERTICAL_TOP);
        }
        if (role == Head) {
            format_set_align(f, LXW_ALIGN_CENTER);
            format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
            format_set_bg_color(f, 0xE0E0E0);
        }
        if (role == Banner) format_set_bg_color(f, 0xF0F0F0);
        m_formats.emplace(key, f);
        return f;
    }

private:
    lxw_workbook* m_wb;
    std::map<QString, lxw_format*> m_formats;
};

void writeCell(lxw_worksheet* ws, Formats& formats, Formats::Role role, int row, const SheetCell& cell)
{
    const int lastRow = row + cell.rowSpan - 1;
    const int lastCol = cell.column + cell.columnSpan - 1;
    const QByteArray text = cell.text.toUtf8();
    if (lastRow > row || lastCol > cell.column) {
        lxw_format* f = formats.get(role, cell.bold, cell.italic);
        worksheet_merge_range(ws, row, cell.column, lastRow, lastCol, text.constData(), f);
        return;
    }
    const SheetValue v = role == Formats::Body ? sheetValue(cell.text) : SheetValue{};
    switch (v.kind) {
    case SheetValue::Number:
        worksheet_write_number(ws, row, cell.column, v.number, formats.get(role, cell.bold, cell.italic));
        break;
    case SheetValue::Date: {
        lxw_datetime d{v.year, v.month, v.day, 0, 0, 0};
        worksheet_write_datetime(ws, row, cell.column, &d, formats.get(role, cell.bold, cell.italic, v.dateFormat));
        break;
    }
    case SheetValue::Text:
        if (cell.text.isEmpty()) worksheet_write_blank(ws, row, cell.column, formats.get(role, cell.bold, cell.italic));
        else worksheet_write_string(ws, row, cell.column, text.constData(), formats.get(role, cell.bold, cell.italic));
        break;
    }
}

} // namespace

bool SheetTable::isBanner(int row) const
{
    const auto& r = rows.at(row);
    return columns > 1 && r.size() == 1 && r.front().column == 0 && r.front().columnSpan == columns;
}

SheetDocument sheetDocument(const QString& html)
{
    QTextDocument doc;
    doc.setHtml(html);
    SheetDocument out;
    collect(doc.rootFrame(), &out);
    return out;
}

SheetValue sheetValue(const QString& text)
{
    SheetValue v;
    static const QRegularExpression date(QStringLiteral("^(\\d{2})\\.(\\d{2})\\.(\\d{2}|\\d{4})$"));
    static const QRegularExpression whole(QStringLiteral("^-?(?:0|[1-9]\\d{0,8})$"));
    static const QRegularExpression decimal(QStringLiteral("^-?(?:0|[1-9]\\d{0,8}),\\d{1,6}$"));
    if (const auto m = date.match(text); m.hasMatch()) {
        int year = m.captured(3).toInt();
        if (m.captured(3).size() == 2) {
            // A two-digit year is of this century unless that lies more than
            // twenty years ahead (a date of manufacture "12.05.84").
            year += 2000;
            if (year > Clock::today().year() + 20) year -= 100;
        }
        const QDate d(year, m.captured(2).toInt(), m.captured(1).toInt());
        if (d.isValid()) {
            v.kind = SheetValue::Date;
            v.year = d.year();
            v.month = d.month();
            v.day = d.day();
            v.dateFormat = m.captured(3).size() == 2 ? QStringLiteral("dd.mm.yy") : QStringLiteral("dd.mm.yyyy");
        }
        return v;
    }
    if (whole.match(text).hasMatch() || decimal.match(text).hasMatch()) {
        v.kind = SheetValue::Number;
        v.number = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    }
    return v;
}

void exportXlsx(const std::vector<SheetDocument>& docs, const QString& path)
{
    {
        // Says why in words before the library, which only says it could not create the file.
        QSaveFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) cannotWrite(QStringLiteral("Excel"), path, probe.errorString());
        probe.cancelWriting();
    }
    lxw_workbook* wb = workbook_new(path.toUtf8().constData());
    if (!wb) cannotWrite(QStringLiteral("Excel"), path, QStringLiteral("файл не создается"));
    Formats formats(wb);
    QStringList taken;
    const int count = static_cast<int>(docs.size());
    for (int i = 0; i < std::max(count, 1); ++i) {
        const SheetDocument empty;
        const SheetDocument& doc = count == 0 ? empty : docs[i];
        lxw_worksheet* ws = workbook_add_worksheet(wb, sheetName(doc, i, count, &taken).toUtf8().constData());
        if (!ws) ws = workbook_add_worksheet(wb, nullptr);
        int columns = 1;
        for (const SheetTable& t : doc.tables) columns = std::max(columns, t.columns);
        std::vector<int> widths(columns, 8);
        int row = 0;
        for (int h = 0; h < doc.heading.size(); ++h) {
            const QByteArray line = doc.heading[h].toUtf8();
            lxw_format* f = formats.get(h == 0 ? Formats::Title : Formats::Heading, false, false);
            if (columns > 1) worksheet_merge_range(ws, row, 0, row, columns - 1, line.constData(), f);
            else worksheet_write_string(ws, row, 0, line.constData(), f);
            ++row;
        }
        if (!doc.heading.isEmpty()) ++row;
        int headFrom = -1, headTo = -1;
        for (const SheetTable& t : doc.tables) {
            for (int r = 0; r < static_cast<int>(t.rows.size()); ++r) {
                const bool head = r < t.headRows;
                const Formats::Role role = head ? Formats::Head : t.isBanner(r) ? Formats::Banner : Formats::Body;
                for (const SheetCell& cell : t.rows[r]) {
                    writeCell(ws, formats, role, row + r, cell);
                    if (cell.columnSpan == 1 && role != Formats::Banner) {
                        int longest = 0;
                        for (const QString& l : cell.text.split(QLatin1Char('\n'))) longest = std::max<int>(longest, l.size());
                        widths[cell.column] = std::max(widths[cell.column], std::min(longest + 2, head ? 24 : 60));
                    }
                }
            }
            // The column heads of a single table are printed again on every page.
            if (doc.tables.size() == 1 && t.headRows > 0) {
                headFrom = row;
                headTo = row + t.headRows - 1;
            }
            row += static_cast<int>(t.rows.size()) + 1;
        }
        for (int c = 0; c < columns; ++c) worksheet_set_column(ws, c, c, widths[c], nullptr);
        if (headFrom >= 0) worksheet_repeat_rows(ws, headFrom, headTo);
        worksheet_set_landscape(ws);
        worksheet_fit_to_pages(ws, 1, 0);
    }
    const lxw_error e = workbook_close(wb);
    if (e != LXW_NO_ERROR) cannotWrite(QStringLiteral("Excel"), path, QString::fromUtf8(lxw_strerror(e)));
}

void exportTablesCsv(const std::vector<SheetDocument>& docs, const QString& path)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) cannotWrite(QStringLiteral("CSV"), path, f.errorString());
    QString out = QString(QChar(0xFEFF));
    bool first = true;
    for (const SheetDocument& doc : docs) {
        for (const SheetTable& t : doc.tables) {
            if (!first) out += QLatin1String("\r\n");
            first = false;
            for (const auto& row : t.rows) {
                QStringList fields(t.columns);
                for (const SheetCell& cell : row)
                    if (cell.column < t.columns) fields[cell.column] = csvField(cell.text);
                out += fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
            }
        }
    }
    f.write(out.toUtf8());
    if (!f.commit()) cannotWrite(QStringLiteral("CSV"), path, f.errorString());
}

} // namespace plan
