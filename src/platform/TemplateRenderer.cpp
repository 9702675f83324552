#include "platform/TemplateRenderer.h"

#include "platform/ReadOnlySelect.h"

#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/DataDoubts.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/Paths.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <kainjow/mustache.hpp>
#include <map>
#include <set>

namespace plan {
namespace {
namespace mu = kainjow::mustache;

QString htmlEscape(const QString& s)
{
    QString out;
    out.reserve(s.size() + 8);
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        case '\'': out += QLatin1String("&#39;"); break;
        default: out += c;
        }
    }
    return out;
}

QString decodeEntities(QString s)
{
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&#39;"), QLatin1String("'"));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s;
}

QString attribute(const QString& tagBody, const QString& name)
{
    const QRegularExpression re(QStringLiteral("\\b%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')").arg(name),
                                QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(tagBody);
    if (!m.hasMatch()) return {};
    return decodeEntities(m.captured(1).isNull() ? m.captured(2) : m.captured(1));
}

std::string utf8(const QString& s) { return s.toUtf8().toStdString(); }

// The text of a value without its <b>, </b>, <i>, </i> marks.
QString stripMarks(QString s)
{
    static const QRegularExpression marks(QStringLiteral("</?[bi]>"), QRegularExpression::CaseInsensitiveOption);
    return s.remove(marks);
}

QString cellText(const QVariant& v, const QString& column) { return Field(v, column).asString(); }

// The names the tags of a template and its parts use ({{name}}, {{#name}},
// {{^name}}, {{/name}}, {{{name}}}, {{&name}}): a row value that no tag names
// is not made, since a long report has tens of thousands of cells.
struct TagNames {
    std::set<std::string> names;
    bool all = false; // build every value (a tag the scan cannot read)
    bool has(const std::string& n) const { return all || names.count(n) > 0; }
    // Any name that starts with the prefix ("c4_is_").
    bool hasPrefix(const std::string& prefix) const
    {
        if (all) return true;
        const auto it = names.lower_bound(prefix);
        return it != names.end() && it->compare(0, prefix.size(), prefix) == 0;
    }
    void scan(const QString& text)
    {
        static const QRegularExpression tag(QStringLiteral("\\{\\{\\{?\\s*[#^/&]?\\s*([^{}\\s]+)\\s*\\}?\\}\\}"));
        for (auto it = tag.globalMatch(text); it.hasNext();) {
            const QString name = it.next().captured(1);
            if (name.startsWith(QLatin1Char('='))) all = true; // changed delimiters: names unknown
            names.insert(utf8(name));
        }
        // Changed delimiters anywhere leave the names to chance: build all.
        if (text.contains(QLatin1String("{{="))) all = true;
    }
};

// The rows of one table as a Mustache list, with the values the tags name;
// each row is let go once it is converted.
mu::data rowList(TableRows& t, const TagNames& used)
{
    mu::data list{mu::data::type::list};
    // What each column needs, found once for the table.
    struct Column {
        std::string c, upper;
        bool plain, upperName, is, dash, filled, blank, bang, negative, part1, part2;
    };
    std::vector<Column> columns;
    for (int i = 0; i < static_cast<int>(t.columns.size()); ++i) {
        Column col;
        col.c = "c" + std::to_string(i);
        col.upper = utf8(t.columns[i].toUpper());
        col.plain = used.has(col.c);
        col.upperName = used.has(col.upper);
        col.is = used.hasPrefix(col.c + "_is_");
        col.dash = used.has(col.c + "_dash");
        col.filled = used.has(col.c + "_filled");
        col.blank = used.has(col.c + "_blank");
        col.bang = used.has(col.c + "_bang");
        col.negative = used.has(col.c + "_negative");
        col.part1 = used.has(col.c + "_part1");
        col.part2 = used.has(col.c + "_part2");
        columns.push_back(std::move(col));
    }
    int index = 0;
    for (auto& row : t.rows) {
        mu::data obj;
        bool title = false, section = false;
        // The row's role is marked in column 1; a row that leaves column 1
        // empty may carry the mark in column 2 (the type rows of the fleet
        // state sheets under their operator rows).
        const int last = std::min(static_cast<int>(row.size()), static_cast<int>(t.columns.size()));
        const int markColumn = last > 2 && cellText(row[1], t.columns[1]).isEmpty() ? 2 : 1;
        for (int i = 0; i < last; ++i) {
            const Column& col = columns[i];
            QString text = cellText(row[i], t.columns[i]);
            if (i == markColumn) {
                if (text.startsWith(QLatin1Char('!'))) title = true;
                else if (text.startsWith(QLatin1Char('|'))) section = true;
                if (title || section) text.remove(0, 1);
            }
            const std::string& c = col.c;
            // An empty column is false, so that {{^c8}}-{{/c8}} can print a
            // dash for it and {{#c8}}...{{/c8}} leaves its words out.
            if (col.plain || col.upperName || col.is) {
                const std::string v = utf8(text);
                const mu::data cell = text.isEmpty() ? mu::data(false) : mu::data(v);
                if (col.plain) obj.set(c, cell);
                if (col.upperName) obj.set(col.upper, cell);
                // A short code in a column can choose a text: {{#c4_is_1}}...{{/c4_is_1}}.
                static const QRegularExpression code(QStringLiteral("^[A-Za-z0-9]{1,12}$"));
                if (col.is && code.match(text).hasMatch()) obj.set(c + "_is_" + v, true);
            }
            // A dash stands for "not applicable"; a negative number (marks
            // aside) for a life already used up.
            if (col.dash) obj.set(c + "_dash", text.trimmed() == QLatin1String("-"));
            // A section on the value itself is true also for an empty text;
            // {{#cN_filled}} is true only when the column holds something.
            if (col.filled) obj.set(c + "_filled", !text.trimmed().isEmpty());
            // An empty value, and the "!" that stands for "no value" in a
            // column (an empty section is still shown: test these instead).
            if (col.blank) obj.set(c + "_blank", stripMarks(text).trimmed().isEmpty());
            if (col.bang) obj.set(c + "_bang", text.trimmed() == QLatin1String("!"));
            static const QRegularExpression negative(QStringLiteral("^\\s*-\\s*\\d"));
            if (col.negative) obj.set(c + "_negative", negative.match(stripMarks(text)).hasMatch());
            // A two-line value keeps its lines apart with "!" (limits ! remainders,
            // title ! its second line): {{cN_part1}} before the first "!", {{cN_part2}} after it.
            if (col.part1 || col.part2) {
                const int bang = text.indexOf(QLatin1Char('!'));
                if (col.part1) obj.set(c + "_part1", utf8(bang < 0 ? text : text.left(bang)));
                if (col.part2) obj.set(c + "_part2", utf8(bang < 0 ? QString() : text.mid(bang + 1)));
            }
        }
        obj.set("title", title);
        obj.set("section", section);
        obj.set("plain", !title && !section);
        obj.set("index", std::to_string(++index));
        obj.set("first", index == 1);
        obj.set("last", index == static_cast<int>(t.rows.size()));
        list.push_back(std::move(obj));
        std::vector<QVariant>().swap(row);
    }
    return list;
}

// A report value as Mustache data (see ReportValues).
mu::data valueData(const QVariant& v);

mu::data listData(const QVariantList& items)
{
    mu::data list{mu::data::type::list};
    for (int i = 0; i < items.size(); ++i) {
        const QVariant& item = items[i];
        mu::data obj;
        if (item.canConvert<QVariantHash>() && item.typeId() != QMetaType::QString) {
            const QVariantHash h = item.toHash();
            for (auto it = h.begin(); it != h.end(); ++it) {
                if (it.value().typeId() == QMetaType::QString && it.value().toString().isEmpty()) continue;
                obj.set(utf8(it.key()), valueData(it.value()));
            }
        } else {
            obj.set("text", utf8(item.toString()));
        }
        obj.set("first", i == 0);
        obj.set("last", i == items.size() - 1);
        list.push_back(obj);
    }
    return list;
}

mu::data valueData(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Bool: return mu::data(v.toBool());
    case QMetaType::QStringList: {
        QVariantList items;
        for (const QString& s : v.toStringList()) items << s;
        return listData(items);
    }
    case QMetaType::QVariantList: return listData(v.toList());
    default: return mu::data(utf8(v.toString()));
    }
}

const QRegularExpression& partTag()
{
    static const QRegularExpression tag(QStringLiteral("\\{\\{>\\s*([^}\\s]+)\\s*\\}\\}"));
    return tag;
}

std::string partKey(const QString& name) { return "part:" + utf8(name); }

// The part tags of a text pointed at the keys the parts are stored under.
QString partTags(QString text) { return text.replace(partTag(), QStringLiteral("{{>part:\\1}}")); }

// The shared parts a template names ({{> name}}), read with the parts they
// name in turn. Returns the name of a part whose file is missing, or "".
QString loadParts(const QString& text, const QString& dir, std::map<QString, QString>& parts, int depth = 0)
{
    for (auto it = partTag().globalMatch(text); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (parts.count(name)) continue;
        QFile f(QDir(dir).filePath(QStringLiteral("_%1.html").arg(name)));
        if (depth > 8 || !f.open(QIODevice::ReadOnly)) return name;
        parts[name] = QString::fromUtf8(f.readAll());
        const QString missing = loadParts(parts[name], dir, parts, depth + 1);
        if (!missing.isEmpty()) return missing;
    }
    return {};
}

QString errorPage(const QString& what)
{
    return QStringLiteral("<html><body><p><b>Шаблон отчёта содержит ошибку</b></p><p>%1</p></body></html>")
        .arg(htmlEscape(what));
}
} // namespace

// ---------------------------------------------------------------- PageSetup

QPageLayout PageSetup::layout() const
{
    return QPageLayout(QPageSize(size), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

PageSetup PageSetup::parse(const QString& text)
{
    PageSetup s;
    static const QRegularExpression sep(QStringLiteral("[;,\\s]+"));
    const QStringList words = text.toLower().split(sep, Qt::SkipEmptyParts);
    static const QRegularExpression number(QStringLiteral("^(\\d+(?:\\.\\d+)?)(mm|pt)?$"));
    auto numberAt = [&](int i, double* out) {
        if (i >= words.size()) return false;
        const auto m = number.match(words[i]);
        if (!m.hasMatch()) return false;
        *out = m.captured(1).toDouble();
        return true;
    };
    for (int i = 0; i < words.size(); ++i) {
        const QString& w = words[i];
        if (w == QLatin1String("a3")) s.size = QPageSize::A3;
        else if (w == QLatin1String("a4")) s.size = QPageSize::A4;
        else if (w == QLatin1String("a5")) s.size = QPageSize::A5;
        else if (w == QLatin1String("letter")) s.size = QPageSize::Letter;
        else if (w == QLatin1String("portrait")) s.orientation = QPageLayout::Portrait;
        else if (w == QLatin1String("landscape")) s.orientation = QPageLayout::Landscape;
        else if (w == QLatin1String("margins") || w == QLatin1String("margin")) {
            // One value for all sides, or top right bottom left as in CSS.
            double v[4];
            int n = 0;
            while (n < 4 && numberAt(i + 1 + n, &v[n])) ++n;
            if (n >= 1 && n < 4) s.marginsMm = QMarginsF(v[0], v[0], v[0], v[0]);
            if (n == 4) s.marginsMm = QMarginsF(v[3], v[0], v[1], v[2]);
            i += n;
        } else if (w == QLatin1String("font")) {
            double v = 0;
            if (numberAt(i + 1, &v) && v > 0) {
                s.fontPt = v;
                ++i;
            }
        } else if (w == QLatin1String("page-numbers")) {
            if (i + 1 < words.size()) {
                s.pageNumbers = words[i + 1] != QLatin1String("off");
                ++i;
            }
        }
    }
    return s;
}

// ---------------------------------------------------------------- TableRows

TableRows TableRows::fromDataset(const Dataset& ds)
{
    TableRows t;
    t.columns = ds.fieldNames();
    t.rows = ds.rows();
    return t;
}

TableRows TableRows::take(Dataset& ds)
{
    TableRows t;
    t.columns = ds.fieldNames();
    t.rows = ds.takeRows();
    return t;
}

// ---------------------------------------------------------------- TemplateRenderer

QString TemplateRenderer::renderValue(const QString& raw)
{
    // Open marks are closed at the end of the value so that an unbalanced
    // "<b>" cannot make the rest of the page bold; stray closing marks vanish.
    QString out;
    out.reserve(raw.size() + 16);
    int bold = 0, italic = 0;
    QString stack; // 'b' / 'i' in opening order
    int i = 0;
    const int n = raw.size();
    auto at = [&](const char* tag) {
        return QStringView(raw).mid(i).startsWith(QLatin1String(tag), Qt::CaseInsensitive);
    };
    while (i < n) {
        const QChar c = raw[i];
        if (c == QLatin1Char('<')) {
            if (at("<b>")) { out += QLatin1String("<b>"); ++bold; stack += QLatin1Char('b'); i += 3; continue; }
            if (at("<i>")) { out += QLatin1String("<i>"); ++italic; stack += QLatin1Char('i'); i += 3; continue; }
            if (at("</b>") || at("</i>")) {
                const QChar kind = raw[i + 2].toLower();
                int& count = kind == QLatin1Char('b') ? bold : italic;
                if (count > 0) {
                    // Close the inner marks, the mark itself, and reopen the inner ones.
                    const int pos = stack.lastIndexOf(kind);
                    const QString inner = stack.mid(pos + 1);
                    for (int k = inner.size() - 1; k >= 0; --k) out += QStringLiteral("</%1>").arg(inner[k]);
                    out += QStringLiteral("</%1>").arg(kind);
                    for (const QChar k : inner) out += QStringLiteral("<%1>").arg(k);
                    stack.remove(pos, 1);
                    --count;
                }
                i += 4;
                continue;
            }
        }
        if (c == QLatin1Char('\r')) {
            out += QLatin1String("<br>");
            i += (i + 1 < n && raw[i + 1] == QLatin1Char('\n')) ? 2 : 1;
            continue;
        }
        if (c == QLatin1Char('\n')) { out += QLatin1String("<br>"); ++i; continue; }
        out += htmlEscape(QString(c));
        ++i;
    }
    for (int k = stack.size() - 1; k >= 0; --k) out += QStringLiteral("</%1>").arg(stack[k]);
    return out;
}

QStringList TemplateRenderer::metaContents(const QString& templateText, const QString& name)
{
    static const QRegularExpression meta(QStringLiteral("<meta\\b((?:[^>\"']|\"[^\"]*\"|'[^']*')*)>"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    for (auto it = meta.globalMatch(templateText); it.hasNext();) {
        const QString body = it.next().captured(1);
        if (attribute(body, QStringLiteral("name")).compare(name, Qt::CaseInsensitive) == 0)
            out << attribute(body, QStringLiteral("content"));
    }
    return out;
}

std::vector<std::pair<QString, QString>> TemplateRenderer::tableQueries(const QString& templateText)
{
    static const QRegularExpression def(QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*(.+)$"),
                                        QRegularExpression::DotMatchesEverythingOption);
    std::vector<std::pair<QString, QString>> out;
    for (const QString& c : metaContents(templateText, QStringLiteral("plan-table"))) {
        const auto m = def.match(c);
        if (m.hasMatch()) out.emplace_back(m.captured(1), m.captured(2).trimmed());
    }
    return out;
}

PageSetup TemplateRenderer::pageSetup(const QString& html)
{
    const QStringList setups = metaContents(html, QStringLiteral("plan-page"));
    PageSetup setup = setups.isEmpty() ? PageSetup() : PageSetup::parse(setups.last());
    const QStringList footers = metaContents(html, QStringLiteral("plan-footer"));
    if (!footers.isEmpty()) setup.footer = footers.last().simplified();
    return setup;
}

QString TemplateRenderer::templateTitle(const QString& templateText)
{
    static const QRegularExpression title(QStringLiteral("<title[^>]*>([^<]*)</title>"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto m = title.match(templateText);
    return m.hasMatch() ? decodeEntities(m.captured(1)).simplified() : QString();
}

QString TemplateRenderer::partialDir() { return QDir(Paths::home()).filePath(QStringLiteral("templates")); }

bool TemplateRenderer::isSingleSelect(const QString& sql, QString* why)
{
    // The text outside comments and string literals.
    QString bare;
    bool endSeen = false;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('-') && i + 1 < sql.size() && sql[i + 1] == QLatin1Char('-')) {
            while (i < sql.size() && sql[i] != QLatin1Char('\n')) ++i;
            bare += QLatin1Char(' ');
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < sql.size() && sql[i + 1] == QLatin1Char('*')) {
            const int end = sql.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? sql.size() : end + 1;
            bare += QLatin1Char(' ');
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const int end = sql.indexOf(c, i + 1);
            i = end < 0 ? sql.size() : end;
            bare += QStringLiteral(" '' ");
            continue;
        }
        if (endSeen && !c.isSpace()) {
            if (why) *why = QStringLiteral("после \";\" идет еще одна команда");
            return false;
        }
        if (c == QLatin1Char(';')) { endSeen = true; continue; }
        bare += c;
    }
    static const QRegularExpression select(QStringLiteral("^\\s*select\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression generator(QStringLiteral("\\bgen_id\\b|\\bnext\\s+value\\s+for\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (!select.match(bare).hasMatch()) {
        if (why) *why = QStringLiteral("разрешен только запрос SELECT");
        return false;
    }
    if (generator.match(bare).hasMatch()) {
        if (why) *why = QStringLiteral("запрос меняет генератор");
        return false;
    }
    return true;
}

QString TemplateRenderer::insertUnderHeading(const QString& html, const QString& paragraph)
{
    static const QRegularExpression body(QStringLiteral("<body\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression block(QStringLiteral("</(h[1-6]|table|p|div)\\s*>"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto b = body.match(html);
    const int from = b.hasMatch() ? b.capturedEnd() : 0;
    const auto m = block.match(html, from);
    const int at = m.hasMatch() ? m.capturedEnd() : from;
    return html.left(at) + paragraph + html.mid(at);
}

namespace {
// The rows of a further table, read in a transaction of its own that is
// rolled back: whatever the statement did (a selectable procedure that
// writes), the records stay as they were. Inside a transaction the
// connection already has, a savepoint does the same. Either way the rows are
// read on the report's own connection, the only one that sees its staging rows.
TableRows readOnlyRows(Connection* connection, const QString& sql)
{
    QSqlDatabase db = connection->database();
    // The cycle renders after the staging rows are committed, so the statement
    // runs in a read-only transaction of its own. Should the driver still hold
    // a transaction (rows not yet committed, which another transaction would
    // not see), it runs inside that one under a savepoint rolled back at once.
    if (db.transaction()) {
        db.rollback();
        SelectRows r = readOnlySelect(connection, sql);
        TableRows t;
        t.columns = std::move(r.columns);
        t.rows = std::move(r.rows);
        return t;
    }
    QSqlQuery(db).exec(QStringLiteral("SAVEPOINT PLAN_TEMPLATE_READ"));
    struct Rollback {
        QSqlDatabase& db;
        ~Rollback()
        {
            QSqlQuery q(db);
            q.exec(QStringLiteral("ROLLBACK TO SAVEPOINT PLAN_TEMPLATE_READ"));
            q.exec(QStringLiteral("RELEASE SAVEPOINT PLAN_TEMPLATE_READ"));
        }
    } rollback{db};
    Dataset ds(connection);
    ds.setCommandText(sql);
    ds.open();
    return TableRows::take(ds);
}
} // namespace

QString TemplateRenderer::render(const QString& templateText, TableRows rows, Connection* connection,
                                 const ReportValues& values, const QString& partDir, const QString& doubts,
                                 QString* error)
{
    QStringList errors;
    auto done = [&](const QString& html) {
        if (error) *error = errors.join(QStringLiteral("; "));
        return html;
    };
    auto failed = [&](const QString& what) {
        errors << QStringLiteral("ошибка шаблона: ") + what;
        return done(errorPage(what));
    };
    mu::mustache tmpl(utf8(partTags(templateText)));
    if (!tmpl.is_valid()) return failed(QString::fromStdString(tmpl.error_message()));
    tmpl.set_custom_escape([](const std::string& s) { return utf8(renderValue(QString::fromUtf8(s.c_str()))); });

    mu::data data;
    std::map<QString, QString> parts;
    const QString dir = partDir.isEmpty() ? partialDir() : partDir;
    const QString missing = loadParts(templateText, dir, parts);
    if (!missing.isEmpty())
        return failed(QStringLiteral("нет общей части шаблона «%1» (файл _%1.html в папке %2)").arg(missing, dir));
    // Mustache finds parts among the values; under their own names they
    // would be hidden by a value of the same name ("legend", "signatures").
    for (const auto& [name, text] : parts) data.set(partKey(name), mu::data(utf8(partTags(text))));
    data.set("report_title", utf8(templateTitle(templateText)));
    // The doubtful data of the run joins the doubts a frame may have set.
    ReportValues all = values;
    if (!doubts.isEmpty()) {
        QStringList list = all.value(QStringLiteral("doubts")).toStringList();
        list << doubts;
        all.insert(QStringLiteral("doubts"), list);
    }
    // As of when: the report's own date, else today (docs/templates.md).
    const QVariant asOf = all.value(QStringLiteral("as_of"));
    if (asOf.typeId() == QMetaType::QDate) all.insert(QStringLiteral("as_of"), asOf.toDate().toString(QStringLiteral("dd.MM.yyyy")));
    else if (asOf.toString().isEmpty()) all.insert(QStringLiteral("as_of"), Clock::today().toString(QStringLiteral("dd.MM.yyyy")));
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it.value().typeId() == QMetaType::QString && it.value().toString().isEmpty()) continue;
        data.set(utf8(it.key()), valueData(it.value()));
    }
    TagNames used;
    used.scan(templateText);
    for (const auto& [name, text] : parts) used.scan(text);
    data.set("rowcount", std::to_string(rows.rows.size()));
    data.set("hasrows", !rows.rows.empty());
    data.set("rows", rowList(rows, used));
    rows = TableRows();
    data.set("today", utf8(Clock::today().toString(QStringLiteral("dd.MM.yyyy"))));
    if (connection) {
        for (const auto& [name, sql] : tableQueries(templateText)) {
            TableRows t;
            QString why;
            if (!isSingleSelect(sql, &why))
                errors << QStringLiteral("запрос plan-table «%1» отклонен (%2): %3").arg(name, why, sql.left(200));
            else {
                try {
                    t = readOnlyRows(connection, sql);
                } catch (const DbError& e) {
                    errors << QStringLiteral("запрос plan-table «%1» не выполнен: %2").arg(name, e.message());
                }
            }
            data.set(utf8(name), rowList(t, used));
            data.set(utf8(name + QStringLiteral("_rowcount")), std::to_string(t.rows.size()));
        }
    }
    std::string html = tmpl.render(data);
    data = mu::data();
    if (!tmpl.is_valid()) return failed(QString::fromStdString(tmpl.error_message()));
    QString page = QString::fromUtf8(html.c_str(), static_cast<qsizetype>(html.size()));
    std::string().swap(html);
    // The template, or one of its shared parts, may place the line itself.
    static const QRegularExpression namesDoubts(QStringLiteral("\\{\\{\\s*[#^{&]?\\s*doubts\\b"));
    bool placed = namesDoubts.match(templateText).hasMatch();
    for (const auto& [name, text] : parts) placed = placed || namesDoubts.match(text).hasMatch();
    if (!doubts.isEmpty() && !placed)
        page = insertUnderHeading(page, QStringLiteral("<p style=\"color: #a00000;\"><b>") +
                                            htmlEscape(DataDoubts::prefix() + doubts) + QStringLiteral("</b></p>"));
    return done(page);
}

} // namespace plan
