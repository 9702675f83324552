#include "reports/TfrPlanRepLizPSBOtcTehSost.h"

#include "data/Positions.h"
#include "frames/AircraftTree.h"
#include "frames/CodeSelector.h"
#include "frames/SqlText.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/PeriodFlying.h"
#include "rarozidi/RunningTime.h"
#include "reports/AirframeRegister.h"
#include "reports/Lizing.h"
#include "sheets/FormReckoning.h"
#include "shell/HostWindow.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepLizPSBOtcTehSost)

namespace R = pos::reestr;

namespace {

const QString kHour = QStringLiteral("HOUR");

QString dateAt(const Dataset& ds, int pos)
{
    const QDate d = ds.field(pos).asDate();
    return d.isValid() ? dateText(d) : QString();
}

// What a limit leaves of a running time, "H:MM" (negative when past it);
// empty without a limit.
QString left(const QString& limit, long long minutes)
{
    const std::optional<long long> l = limitMinutes(limit);
    return l ? rarozidi::formatRunningTime(*l - minutes) : QString();
}

// Where a kind of installed unit keeps its columns (whole rows by position;
// -1 = the table has no such column).
struct UnitColumns {
    int model, serial, made, installed, repairs, sinceNew, sinceOverhaul, assigned, firstOverhaul, betweenOverhauls,
        continuous;
};

constexpr UnitColumns kEngine{pos::dvigatel::NAZVANIE_DVIGATELYA, pos::dvigatel::ZAVODSKOI_NOMER,
                              pos::dvigatel::IZGOTOVLEN_DATA,     pos::dvigatel::DATA_KALENDAR,
                              pos::dvigatel::VSEGO_REMONTOV,      pos::dvigatel::NARABOTKA_SNE,
                              pos::dvigatel::NARABOTKA_PPR,       pos::dvigatel::NAZNACHENNYI_CHASOV,
                              pos::dvigatel::DO_PERVOGO_CHASOV,   pos::dvigatel::MEZHREMONTNYI_CHASOV,
                              -1};
constexpr UnitColumns kApu{pos::vsu::NAZVANIE,       pos::vsu::ZAVODSKOY_NOMER, pos::vsu::IZGOTOVLEN_DATA,
                           pos::vsu::DATA_USTANOVKI, pos::vsu::VSEGO_REMONTOV,  pos::vsu::OBSHAIA_SNE,
                           pos::vsu::OBSHAIA_PPR,    pos::vsu::OBSHAIA_NAZN,    pos::vsu::OBSHAIA_DO_PERVOGO,
                           pos::vsu::OBSHAIA_MEGREMONTNY, -1};
// The APU "ТА-14-130" keeps its life in summed hours.
constexpr UnitColumns kApuTa14{pos::vsu::NAZVANIE,       pos::vsu::ZAVODSKOY_NOMER, pos::vsu::IZGOTOVLEN_DATA,
                               pos::vsu::DATA_USTANOVKI, pos::vsu::VSEGO_REMONTOV,  pos::vsu::SUMMA_SNE,
                               pos::vsu::SUMMA_PPR,      pos::vsu::SUMMA_NAZN,      pos::vsu::SUMMA_DO_PERVOGO,
                               pos::vsu::SUMMA_MEGREM,   -1};
constexpr UnitColumns kTailRotor{pos::hvostovoy_vint::NAZVANIE_VINT,     pos::hvostovoy_vint::ZAVODSKOY_NOMER,
                                 pos::hvostovoy_vint::IZGOTOVLEN_DATA,   pos::hvostovoy_vint::DATA_USTANOVKI,
                                 pos::hvostovoy_vint::VSEGO_REMONTOV,    pos::hvostovoy_vint::NARABOTKA_SNE,
                                 pos::hvostovoy_vint::NARABOTKA_PPR,     pos::hvostovoy_vint::NAZNACHENNYI_CHASOV,
                                 pos::hvostovoy_vint::DO_PERVOGO_CHASOV, pos::hvostovoy_vint::MEZHREMONTNYI_CHASOV,
                                 pos::hvostovoy_vint::NEPRERYVNO};
constexpr UnitColumns kBlade{pos::lopast::NAZVANIE,          pos::lopast::ZAVODSKOY_NOMER,
                             pos::lopast::IZGOTOVLEN_DATA,   pos::lopast::DATA_USTANOVKI,
                             pos::lopast::VSEGO_REMONTOV,    pos::lopast::NARABOTKA_SNE,
                             pos::lopast::NARABOTKA_PPR,     pos::lopast::RESURS_CHASOV,
                             pos::lopast::DO_PERVOGO_CHASOV, pos::lopast::MEZHREMONTNYI_CHASOV,
                             pos::lopast::NEPRERYVNO};

class Builder {
public:
    Builder(Connection* c, const PsbTechOptions& o)
        : m_c(c), m_o(o), m_rules(readLessorRules(c, o.type)), m_flying(*c, o.board)
    {
    }

    StagedTables build()
    {
        StagedTables out;
        auto reg = openQuery(m_c, registerRowQuery(m_o.type, m_o.board));
        out.tables.push_back({aircraft(reg.get(), out.doubts)});
        out.tables.push_back(units());
        out.tables.push_back(maintenance(reg.get(), out.doubts));
        out.doubts << m_doubts;
        return out;
    }

private:
    StagingRow aircraft(Dataset* reg, QStringList& doubts)
    {
        StagingRow row;
        row.set(psbts::Type, m_o.type)
            .set(psbts::Board, m_o.board)
            .set(psbts::Operator, m_o.operatorName)
            .set(psbts::ReportDate, dateText(m_o.date));
        const LeaseContract lease = leaseContract(m_c, m_o.board);
        if (lease.found)
            row.set(psbts::Lessor, lease.lessor)
                .set(psbts::ContractNumber, lease.number)
                .set(psbts::ContractDate, lease.date.isValid() ? dateText(lease.date) : QString());
        else
            doubts << noLeaseDoubt(m_o.type, m_o.board);
        state(row);
        // The last flight on or before the date.
        QDate last;
        for (const rarozidi::FlightRow& f : m_flying.rows())
            if (f.date.isValid() && f.date <= m_o.date && (!last.isValid() || f.date > last)) last = f.date;
        if (last.isValid()) row.set(psbts::LastFlight, dateText(last));
        row.set(psbts::Preparer, preparerName(m_c, m_o.userName));
        if (reg->eof()) {
            doubts << QStringLiteral("ВС %1 %2 нет в реестре").arg(m_o.type, m_o.board);
            return row;
        }
        const Dataset& r = *reg;
        const rarozidi::GroundRule& a = m_rules.planer;
        const QString owner = QStringLiteral("ВС %1 %2").arg(m_o.type, m_o.board);
        const long long sne = lessorMinutes(r.str(R::NARABOTKA_SNE), owner, "NARABOTKA_SNE") -
                              m_flying.FunNarDateStopPer(m_o.date, kHour, -1, a.counts, a.share);
        const long long ppr = lessorMinutes(r.str(R::NARABOTKA_PPR), owner, "NARABOTKA_PPR") -
                              m_flying.FunNarDateStopPer(m_o.date, kHour, -1, a.counts, a.share);
        const long long landingsAfter =
            m_flying.FunNarDateStopPer(m_o.date, QStringLiteral("POSADKI"), -1, a.counts, a.share);
        const int repairs = r.field(R::VSEGO_REMONTOV).asInteger();
        row.set(psbts::Serial, r.str(R::ZAVODSKOI_NOMER).trimmed())
            .set(psbts::Made, dateAt(r, R::DATA_IGOTOVLEN))
            .set(psbts::SinceNew, rarozidi::formatRunningTime(sne))
            .set(psbts::LandingsNew, QString::number(r.field(R::POSADKI_SNE).asInteger() - landingsAfter))
            .set(psbts::Repairs, QString::number(repairs))
            .set(psbts::SinceOverhaul, rarozidi::formatRunningTime(ppr))
            .set(psbts::LandingsOverhaul, QString::number(r.field(R::POSADKI_PPR).asInteger() - landingsAfter))
            .set(psbts::Assigned, r.str(R::RESURS_NAZN_CHASOV).trimmed())
            .set(psbts::AssignedLeft, left(r.str(R::RESURS_NAZN_CHASOV), sne))
            .set(psbts::BetweenOverhauls, r.str(R::MEZHREM_CHASOV).trimmed())
            .set(psbts::OverhaulLeft, left(r.str(R::MEZHREM_CHASOV), repairs > 0 ? ppr : sne))
            .set(psbts::CalendarLife, r.str(R::RESURS_NAZN_LET).trimmed())
            .set(psbts::CalendarBetween, r.str(R::MEZHREM_LET).trimmed())
            .set(psbts::Certificate, r.str(R::SERTIFIKAT_LG).trimmed())
            .set(psbts::CertificateTo, dateAt(r, R::DATA_UDOSNOVERENIE_DO));
        if (repairs > 0)
            row.set(psbts::OverhaulDate, dateAt(r, R::REMONT_DATA)).set(psbts::OverhaulPlant, r.str(R::REMONT_ZAVOD).trimmed());
        return row;
    }

    // The state entry in force on the date; "исправен" since the first
    // record when there is none.
    void state(StagingRow& row)
    {
        auto st = openQuery(m_c, QStringLiteral("Select * From SOSTOIANIE_PARKA Where TIP_VS=") +
                                     frames::sqlText(m_o.type) + QStringLiteral(" And BORTOVOY_NOMER=") +
                                     frames::sqlText(m_o.board) + QStringLiteral(" And DATA_STATUS <=") +
                                     frames::sqlDate(m_o.date) + QStringLiteral(" Order By DATA_STATUS Desc, ID Desc;"));
        if (st->eof()) {
            row.set(psbts::State, QStringLiteral("исправен"));
            return;
        }
        const int code = st->field(pos::sostoianie_parka::KOD_STATUS).asInteger();
        const QString note = st->str(pos::sostoianie_parka::PRIMECHANIE).trimmed();
        row.set(psbts::State, !note.isEmpty() ? note
                              : code == 0     ? QStringLiteral("исправен")
                                              : QStringLiteral("код состояния %1").arg(code))
            .set(psbts::StateSince, dateAt(*st, pos::sostoianie_parka::DATA_STATUS));
    }

    std::vector<StagingRow> units()
    {
        std::vector<StagingRow> rows;
        const QString type = frames::sqlText(m_o.type);
        const QString board = frames::sqlText(m_o.board);
        auto engines = openQuery(m_c, QStringLiteral("Select * From DVIGATEL Where TIP_VS=") + type +
                                          QStringLiteral(" And GDE_STOIT=") + board +
                                          QStringLiteral(" Order By ODIN_DVA, ID;"));
        for (; !engines->eof(); engines->next()) {
            const int selector = engines->str(pos::dvigatel::ODIN_DVA).trimmed().toInt();
            rows.push_back(unit(*engines, kEngine, QStringLiteral("Двигатель № %1").arg(selector + 1), kHour, selector,
                                m_rules.engine));
        }
        auto gears = openQuery(m_c, QStringLiteral("Select * From REDUCTOR Where TIP_VS=") + type +
                                        QStringLiteral(" And GDE_STOIT=") + board + QStringLiteral(" Order By ID;"));
        for (bool first = true; !gears->eof(); gears->next(), first = false)
            rows.push_back(unit(*gears, kEngine, first ? QStringLiteral("Главный редуктор") : QStringLiteral("Редуктор"),
                                kHour, 100, m_rules.gearbox));
        auto apu = openQuery(m_c, QStringLiteral("Select * From VSU Where TIP_VS=") + type +
                                      QStringLiteral(" And MESTO_USTANOVKI=") + board + QStringLiteral(" Order By ID;"));
        if (!apu->eof()) {
            const bool ta14 = apu->str(pos::vsu::NAZVANIE).contains(QStringLiteral("ТА-14-130"));
            rows.push_back(unit(*apu, ta14 ? kApuTa14 : kApu, QStringLiteral("ВСУ"),
                                ta14 ? QStringLiteral("VSU_HOUR_TA14") : QStringLiteral("VSU_HOUR"), -1, {}));
        }
        auto tail = openQuery(m_c, QStringLiteral("Select * From HVOSTOVOY_VINT Where TIP_VS=") + type +
                                       QStringLiteral(" And GDE_STOIT=") + board + QStringLiteral(" Order By ID;"));
        for (; !tail->eof(); tail->next())
            rows.push_back(unit(*tail, kTailRotor, QStringLiteral("Рулевой винт"), kHour, -1, m_rules.blades));
        for (const auto& [rotor, caption] : {std::pair{"Несущий", "Лопасть НВ"}, std::pair{"Хвостовой", "Лопасть РВ"}}) {
            auto blades = openQuery(m_c, QStringLiteral("Select * From LOPAST Where TIP_VS=") + type +
                                             QStringLiteral(" And GDE_STOIT=") + board + QStringLiteral(" And TIP_VINTA='") +
                                             QString::fromUtf8(rotor) + QStringLiteral("' Order By ID;"));
            for (; !blades->eof(); blades->next())
                rows.push_back(unit(*blades, kBlade, QString::fromUtf8(caption), kHour, -1, m_rules.blades));
        }
        return rows;
    }

    StagingRow unit(const Dataset& u, const UnitColumns& col, const QString& kind, const QString& measure, int selector,
                    const rarozidi::GroundRule& rule)
    {
        const QString model = u.str(col.model).trimmed();
        const QString serial = u.str(col.serial).trimmed();
        const QString owner = QStringLiteral("%1 %2 № %3 (ВС %4)").arg(kind, model, serial, m_o.board);
        const bool continuous = col.continuous >= 0 && u.field(col.continuous).asInteger() == 1;
        const QDate installed = u.field(col.installed).asDate();
        // A running time not recorded is left empty and named among the data to check.
        auto at = [&](int pos, const char* column) -> std::optional<long long> {
            if (u.str(pos).trimmed().isEmpty()) {
                m_doubts << QStringLiteral("%1: не указана наработка (%2)").arg(owner, QString::fromLatin1(column));
                return std::nullopt;
            }
            return totalAt(lessorMinutes(u.str(pos), owner, column), continuous, installed, m_o.date, m_flying, measure,
                           selector, rule);
        };
        auto text = [](const std::optional<long long>& m) { return m ? rarozidi::formatRunningTime(*m) : QString(); };
        auto leftOf = [](const QString& limit, const std::optional<long long>& m) { return m ? left(limit, *m) : QString(); };
        const int repairs = u.field(col.repairs).asInteger();
        const std::optional<long long> sne = at(col.sinceNew, "NARABOTKA_SNE");
        StagingRow r;
        r.set(psbtsunit::Kind, kind)
            .set(psbtsunit::Model, model)
            .set(psbtsunit::Serial, serial)
            .set(psbtsunit::Made, dateAt(u, col.made))
            .set(psbtsunit::Installed, dateAt(u, col.installed))
            .set(psbtsunit::Repairs, QString::number(repairs))
            .set(psbtsunit::SinceNew, text(sne))
            .set(psbtsunit::Assigned, u.str(col.assigned).trimmed())
            .set(psbtsunit::AssignedLeft, leftOf(u.str(col.assigned), sne));
        // The overhaul limit: to the first overhaul while never overhauled
        // (between overhauls when that is not given), else between overhauls.
        const QString first = u.str(col.firstOverhaul).trimmed();
        const QString limit = repairs == 0 && limitMinutes(first) ? first : u.str(col.betweenOverhauls).trimmed();
        std::optional<long long> counted = sne;
        if (repairs > 0) {
            counted = at(col.sinceOverhaul, "NARABOTKA_PPR");
            r.set(psbtsunit::SinceOverhaul, text(counted));
        }
        r.set(psbtsunit::OverhaulLimit, limit).set(psbtsunit::OverhaulLeft, leftOf(limit, counted));
        return r;
    }

    std::vector<StagingRow> maintenance(Dataset* reg, QStringList& doubts)
    {
        std::vector<StagingRow> rows;
        auto section = [&](const QString& title) { rows.push_back(StagingRow().set(psbtsto::Item, QLatin1Char('|') + title)); };

        // The forms performed in the year up to the date.
        const QDate from = m_o.date.addYears(-1).addDays(1);
        section(QStringLiteral("Выполненные формы технического обслуживания с %1 по %2")
                    .arg(dateText(from), dateText(m_o.date)));
        auto done = openQuery(m_c, QStringLiteral("Select * From VYPOLNENNYE_FORMY Where TIP_VS=") +
                                       frames::sqlText(m_o.type) + QStringLiteral(" And BORTOVOY_NOMER=") +
                                       frames::sqlText(m_o.board) + QStringLiteral(" And DATA_TO Between ") +
                                       frames::sqlDate(from) + QStringLiteral(" And ") + frames::sqlDate(m_o.date) +
                                       QStringLiteral(" Order By DATA_TO, ID;"));
        for (; !done->eof(); done->next())
            rows.push_back(StagingRow()
                               .set(psbtsto::Item, QStringLiteral("Планер"))
                               .set(psbtsto::Form, done->str(pos::vypolnennye_formy::NAME_FORMY).trimmed())
                               .set(psbtsto::Date, dateAt(*done, pos::vypolnennye_formy::DATA_TO))
                               .set(psbtsto::RunningTime, done->str(pos::vypolnennye_formy::NARABOTKA).trimmed()));

        section(QStringLiteral("Предстоящие формы технического обслуживания"));
        if (reg->eof()) return rows;
        // A form performed after the date moved the cycle on: what comes next
        // is then reckoned from the records as they are now.
        auto later = openQuery(m_c, QStringLiteral("Select * From VYPOLNENNYE_FORMY Where TIP_VS=") +
                                        frames::sqlText(m_o.type) + QStringLiteral(" And BORTOVOY_NOMER=") +
                                        frames::sqlText(m_o.board) + QStringLiteral(" And DATA_TO >") +
                                        frames::sqlDate(m_o.date) + QStringLiteral(" Order By DATA_TO, ID;"));
        if (!later->eof())
            doubts << QStringLiteral("после %1 выполнена форма %2 (%3): предстоящие формы рассчитаны по текущим данным")
                          .arg(dateText(m_o.date), later->str(pos::vypolnennye_formy::NAME_FORMY).trimmed(),
                               dateAt(*later, pos::vypolnennye_formy::DATA_TO));
        const sheets::FormCycle cycle = sheets::readFormCycle(*m_c, m_o.type);
        const sheets::TypeGroundRules rules = sheets::readLastMonthRules(*m_c, m_o.type);
        const sheets::BoardFlying window(*m_c, m_o.board, m_o.date.addDays(-30), m_o.date);
        const sheets::BoardFlying after = sheets::BoardFlying::after(*m_c, m_o.board, m_o.date);
        if (!cycle.found) {
            rows.push_back(StagingRow()
                               .set(psbtsto::Item, QStringLiteral("Планер"))
                               .set(psbtsto::Form, QStringLiteral("цикл форм ТО типа %1 не задан").arg(m_o.type)));
        } else {
            const sheets::FormPair forms = sheets::airframeForms(cycle, *reg);
            rows.push_back(due(QStringLiteral("Планер"), forms, sheets::airframeRemainders(*m_c, *reg, cycle.halfway()),
                               window, after, rules.planer));
        }
        // Engines that keep forms of their own.
        auto separate = openQuery(m_c, QStringLiteral("Select PTO_DVIG_SEPAR From TIPOVYE_DANNYE_VS Where Upper(TIP_VS) "
                                                      "Like Upper(") +
                                           frames::sqlText(m_o.type) + QStringLiteral(") Order By ID;"));
        if (separate->eof() || separate->str(0).trimmed() != QLatin1String("1")) return rows;
        const sheets::FormCycle engineCycle = sheets::readEngineFormCycle(*m_c, m_o.type);
        auto engines = openQuery(m_c, QStringLiteral("Select * From DVIGATEL Where TIP_VS=") + frames::sqlText(m_o.type) +
                                          QStringLiteral(" And GDE_STOIT=") + frames::sqlText(m_o.board) +
                                          QStringLiteral(" Order By ID;"));
        for (; !engines->eof(); engines->next()) {
            if (engines->field(pos::dvigatel::SVOI_FORMY).asInteger() != 1) continue;
            const QString item = engines->str(pos::dvigatel::NAZVANIE_DVIGATELYA).trimmed() + QStringLiteral(" №") +
                                 engines->str(pos::dvigatel::ZAVODSKOI_NOMER).trimmed();
            rows.push_back(due(item, sheets::engineForms(engineCycle, *engines), sheets::engineRemainders(*m_c, *engines),
                               window, after, rules.engine));
        }
        return rows;
    }

    // The next form of an item: its remainder with the flying after the date
    // added back, and the date the 30 days' average before the date gives.
    StagingRow due(const QString& item, const sheets::FormPair& forms, const sheets::Remainders& left,
                   const sheets::BoardFlying& window, const sheets::BoardFlying& after, const rarozidi::GroundRule& rule)
    {
        StagingRow r;
        r.set(psbtsto::Item, item);
        if (forms.next.isEmpty()) return r.set(psbtsto::Form, QStringLiteral("форма не определена"));
        const long long minutes = left.overdue ? 0 : left.minutes + after.minutesAfter(m_o.date, rule);
        const sheets::DailyAverage avg = sheets::lastMonthAverage(window, m_o.date, rule);
        const QDate expected =
            sheets::expectedDate(m_o.date, sheets::daysToForm(minutes, avg.perDay), avg.flown);
        r.set(psbtsto::Form, forms.next)
            .set(psbtsto::Date, dateText(expected))
            .set(psbtsto::RunningTime,
                 left.overdue ? QStringLiteral("просрочена") : rarozidi::formatRunningTime(minutes));
        if (!forms.lastDash && !forms.last.isEmpty())
            r.set(psbtsto::Note, forms.last + (forms.lastDate.isValid() ? QStringLiteral(" от ") + dateText(forms.lastDate)
                                                                        : QString()));
        return r;
    }

    Connection* m_c;
    const PsbTechOptions& m_o;
    LessorRules m_rules;
    rarozidi::BoardFlying m_flying;
    QStringList m_doubts;
};

} // namespace

std::optional<long long> limitMinutes(const QString& hours)
{
    const QString t = hours.trimmed();
    if (t.isEmpty()) return std::nullopt;
    if (t.contains(QLatin1Char(':'))) {
        try {
            const long long m = rarozidi::parseRunningTime(t, QStringLiteral("limit"));
            return m > 0 ? std::optional<long long>(m) : std::nullopt;
        } catch (const ConversionError&) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const double h = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || h <= 0) return std::nullopt;
    return static_cast<long long>(h * 60 + 0.5);
}

StagedTables buildPsbTech(Connection* c, const PsbTechOptions& o) { return Builder(c, o).build(); }

TfrPlanRepLizPSBOtcTehSost::TfrPlanRepLizPSBOtcTehSost() : TPlanFrame(QStringLiteral("frmPlanReport")), m_date(this)
{
    TreeView = new frames::AircraftTree(this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    cmdReport->setEnabled(false);
    bindShowButton(cmdReport);
    // Picking an aircraft shows its report at once.
    connect(TreeView, &frames::AircraftTree::picked, this, [this](const frames::AircraftRef&) {
        cmdReport->setEnabled(true);
        guarded([this] { FunReport(); });
    });
}

void TfrPlanRepLizPSBOtcTehSost::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath(), QStringLiteral("LIZING_PSB_TS"), QStringLiteral("CBOEXPL"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* lblExpl = new QLabel(QStringLiteral("Эксплуатант:"), this);
    lblExpl->setObjectName(QStringLiteral("lblExpl"));
    layout->addWidget(lblExpl);
    layout->addWidget(cboExpl);
    layout->addWidget(m_date.lblDate);
    layout->addWidget(m_date.picDate);
    layout->addWidget(TreeView, 1);
    layout->addWidget(cmdReport);
    m_date.start();
    TreeView->fill(ADOConPdo);
    FunCboExpl();
}

// cboExplChange: the selector keeps its index (−1 after "Очистить поле") in LIZING_PSB_TS/CBOEXPL.
void TfrPlanRepLizPSBOtcTehSost::FunCboExpl() { cboExpl->FunCboExpl(ADOConPdo, true); }

PsbTechOptions TfrPlanRepLizPSBOtcTehSost::options() const
{
    PsbTechOptions o;
    o.operatorName = cboExpl ? cboExpl->currentText() : QString();
    const frames::AircraftRef a = TreeView->current();
    o.type = a.type;
    o.board = a.board;
    o.date = m_date.date();
    if (const shell::THostWindow* w = host()) o.userName = w->userName();
    return o;
}

void TfrPlanRepLizPSBOtcTehSost::FunReport()
{
    const PsbTechOptions o = options();
    if (o.board.isEmpty()) return; // nothing picked: the button stays disabled
    runStagedTables(*this,
                    {QStringLiteral("Select * From REPORT_LIZING_PSB_P1 Order By ID;"),
                     QStringLiteral("Select * From REPORT_LIZING_PSB_P2 Order By ID;"),
                     QStringLiteral("Select * From REPORT_LIZING_PSB_P3 Order By ID;")},
                    QStringLiteral("rep19"), cboExpl ? cboExpl->code() : QStringLiteral("-1"),
                    QStringLiteral("Отчет о техническом состоянии ВС для ООО ПСБ «Авиализинг»"), o.date,
                    {QStringLiteral("ВС: ") + o.type + QLatin1Char(' ') + o.board,
                     leaseLine(leaseContract(ADOConPdo, o.board)),
                     QStringLiteral("Наработки на конец дня ") + dateText(o.date)},
                    [&] { return buildPsbTech(ADOConPdo, o); });
}

} // namespace plan::reports
