#include "sheets/TfrPlanSprForHD.h"

#include "data/Positions.h"
#include "frames/AircraftTree.h"
#include "frames/SqlText.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/IniFile.h"
#include "platform/ReportComponent.h"
#include "rarozidi/Func.h"
#include "rarozidi/Report.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprForHD)

namespace {
const char* const kSection = "SPRAVKA_FOR_HD";
const char* const kFromKey = "DATE_FROM";
const char* const kToKey = "DATE_TO";
const char* const kDateFormat = "dd.MM.yyyy";
// Heights at scale 1 of the rows around the tree: the two dates, the button.
constexpr int kRowHeight = 22;

QString dateText(const QDate& d) { return d.toString(QString::fromLatin1(kDateFormat)); }

// The units of one kind on the aircraft: the query's rows in its order.
struct Kind {
    const char* what;    // for messages: "Двигатель"
    const char* table;   // for messages
    const char* query;   // head of the query; type and board follow
    const char* board;   // the column of the board in the query
    const char* tail;
    int model, serial;   // positions in the row
};
const Kind kEngines{"Двигатель", "DVIGATEL", "SELECT * FROM Dvigatel WHERE (((Tip_VS)='", "((Gde_stoit)='",
                    "')) ORDER BY ODIN_DVA;", pos::dvigatel::NAZVANIE_DVIGATELYA, pos::dvigatel::ZAVODSKOI_NOMER};
const Kind kGearboxes{"Редуктор", "REDUCTOR", "SELECT * FROM Reductor WHERE (((Tip_VS)='", "((Gde_stoit)='",
                      "')) ORDER BY ID;", pos::reductor::NAZVANIE_REDUCTORA, pos::reductor::ZAVODSKOI_NOMER};
const Kind kApus{"ВСУ", "VSU", "SELECT * FROM VSU WHERE (((TIP_VS)='", "((MESTO_USTANOVKI)='", "')) ORDER BY ID;",
                 pos::vsu::NAZVANIE, pos::vsu::ZAVODSKOY_NOMER};

struct Unit {
    QString model, serial;
};

std::vector<Unit> unitsOf(Connection* c, const Kind& k, const frames::AircraftRef& a)
{
    auto ds = openQuery(c, QString::fromUtf8(k.query) + frames::sqlEscape(a.type) + QStringLiteral("') AND ") +
                               QString::fromUtf8(k.board) + frames::sqlEscape(a.board) + QString::fromUtf8(k.tail));
    std::vector<Unit> out;
    for (; !ds->eof(); ds->next()) {
        Unit u{ds->str(k.model).trimmed(), ds->str(k.serial).trimmed()};
        if (u.serial.isEmpty())
            throw DbError(QStringLiteral("Справка для Ziri-Revad, ВС %1 %2: у агрегата «%3 %4» не указан заводской номер "
                                         "(%5, столбец %6), а наработка агрегата ищется по нему. Впишите номер в карточку "
                                         "агрегата и сделайте справку снова.")
                              .arg(a.type, a.board, QString::fromUtf8(k.what), u.model, QString::fromUtf8(k.table),
                                   ds->fieldName(k.serial)));
        out.push_back(u);
    }
    return out;
}
} // namespace

std::pair<QDate, QDate> forHDDefaultPeriod(const QDate& today)
{
    const QDate month(today.year(), today.month(), 1);
    return {month.addMonths(-12), month.addDays(-1)};
}

std::vector<ForHDDocument> buildForHD(Connection* c, const ForHDOptions& o)
{
    const QString from = dateText(o.from), to = dateText(o.to);
    Connection& conn = *c;
    std::vector<ForHDDocument> docs;
    auto add = [&](const char* table, const char* code, const auto& rowsOf) {
        ForHDDocument d;
        d.staged = {rarozidi::naletQuery(QString::fromLatin1(table)), QString::fromLatin1(code)};
        d.rows = rowsOf(&d.values);
        docs.push_back(std::move(d));
    };
    add(rarozidi::kNaletPlanerTable, ForHDCode::Planer,
        [&](ReportValues* v) { return rarozidi::naletRowsPlaner(conn, o.aircraft.board, from, to, v); });
    for (const Unit& u : unitsOf(c, kEngines, o.aircraft))
        add(rarozidi::kNaletDvigatelTable, ForHDCode::Dvigatel,
            [&](ReportValues* v) { return rarozidi::naletRowsDvigatel(conn, u.serial, from, to, v); });
    for (const Unit& u : unitsOf(c, kGearboxes, o.aircraft))
        add(rarozidi::kNaletReductorTable, ForHDCode::Reductor,
            [&](ReportValues* v) { return rarozidi::naletRowsReductor(conn, u.serial, from, to, v); });
    for (const Unit& u : unitsOf(c, kApus, o.aircraft)) {
        const bool ta14 = rarozidi::isTa14Model(u.model);
        add(rarozidi::kNaletVSUTable, ta14 ? ForHDCode::VSU_TA14 : ForHDCode::VSU, [&](ReportValues* v) {
            return rarozidi::naletRowsVSU(conn, u.serial, from, to,
                                          ta14 ? rarozidi::NaletMeasure::ApuTa14 : rarozidi::NaletMeasure::Apu, v);
        });
    }
    // Each document says what it belongs to.
    const int n = static_cast<int>(docs.size());
    for (int i = 0; i < n; ++i) {
        QStringList covers = docs[i].values.value(QStringLiteral("covers")).toStringList();
        covers.prepend(QStringLiteral("Справка для Ziri-Revad по ВС %1 %2, документ %3 из %4")
                           .arg(o.aircraft.type, o.aircraft.board)
                           .arg(i + 1)
                           .arg(n));
        docs[i].values.insert(QStringLiteral("covers"), covers);
    }
    return docs;
}

TfrPlanSprForHD::TfrPlanSprForHD() : TPlanFrame(QStringLiteral("frmPlanSpravka"))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    auto* lblFrom = new QLabel(QStringLiteral("Период с:"), this);
    lblFrom->setObjectName(QStringLiteral("lblDateFrom"));
    auto* lblTo = new QLabel(QStringLiteral("по:"), this);
    lblTo->setObjectName(QStringLiteral("lblDateTo"));
    picDateFrom = new QDateEdit(this);
    picDateFrom->setObjectName(QStringLiteral("picDateFrom"));
    picDateTo = new QDateEdit(this);
    picDateTo->setObjectName(QStringLiteral("picDateTo"));
    for (QDateEdit* d : {picDateFrom, picDateTo}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QString::fromLatin1(kDateFormat));
    }
    TreeView = new frames::AircraftTree(this);
    auto* cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    grid->addWidget(lblFrom, 0, 0);
    grid->addWidget(picDateFrom, 0, 1);
    grid->addWidget(lblTo, 1, 0);
    grid->addWidget(picDateTo, 1, 1);
    grid->addWidget(TreeView, 2, 0, 1, 2);
    grid->addWidget(cmdReport, 3, 0, 1, 2);
    // Picking an aircraft chooses it; the button makes the reports (the
    // period is set first, and the reports of a whole aircraft take a while).
    connect(TreeView, &frames::AircraftTree::picked, this, [this](const frames::AircraftRef& a) { m_aircraft = a; });
    bindShowButton(cmdReport);
}

void TfrPlanSprForHD::FunStart()
{
    const auto [defFrom, defTo] = forHDDefaultPeriod(Clock::today());
    const IniFile ini(settingsPath());
    auto read = [&](const char* key, const QDate& fallback) {
        const QDate d = QDate::fromString(ini.readString(QLatin1String(kSection), QLatin1String(key), QString()).trimmed(),
                                          QString::fromLatin1(kDateFormat));
        return d.isValid() ? d : fallback;
    };
    picDateFrom->setDate(read(kFromKey, defFrom));
    picDateTo->setDate(read(kToKey, defTo));
    TreeView->fill(ADOConPdo);
    fitHeight();
}

void TfrPlanSprForHD::fitHeight()
{
    const int treeHeight = static_cast<int>(std::trunc(TreeView->topLevelItemCount() * 16 * S));
    TreeView->setFixedHeight(treeHeight);
    setFixedHeight(static_cast<int>(std::trunc(treeHeight + 3 * kRowHeight * S + 16 * S)));
}

void TfrPlanSprForHD::FunReport()
{
    if (m_aircraft.board.isEmpty()) {
        rarozidi::FunMsg(QStringLiteral("бортовой номер ВС"), 6);
        return;
    }
    ForHDOptions o{m_aircraft, picDateFrom->date(), picDateTo->date()};
    IniFile ini(settingsPath());
    ini.writeString(QLatin1String(kSection), QLatin1String(kFromKey), dateText(o.from));
    ini.writeString(QLatin1String(kSection), QLatin1String(kToKey), dateText(o.to));
    std::vector<ForHDDocument> docs;
    {
        const ReadTransaction reads(ADOConPdo);
        docs = buildForHD(ADOConPdo, o);
    }
    std::vector<StagedDocument> staged;
    for (const ForHDDocument& d : docs) staged.push_back(d.staged);
    runSeveralReports(reportHost(), *ADOQueryReport, staged, [&](int i, StagingWriter& w) {
        reportComponent()->setValues(docs[i].values);
        rarozidi::writeNaletRows(w, docs[i].rows);
    });
}

} // namespace plan::sheets
