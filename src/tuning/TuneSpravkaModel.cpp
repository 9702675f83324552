#include "tuning/TuneSpravkaModel.h"

#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

namespace plan::tuning {
namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

// A whole-kind line: the columns read from its standard table (the first is
// its name), the tail after the types condition, and a fixed drawing-number
// text where the names are not listed.
struct Kind {
    const char* code;
    const char* caption;
    const char* columns;
    const char* table;
    const char* tail;
    const char* fixedDrawing;
};

const Kind kKinds[] = {
    {"Dvigatel", "Двигатели", "NAZVANIE_DVIGATELIA", "ETADVIG", " Order By TIP_VS, ID;", nullptr},
    {"Reductor", "Главный редуктор", "NAZVANIE_REDUCTORA", "ETAREDUCTOR", " Order By TIP_VS, ID;", nullptr},
    {"VSU", "ВСУ", "NAZVANIE", "ETAVSU", " Order By TIP_VS, ID;", nullptr},
    {"LopastVV", "Лопасти ВВ", "NAZVANIE", "ETALOPAST", " And TIP_VINTA='Воздушный' Order By ID;", nullptr},
    {"VozdVint", "Воздушный винт", "NAZVANIE_VINTA", "ETA_VOZD_VINT", " Order By ID;", nullptr},
    {"LopastNV", "Лопасти НВ", "NAZVANIE", "ETALOPAST", " And TIP_VINTA='Несущий' Order By ID;", nullptr},
    {"VtulkaNV", "Втулка НВ", "CHERT_NOMER", "ETA_VTULKA_NV", " Order By CHERT_NOMER, ID;", nullptr},
    {"LopastHV", "Лопасти РВ", "NAZVANIE", "ETALOPAST", " And TIP_VINTA='Хвостовой' Order By ID;", nullptr},
    {"HvostovoyVint", "Винт рулевой", "NAZVANIE_VINTA", "ETA_HVOST_VINT", " Order By ID;", nullptr},
    {"Lebedka", "Электролебедка", "CHERT_NOMER_LEBEDKA", "ETA_LEBEDKA", " Order By ID;", nullptr},
    {"Shlang", "Шланги", "*", "ETASHLANG", " Order By ID;", "Шланги всех систем"},
    {"ZCU", "ЗЧУ", "*", "ETA_ZCU", " Order By ID;", "Все агрегаты ЗЧУ"},
};

} // namespace

TuneSpravkaModel::TuneSpravkaModel(Connection* connection) : TuneListModel(connection, cColumns, cColumns) {}

QStringList TuneSpravkaModel::offeredSheets()
{
    const IniFile ini(Paths::homeFile(QStringLiteral("reports.ini")));
    QStringList items;
    for (const char* key : {"Сведения о ВС", "Сведения о ВС для VU z Uz"})
        if (ini.readBool(QStringLiteral("PLAN_SPRAVKA"), u(key), false)) items << u(key);
    items << QStringLiteral("Комплексный прогноз на замену агрегатов");
    const QString quarterly = QStringLiteral("Квартальный отчет о снятых и установленных компонентах ВС");
    if (ini.readBool(QStringLiteral("PLAN_REPORT"), quarterly, false)) items << quarterly;
    return items;
}

QString TuneSpravkaModel::visibleTypesCondition() const
{
    Dataset ds(m_connection);
    ds.setCommandText(QStringLiteral(
        "Select TIP_VS From TIPOVYE_DANNYE_VS Where (NOT UPPER(TIP_VS) STARTING WITH UPPER('HIDE')) Order By TIP_VS, ID;"));
    ds.open();
    QString c;
    for (; !ds.eof(); ds.next()) c += QStringLiteral("TIP_VS='") + frames::sqlEscape(ds.str(0)) + QStringLiteral("' Or ");
    if (c.isEmpty()) return QStringLiteral("TIP_VS='NULL'");
    c.chop(4);
    return QLatin1Char('(') + c + QLatin1Char(')');
}

void TuneSpravkaModel::loadAvailable()
{
    m_available.clear();
    const QString cond = visibleTypesCondition();
    Dataset ds(m_connection);
    auto add = [&](const QString& caption, const QString& drawing, const QString& kind, const QString& id) {
        TuneRow r = newRow(cColumns);
        r.cells[cCaption] = caption;
        r.cells[cDrawing] = drawing;
        r.cells[cKind] = kind;
        r.cells[cId] = id;
        m_available.push_back(r);
    };

    ds.setCommandText(QStringLiteral("Select * From ETAPLANER Where ") + cond + QStringLiteral(" Order By ID;"));
    ds.open();
    if (!ds.eof()) add(QStringLiteral("Воздушное судно"), ds.str(1), QStringLiteral("Plane"), QStringLiteral("0"));

    for (const Kind& k : kKinds) {
        ds.setCommandText(QStringLiteral("Select ") + u(k.columns) + QStringLiteral(" From ") + u(k.table) + QStringLiteral(" Where ") +
                          cond + u(k.tail));
        ds.open();
        if (ds.eof()) continue;
        QString drawing;
        if (k.fixedDrawing) {
            drawing = u(k.fixedDrawing);
        } else {
            // Each name once, where it first comes in the order of the query.
            QStringList names;
            for (; !ds.eof(); ds.next())
                if (!names.contains(ds.str(0))) names << ds.str(0);
            drawing = names.join(QStringLiteral(", "));
        }
        add(u(k.caption), drawing, u(k.code), QStringLiteral("0"));
    }

    // One line per distinct unit name and drawing number.
    ds.setCommandText(QStringLiteral("Select NAZVANIE, CHERT_NOMER From ETAAGREGAT Where ") + cond +
                      QStringLiteral(" Order By NAZVANIE, CHERT_NOMER, ID;"));
    ds.open();
    QStringList seen;
    for (; !ds.eof(); ds.next()) {
        const QString key = ds.str(0) + QChar(0) + ds.str(1);
        if (seen.contains(key)) continue;
        seen << key;
        add(ds.str(0), ds.str(1), QStringLiteral("Agregat"), ds.str(1));
    }
}

void TuneSpravkaModel::loadLines()
{
    m_lines.clear();
    Dataset ds(m_connection);
    ds.setCommandText(QStringLiteral("Select * From TUNE_DOCS Where NAME_REPORT='") + frames::sqlEscape(m_sheet) +
                      QStringLiteral("' Order By NUMBER_LINE, ID;"));
    ds.open();
    for (; !ds.eof(); ds.next()) {
        TuneRow r = newRow(cColumns);
        r.cells[cCaption] = ds.str(3);
        r.cells[cDrawing] = ds.str(4);
        r.cells[cKind] = ds.str(5);
        r.cells[cId] = ds.str(6);
        m_lines.push_back(r);
    }
    m_open = true;
}

std::vector<int> TuneSpravkaModel::addChecked()
{
    std::vector<int> added;
    for (const TuneRow& a : m_available) {
        if (!a.checked) continue;
        const bool unit = a.cell(cKind) == QLatin1String("Agregat");
        if (unit ? findLine(cId, a.cell(cId)) >= 0 : findLine(cKind, a.cell(cKind)) >= 0) continue;
        TuneRow line = newRow(cColumns);
        for (int c = cCaption; c < cColumns; ++c) line.cells[c] = a.cell(c);
        if (!unit) line.cells[cId] = QStringLiteral("0");
        m_lines.push_back(line);
        added.push_back(lineCount() - 1);
    }
    m_changed = true;
    return added;
}

void TuneSpravkaModel::save()
{
    if (!sheetOpen()) return;
    std::vector<StoredRow> rows;
    int n = 0;
    for (const TuneRow& r : m_lines)
        rows.push_back({{QStringLiteral("NAME_REPORT"), m_sheet},
                        {QStringLiteral("NUMBER_LINE"), ++n},
                        {QStringLiteral("NAZVANIE"), r.cell(cCaption)},
                        {QStringLiteral("CHERT_NOMER"), r.cell(cDrawing)},
                        {QStringLiteral("TIP_AGREGATA"), r.cell(cKind)},
                        {QStringLiteral("ID_ETALON"), r.cell(cId)}});
    rewrite(QStringLiteral("TUNE_DOCS"), QStringLiteral("NAME_REPORT='") + frames::sqlEscape(m_sheet) + QLatin1Char('\''), rows);
    m_changed = false;
    loadLines();
}

} // namespace plan::tuning
