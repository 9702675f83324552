#include "sheets/TfrPlanSprOTiZ.h"

#include "data/Positions.h"
#include "frames/AircraftTree.h"
#include "frames/SqlText.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/ReportComponent.h"
#include "rarozidi/Func.h"
#include "sheets/SheetParts.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <map>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprOTiZ)

namespace {
// Height of each date row above the tree at scale 1.
constexpr int kDateRowHeight = 22;
} // namespace

namespace S = pos::spravka;

QString otizTime(long long minutes)
{
    return QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

namespace {

int minutesAt(const Dataset& ds, int pos)
{
    const QTime t = ds.field(pos).asTime();
    return t.isValid() ? rarozidi::minutesOfTimeOfDay(t.hour(), t.minute()) : 0;
}

struct Totals {
    long long largest = 0, airborne = 0, sum = 0;
};

StagingRow dayRow(const OTiZOptions& o, const QDate& day, int largest, int airborne, const Totals& t)
{
    StagingRow r;
    r.set(otiz::Type, o.aircraft.type)
        .set(otiz::Board, o.aircraft.board)
        .set(otiz::Date, dateText(day))
        .set(otiz::Largest, otizTime(largest))
        .set(otiz::LargestTotal, otizTime(t.largest))
        .set(otiz::Airborne, otizTime(airborne))
        .set(otiz::AirborneTotal, otizTime(t.airborne))
        .set(otiz::Sum, otizTime(largest + airborne))
        .set(otiz::SumTotal, otizTime(t.sum));
    return r;
}

} // namespace

std::vector<StagingRow> buildOTiZ(Connection* c, const OTiZOptions& o)
{
    std::vector<StagingRow> rows;
    Totals t;
    if (o.start <= o.stop) {
        // The records of the whole period in one query, by day and, within a
        // day, by ID: the order of the day-by-day queries.
        struct Entry {
            int largest, airborne;
        };
        std::map<QDate, std::vector<Entry>> byDay;
        auto ds = openQuery(c, QStringLiteral("Select * From SPRAVKA Where TIP_VS=") + frames::sqlText(o.aircraft.type) +
                                   QStringLiteral(" And BORTOVOI_NOMER=") + frames::sqlText(o.aircraft.board) +
                                   QStringLiteral(" And DATA_POLETA Between ") + frames::sqlDate(o.start) +
                                   QStringLiteral(" And ") + frames::sqlDate(o.stop) +
                                   QStringLiteral(" Order By DATA_POLETA, ID;"));
        for (; !ds->eof(); ds->next())
            byDay[ds->field(S::DATA_POLETA).asDate()].push_back(
                {std::max({minutesAt(*ds, S::NA_ZEMLE), minutesAt(*ds, S::NA_ZEMLE_2), minutesAt(*ds, S::NA_ZEMLE_3)}),
                 minutesAt(*ds, S::V_VOZDUHE)});
        for (QDate day = o.start; day <= o.stop; day = day.addDays(1)) {
            const auto it = byDay.find(day);
            if (it == byDay.end()) {
                rows.push_back(dayRow(o, day, 0, 0, t));
                continue;
            }
            for (const Entry& e : it->second) {
                t.largest += e.largest;
                t.airborne += e.airborne;
                t.sum += e.largest + e.airborne;
                rows.push_back(dayRow(o, day, e.largest, e.airborne, t));
            }
        }
    }
    StagingRow total;
    total.set(otiz::Date, QString::fromUtf8(kOTiZTotals))
        .set(otiz::LargestTotal, otizTime(t.largest))
        .set(otiz::AirborneTotal, otizTime(t.airborne))
        .set(otiz::SumTotal, otizTime(t.sum));
    rows.push_back(total);
    return rows;
}

TfrPlanSprOTiZ::TfrPlanSprOTiZ() : TPlanFrame(QStringLiteral("frmPlanSpravka"))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    auto* lblStart = new QLabel(QStringLiteral("c:"), this);
    lblStart->setObjectName(QStringLiteral("lblDateStart"));
    auto* lblStop = new QLabel(QStringLiteral("по:"), this);
    lblStop->setObjectName(QStringLiteral("lblDateStop"));
    picDateStart = new QDateEdit(this);
    picDateStart->setObjectName(QStringLiteral("picDateStart"));
    picDateStop = new QDateEdit(this);
    picDateStop->setObjectName(QStringLiteral("picDateStop"));
    for (QDateEdit* d : {picDateStart, picDateStop}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    }
    TreeView = new frames::AircraftTree(this);
    grid->addWidget(lblStart, 0, 0);
    grid->addWidget(picDateStart, 0, 1);
    grid->addWidget(lblStop, 1, 0);
    grid->addWidget(picDateStop, 1, 1);
    grid->addWidget(TreeView, 2, 0, 1, 2);
    connect(TreeView, &frames::AircraftTree::picked, this, [this](const frames::AircraftRef& a) {
        m_aircraft = a;
        guarded([this] { FunReport(); });
    });
}

void TfrPlanSprOTiZ::FunStart()
{
    // The period starts as the current month up to today.
    const QDate today = Clock::today();
    picDateStart->setDate(QDate(today.year(), today.month(), 1));
    picDateStop->setDate(today);
    TreeView->fill(ADOConPdo);
    fitHeight();
}

void TfrPlanSprOTiZ::fitHeight()
{
    // As the information sheet's tree: 16 per aircraft at the scale, the
    // rows above it (the two dates) and a margin of 8.
    const int treeHeight = static_cast<int>(std::trunc(TreeView->topLevelItemCount() * 16 * S));
    TreeView->setFixedHeight(treeHeight);
    double total = treeHeight + 8 * S;
    for (QDateEdit* d : {picDateStart, picDateStop}) {
        d->setFixedHeight(static_cast<int>(kDateRowHeight * S));
        total += kDateRowHeight * S;
    }
    setFixedHeight(static_cast<int>(std::trunc(total)));
}

OTiZOptions TfrPlanSprOTiZ::options() const
{
    return {m_aircraft, picDateStart->date(), picDateStop->date()};
}

void TfrPlanSprOTiZ::FunReport()
{
    const OTiZOptions o = options();
    if (o.aircraft.board.isEmpty()) return;
    runSingleReport(reportHost(), *ADOQueryReport, QString::fromUtf8(kOTiZQuery), QStringLiteral("rep03"),
                    [&](StagingWriter& w) {
                        const ReadTransaction reads(ADOConPdo);
                        const std::vector<StagingRow> rows = buildOTiZ(ADOConPdo, o);
                        const QString op = queryScalar(
                            ADOConPdo, QStringLiteral("Select EXPLUATANT From REESTR Where TIP_VS=") +
                                           frames::sqlText(o.aircraft.type) + QStringLiteral(" And BORTOVOI_NOMER=") +
                                           frames::sqlText(o.aircraft.board) + QStringLiteral(";"));
                        ReportValues v = rarozidi::FunReportValues(*ADOConPdo, op.isEmpty() ? QStringLiteral("-1") : op);
                        v.insert(QStringLiteral("report_title"), QStringLiteral("Справка для отдела ТиЗ"));
                        QStringList covers{QStringLiteral("ВС: ") + frames::aircraftText(o.aircraft.type, o.aircraft.board)};
                        covers << (o.start <= o.stop ? QStringLiteral("Период: с %1 по %2").arg(dateText(o.start), dateText(o.stop))
                                                     : QStringLiteral("Период: дата окончания %1 раньше даты начала %2 — "
                                                                      "выведена только строка итогов")
                                                           .arg(dateText(o.stop), dateText(o.start)));
                        v.insert(QStringLiteral("covers"), covers);
                        reportComponent()->setValues(v);
                        for (const StagingRow& r : rows) w.addRow(r);
                    });
}

} // namespace plan::sheets
