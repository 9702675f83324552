#include "tuning/TuneReportsModel.h"

#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

namespace plan::tuning {
namespace {

const QString kProdlPrefix = QStringLiteral("Продление - «");
const QString kSlgPrefix = QStringLiteral("Сертификация - «");

// A whole-kind line of the available list: its standard table, the tail of
// its query after the type, and the column whose values make up the drawing
// number cell.
struct WholeKind {
    const char* code;
    const char* caption;
    const char* table;
    const char* tail;
    const char* nameColumn;
};

const WholeKind kDvigatel{"Dvigatel", "Двигатели", "ETADVIG", "' Order By ID;", "NAZVANIE_DVIGATELIA"};
const WholeKind kReductor{"Reductor", "Главный редуктор", "ETAREDUCTOR", "' Order By ID;", "NAZVANIE_REDUCTORA"};
const WholeKind kVsu{"VSU", "ВСУ", "ETAVSU", "' Order By ID;", "NAZVANIE"};
const WholeKind kLopastVV{"LopastVV", "Лопасти ВВ", "ETALOPAST", "' And TIP_VINTA='Воздушный' Order By ID;", "NAZVANIE"};
const WholeKind kVozdVint{"VozdVint", "Воздушный винт", "ETA_VOZD_VINT", "' Order By ID;", "NAZVANIE_VINTA"};
const WholeKind kLopastNV{"LopastNV", "Лопасти НВ", "ETALOPAST", "' And TIP_VINTA='Несущий' Order By ID;", "NAZVANIE"};
const WholeKind kLopastHV{"LopastHV", "Лопасти РВ", "ETALOPAST", "' And TIP_VINTA='Хвостовой' Order By ID;", "NAZVANIE"};
const WholeKind kHvostVint{"HvostovoyVint", "Винт рулевой", "ETA_HVOST_VINT", "' Order By ID;", "NAZVANIE_VINTA"};
const WholeKind kShlang{"Shlang", "Шланги", "ETASHLANG", "' Order By ID;", nullptr};

QString u(const char* s) { return QString::fromUtf8(s); }

QString quantityText(const QString& q) { return q.trimmed() == QLatin1String("0") ? QStringLiteral("1") : q; }

} // namespace

TuneReportsModel::TuneReportsModel(Connection* connection) : TuneListModel(connection, lColumns, aColumns) {}

const std::vector<TuneDocument>& TuneReportsModel::documents()
{
    static const std::vector<TuneDocument> d = {
        {"PRODLENIE", "Основные агрегаты", "Продление - «Основные агрегаты»"},
        {"PRODLENIE", "Пилотажно-навигационные и АиРЭО", "Продление - «Пилотажно-навигационные и АиРЭО»"},
        {"PRODLENIE", "Агрегаты с дубликатами паспортов", "Продление - «Агрегаты с дубликатами паспортов»"},
        {"SLG", "Агрегаты с ограниченным ресурсом", "Сертификация - «Агрегаты с ограниченным ресурсом»"},
        {"SLG", "Отчет о контрольном полете ВС", "Сертификация - «Отчет о контрольном полете ВС»"},
        {"SLG", "Акт оценки тех.состояния ВС", "Сертификация - «Акт оценки тех.состояния ВС»"},
    };
    return d;
}

QStringList TuneReportsModel::offeredDocuments()
{
    const IniFile ini(Paths::homeFile(QStringLiteral("reports.ini")));
    QStringList items;
    for (const TuneDocument& d : documents())
        if (ini.readBool(u(d.section), u(d.key), false)) items << u(d.item);
    return items;
}

void TuneReportsModel::deriveDocument(const QString& item, QString* code, QString* name)
{
    code->clear();
    name->clear();
    for (const auto& [prefix, family] : {std::pair{kProdlPrefix, QStringLiteral("PRODLENIE")}, std::pair{kSlgPrefix, QStringLiteral("SLG")}}) {
        if (!item.contains(prefix)) continue;
        *code = family;
        QString n = item;
        n.remove(prefix);
        n.chop(1);
        *name = n;
        return;
    }
}

bool TuneReportsModel::fixedKind(const QString& kind)
{
    static const QStringList fixed = {QStringLiteral("Plane"),    QStringLiteral("Dvigatel"), QStringLiteral("VSU"),
                                      QStringLiteral("Reductor"), QStringLiteral("VozdVint"), QStringLiteral("LopastNV"),
                                      QStringLiteral("VtulkaNV"), QStringLiteral("LopastHV"), QStringLiteral("HvostovoyVint"),
                                      QStringLiteral("Shlang")};
    return fixed.contains(kind);
}

QString TuneReportsModel::positionsFor(int quantity, bool* known)
{
    if (known) *known = quantity >= 1 && quantity <= 4;
    switch (quantity) {
    case 2: return QStringLiteral("Первый;Второй;");
    case 3: return QStringLiteral("Первый;Второй;Третий;");
    case 4: return QStringLiteral("Первый;Второй;Третий;Четвертый;");
    default: return {};
    }
}

QStringList TuneReportsModel::types() const
{
    Dataset ds(m_connection);
    ds.setCommandText(QStringLiteral("Select TIP_VS From TIPOVYE_DANNYE_VS Where Not Upper(TIP_VS) Like Upper('%HIDE%') Order By TIP_VS, ID;"));
    ds.open();
    QStringList t;
    for (; !ds.eof(); ds.next()) t << ds.str(0);
    return t;
}

void TuneReportsModel::setDocument(const QString& item)
{
    m_item = item;
    deriveDocument(item, &m_code, &m_name);
}

void TuneReportsModel::loadAvailable()
{
    m_available.clear();
    const QString type = frames::sqlEscape(m_type);
    Dataset ds(m_connection);
    auto query = [&](const QString& head, const QString& tail) {
        ds.setCommandText(head + type + tail);
        ds.open();
    };
    auto add = [&](const QString& caption, const QString& drawing, const QString& kind, const QString& system,
                   const QString& quantity, const QString& positions, const QString& id) {
        TuneRow r = newRow(aColumns);
        r.cells[aCaption] = caption;
        r.cells[aDrawing] = drawing;
        r.cells[aKind] = kind;
        r.cells[aSystem] = system;
        r.cells[aQuantity] = quantity;
        r.cells[aPositions] = positions;
        r.cells[aId] = id;
        m_available.push_back(r);
    };
    auto whole = [&](const WholeKind& k) {
        query(QStringLiteral("Select * From ") + u(k.table) + QStringLiteral(" Where TIP_VS='"), u(k.tail));
        if (ds.isEmpty()) return;
        QStringList names;
        if (k.nameColumn) {
            const int c = ds.fieldIndex(u(k.nameColumn));
            for (; !ds.eof(); ds.next()) names << (c >= 0 ? ds.str(c) : QString());
        } else {
            names << QStringLiteral("Шланги всех систем");
        }
        add(u(k.caption), names.join(QStringLiteral(", ")), u(k.code), {}, {}, {}, QStringLiteral("0"));
    };

    // The airframe: when a standard row names the type.
    query(QStringLiteral("Select * From ETAPLANER Where TIP_VS='"), QStringLiteral("' Order By ID;"));
    for (; !ds.eof(); ds.next())
        if (!ds.str(1).isEmpty()) {
            add(QStringLiteral("Воздушное судно"), ds.str(1), QStringLiteral("Plane"), {}, {}, {}, QStringLiteral("0"));
            break;
        }
    whole(kDvigatel);
    whole(kReductor);
    whole(kVsu);
    whole(kLopastVV);
    whole(kVozdVint);
    whole(kLopastNV);
    query(QStringLiteral("Select * From ETA_VTULKA_NV Where TIP_VS='"), QStringLiteral("' Order By CHERT_NOMER, ID;"));
    for (; !ds.eof(); ds.next()) add(QStringLiteral("Втулка НВ"), ds.str(2), QStringLiteral("VtulkaNV"), {}, {}, {}, ds.str(0));
    whole(kLopastHV);
    whole(kHvostVint);
    whole(kShlang);
    query(QStringLiteral("Select * From ETAAGREGAT Where TIP_VS='"), QStringLiteral("' Order By SYSTEMA, NAZVANIE, CHERT_NOMER, ID;"));
    for (; !ds.eof(); ds.next())
        add(ds.str(14), ds.str(2), QStringLiteral("Agregat"), ds.str(17), ds.str(6), ds.str(15), ds.str(20));
}

void TuneReportsModel::loadLines()
{
    m_lines.clear();
    deriveDocument(m_item, &m_code, &m_name);
    Dataset ds(m_connection);
    ds.setCommandText(QStringLiteral("Select * From TUNE_REPORTS Where TIP_VS='") + frames::sqlEscape(m_type) + QStringLiteral("' And TIP_REPORT='") +
                      frames::sqlEscape(m_code) + QStringLiteral("' And NAME_REPORT='") + frames::sqlEscape(m_name) +
                      QStringLiteral("' Order By NUMBER_LINE, ID;"));
    ds.open();
    for (; !ds.eof(); ds.next()) {
        TuneRow r = newRow(lColumns);
        r.cells[lCaption] = ds.str(5);
        r.cells[lDrawing] = ds.str(6);
        r.cells[lSvodny] = ds.str(10);
        r.cells[lSystem] = ds.str(8);
        r.cells[lQuantity] = ds.str(11);
        r.cells[lPositions] = ds.str(12);
        r.cells[lKind] = ds.str(7);
        r.cells[lId] = ds.str(9);
        m_lines.push_back(r);
    }
    m_open = true;
}

std::vector<int> TuneReportsModel::addChecked()
{
    std::vector<int> added;
    for (TuneRow& a : m_available) {
        if (!a.checked) continue;
        const QString kind = a.cell(aKind);
        TuneRow line = newRow(lColumns);
        line.cells[lCaption] = a.cell(aCaption);
        line.cells[lDrawing] = a.cell(aDrawing);
        line.cells[lKind] = kind;
        line.cells[lId] = a.cell(aId);
        if (kind == QLatin1String("Agregat") || kind == QLatin1String("VtulkaNV")) {
            // Hubs are identified by their standard row, units by ID_NAME:
            // the same number may name a hub and a unit.
            bool present = false;
            for (const TuneRow& l : m_lines)
                if (l.cell(lKind) == kind && l.cell(lId) == a.cell(aId)) present = true;
            if (present) continue;
        } else if (findLine(lKind, kind) >= 0) {
            continue;
        }
        const int sameSystem = a.cell(aSystem).isEmpty() || kind != QLatin1String("Agregat") ? -1 : findLine(lSystem, a.cell(aSystem));
        if (sameSystem >= 0) {
            // A unit of a system already in the document takes the system's installation data.
            line.cells[lSystem] = m_lines[sameSystem].cell(lSystem);
            line.cells[lQuantity] = m_lines[sameSystem].cell(lQuantity);
            line.cells[lPositions] = m_lines[sameSystem].cell(lPositions);
        } else {
            line.cells[lSystem] = a.cell(aSystem);
            line.cells[lQuantity] = kind == QLatin1String("Agregat") ? quantityText(a.cell(aQuantity)) : a.cell(aQuantity);
            line.cells[lPositions] = a.cell(aPositions);
        }
        m_lines.push_back(line);
        added.push_back(lineCount() - 1);
    }
    for (TuneRow& a : m_available) a.checked = false;
    m_changed = true;
    return added;
}

bool TuneReportsModel::canEditAttributes(int line) const
{
    return line >= 0 && line < lineCount() && !fixedKind(lineCell(line, lKind));
}

bool TuneReportsModel::standardRow(const QString& id, int* quantity, QString* positions) const
{
    *quantity = 0;
    positions->clear();
    if (id.isEmpty()) return false;
    Dataset ds(m_connection);
    ds.setCommandText(QStringLiteral("Select * From ETAAGREGAT Where ID_NAME='") + frames::sqlEscape(id) + QStringLiteral("' Order By ID;"));
    ds.open();
    if (ds.eof()) return false;
    *quantity = ds.field(6).isNull() ? 0 : ds.field(6).asInteger();
    *positions = ds.str(15);
    return true;
}

QStringList TuneReportsModel::editList(int line, int column, int* preselect)
{
    if (preselect) *preselect = -1;
    QStringList list;
    if (!canEditAttributes(line)) return list;
    TuneRow& r = m_lines[line];
    switch (column) {
    case lSvodny: list << QString() << QStringLiteral("Сводный"); break;
    case lSystem: {
        Dataset ds(m_connection);
        // Every system of every type, each once, in the order of the standard.
        ds.setCommandText(QStringLiteral("Select SYSTEMA From ETAAGREGAT Where SYSTEMA Is Not Null And SYSTEMA<>'' Order By SYSTEMA, ID;"));
        ds.open();
        QStringList systems;
        for (; !ds.eof(); ds.next())
            if (!systems.contains(ds.str(0))) systems << ds.str(0);
        if (!systems.isEmpty()) list << QString() << systems;
        break;
    }
    case lQuantity: {
        int q = 0;
        QString positions;
        standardRow(r.cell(lId), &q, &positions);
        if (q >= 1 && q <= 4) list << QString::number(q);
        else if (q > 4) list << QStringLiteral("1");
        else list << QStringLiteral("1") << QStringLiteral("2") << QStringLiteral("3") << QStringLiteral("4");
        break;
    }
    case lPositions: {
        int q = 0;
        QString positions;
        standardRow(r.cell(lId), &q, &positions);
        if (!positions.isEmpty()) {
            list << QString() << positions;
            break;
        }
        if (r.cell(lQuantity).isEmpty()) r.cells[lQuantity] = QStringLiteral("1");
        const int n = r.cell(lQuantity).toInt();
        if (n < 2 || n > 4) break;
        list << QString();
        for (const QString& e : {r.cell(lPositions), positionsFor(n)})
            if (!e.isEmpty() && !list.contains(e)) list << e;
        break;
    }
    default: break;
    }
    if (preselect) *preselect = list.indexOf(r.cell(column));
    return list;
}

void TuneReportsModel::comboChange(int line, int column, const QString& value)
{
    if (line < 0 || line >= lineCount() || column < lSvodny || column > lPositions) return;
    TuneRow& r = m_lines[line];
    if (column == lQuantity) {
        int q = 0;
        QString positions;
        const int n = value.toInt();
        if (standardRow(r.cell(lId), &q, &positions) && (q == 0 || q == n)) r.cells[lPositions] = positionsFor(n);
        r.cells[lQuantity] = value;
    } else {
        r.cells[column] = value;
    }
    m_changed = true;
}

void TuneReportsModel::save()
{
    if (!documentOpen()) return;
    std::vector<StoredRow> rows;
    auto orNull = [](const QString& v) { return v.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(v); };
    int n = 0;
    for (const TuneRow& r : m_lines) {
        rows.push_back({{QStringLiteral("TIP_VS"), m_type},
                        {QStringLiteral("TIP_REPORT"), m_code},
                        {QStringLiteral("NAME_REPORT"), m_name},
                        {QStringLiteral("NUMBER_LINE"), ++n},
                        {QStringLiteral("NAZVANIE"), r.cell(lCaption)},
                        {QStringLiteral("CHERT_NOMER"), r.cell(lDrawing)},
                        {QStringLiteral("SVODNY_PASPORT"), orNull(r.cell(lSvodny))},
                        {QStringLiteral("SYSTEMA"), orNull(r.cell(lSystem))},
                        {QStringLiteral("KOL_VO_NA_VS"), orNull(r.cell(lQuantity))},
                        {QStringLiteral("MESTA_USTANOVKI"), orNull(r.cell(lPositions))},
                        {QStringLiteral("TIP_AGREGATA"), r.cell(lKind)},
                        {QStringLiteral("ID_ETALON"), r.cell(lId)}});
    }
    rewrite(QStringLiteral("TUNE_REPORTS"),
            QStringLiteral("TIP_VS='") + frames::sqlEscape(m_type) + QStringLiteral("' And TIP_REPORT='") + frames::sqlEscape(m_code) +
                QStringLiteral("' And NAME_REPORT='") + frames::sqlEscape(m_name) + QLatin1Char('\''),
            rows);
    m_changed = false;
    loadLines();
}

QStringList TuneReportsModel::repair()
{
    QStringList notFound;
    if (!documentOpen()) return notFound;
    Dataset ds(m_connection);
    ds.setCommandText(QStringLiteral("Select * FROM ETAAGREGAT Where Upper(TIP_VS) Like Upper('") + frames::sqlEscape(m_type) +
                      QStringLiteral("') Order By ID;"));
    ds.open();
    const int nameCol = ds.fieldIndex(QStringLiteral("NAZVANIE")), drawingCol = ds.fieldIndex(QStringLiteral("CHERT_NOMER"));
    for (TuneRow& r : m_lines) {
        if (r.cell(lKind) != QLatin1String("Agregat")) continue;
        bool found = false;
        for (ds.first(); !ds.eof(); ds.next())
            if (ds.str(nameCol) == r.cell(lCaption) && ds.str(drawingCol) == r.cell(lDrawing)) {
                r.cells[lId] = ds.str(20);
                found = true;
                break;
            }
        if (!found) notFound << r.cell(lCaption) + QLatin1Char(' ') + r.cell(lDrawing) + QStringLiteral(" в эталоне не найден!");
    }
    m_changed = true;
    save();
    return notFound;
}

} // namespace plan::tuning
