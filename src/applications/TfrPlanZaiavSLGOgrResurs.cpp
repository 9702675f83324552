#include "applications/TfrPlanZaiavSLGOgrResurs.h"

#include "applications/SlgUnits.h"
#include "data/Positions.h"
#include "frames/OperatorHeader.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/ReportComponent.h"
#include "rarozidi/Flying.h"
#include "rarozidi/Func.h"

namespace plan::applications {
namespace {
using frames::sqlText;

// "hours/calendar", "/-" without the calendar part, "-/-" without both.
QString limitPair(const QString& hours, bool counts, const QString& calendarLeft)
{
    const QString h = hours.trimmed();
    const QString hp = h.isEmpty() ? QStringLiteral("-") : (counts ? h : hoursMinutesText(h.toLongLong() * 60));
    const QString cp = calendarLeft.isEmpty() ? QStringLiteral("-") : calendarLeft;
    return hp + QLatin1Char('/') + cp;
}

QString runningText(const SlgUnit& u, long long v) { return u.counts ? QString::number(v) : hoursMinutesText(v); }

QString unitCaption(const SlgUnit& u)
{
    if (u.kind == QLatin1String("Dvigatel")) return QStringLiteral("Двигатель ") + u.model;
    if (u.kind == QLatin1String("Reductor")) return QStringLiteral("Главный редуктор ") + u.model;
    if (u.kind == QLatin1String("VSU")) return QStringLiteral("ВСУ ") + u.model + QStringLiteral(" (") + u.apuWord + QLatin1Char(')');
    if (u.kind == QLatin1String("LopastNV")) return QStringLiteral("Лопасть НВ ") + u.model;
    if (u.kind == QLatin1String("LopastHV")) return QStringLiteral("Лопасти РВ ") + u.model;
    if (u.kind == QLatin1String("HvostovoyVint")) return QStringLiteral("Винт рулевой ") + u.model;
    return u.name + (u.model.isEmpty() ? QString() : QLatin1Char(' ') + u.model);
}

class Builder {
public:
    Builder(Connection* c, const SlgDocOptions& o) : m_c(c), m_o(o) {}

    std::vector<StagingRow> build()
    {
        const std::vector<SlgTunedLine> lines = readSlgTunedList(m_c, m_o.type, QString::fromUtf8(kOgrResursDocument));
        if (lines.empty()) return {};
        SlgUnitReader reader(m_c, m_o.type, m_o.board, m_o.date, readSlgGround(m_c, m_o.type), SlgQueries::LimitedLife);
        m_header = frames::OperatorHeader::ofOperator(m_c, m_o.operatorCode);
        auto reg = openQuery(m_c, QStringLiteral("Select * From REESTR Where TIP_VS=") + sqlText(m_o.type) +
                                      QStringLiteral(" And BORTOVOI_NOMER=") + sqlText(m_o.board) + QStringLiteral(";"));
        const QString serial = reg->eof() ? QString() : reg->str(pos::reestr::ZAVODSKOI_NOMER);
        m_aircraft = m_o.type + QStringLiteral(", государственный и регистрационный знаки ") + m_o.board +
                     QStringLiteral(", серийный (заводской) номер ") + serial;
        for (const SlgTunedLine& line : lines) {
            if (line.kind == QLatin1String("Shlang")) {
                hoses(reader);
                continue;
            }
            for (const SlgUnit& u : reader.units(line)) unitRow(u);
        }
        return std::move(m_rows);
    }

private:
    StagingRow& row(const QString& caption, const char* role)
    {
        StagingRow r;
        r.set(ogr::NomerPP, static_cast<int>(m_rows.size()) + 1).set(ogr::Caption, caption).set(ogr::Role, QString::fromLatin1(role));
        r.set(ogr::HeadPost, m_header.at(pos::obshie::DOLGNOST_IAS)).set(ogr::Aircraft, m_aircraft)
            .set(ogr::DocDate, longDate(m_o.date))
            .set(ogr::Preparer, m_header.at(pos::obshie::NACH_PDO) + QStringLiteral(" тел.") + m_header.at(pos::obshie::PHONE_PDO))
            .set(ogr::Email, m_header.at(pos::obshie::EMAIL_PREDPRIATIE));
        m_rows.push_back(r);
        return m_rows.back();
    }

    StagingRow& numbered(const QString& caption)
    {
        StagingRow& r = row(caption, "Unit");
        r.set(ogr::Number, ++m_number);
        return r;
    }

    void unitRow(const SlgUnit& u)
    {
        StagingRow& r = numbered(unitCaption(u));
        if (!u.installed) {
            for (int p : {ogr::Serial, ogr::LimitSinceNew, ogr::LimitOverhaul, ogr::RunningSinceNew, ogr::Maker,
                          ogr::CalendarFrom, ogr::RunningSinceOverhaul})
                r.set(p, QStringLiteral("-"));
            return;
        }
        const QString unit = unitCaption(u) + QStringLiteral(" № ") + u.serial;
        r.set(ogr::Serial, u.serial);
        if (u.repaired()) {
            r.set(ogr::LimitSinceNew, QStringLiteral("-"));
            r.set(ogr::LimitOverhaul, limitPair(u.overhaul, u.counts,
                                                remainingCalendar(u.overhaulCal, u.repairDate, m_o.date, m_o.board, unit,
                                                                  QStringLiteral("MEZHREMONTNYI_LET"))));
            r.set(ogr::Maker, u.plant.isEmpty() ? QStringLiteral("-") : u.plant);
        } else {
            r.set(ogr::LimitSinceNew, limitPair(u.assigned, u.counts,
                                                remainingCalendar(u.assignedCal, u.made, m_o.date, m_o.board, unit,
                                                                  QStringLiteral("NAZNACHENNYI_LET"))));
            r.set(ogr::LimitOverhaul, QStringLiteral("-"));
            r.set(ogr::Maker, u.maker.isEmpty() ? QStringLiteral("-") : u.maker);
        }
        r.set(ogr::RunningSinceNew, runningText(u, u.sinceNew));
        const QDate from = u.calendarFrom.isValid() ? u.calendarFrom : u.made;
        r.set(ogr::CalendarFrom, from.isValid() ? longDate(from) : QStringLiteral("-"));
        r.set(ogr::RunningSinceOverhaul, u.hasSinceOverhaul ? runningText(u, u.sinceOverhaul) : QStringLiteral("-"));
    }

    // The hoses by system: counted in years from manufacture, in years from
    // installation, or in hours.
    void hoses(SlgUnitReader& reader)
    {
        namespace s = pos::shlang;
        auto systems = openQuery(m_c, QStringLiteral("SELECT DISTINCT SYSTEMA FROM SHLANG WHERE SYSTEMA<>'' And TIP_VS=") +
                                          sqlText(m_o.type) + QStringLiteral("ORDER BY SYSTEMA;"));
        const char* const tails[] = {
            "And (VID_UCHETA=0 Or VID_UCHETA=2) And UCHET_OT_DATY_UST=0 Order By DATA_VYPUSKA_RUKAVA;",
            "And (VID_UCHETA=0 Or VID_UCHETA=2) And UCHET_OT_DATY_UST=1 Order By DATA_USTANOVKI;",
            "And (VID_UCHETA=1 Or VID_UCHETA=2) Order By DATA_VYPUSKA_RUKAVA;"};
        const rarozidi::GroundRule rule = rarozidi::readGroundRule(*m_c, m_o.type, rarozidi::GroundKind::Shlang);
        bool headed = false;
        for (; !systems->eof(); systems->next()) {
            const QString system = systems->str(0);
            bool systemHeaded = false;
            for (int t = 0; t < 3; ++t) {
                auto ds = openQuery(m_c, QStringLiteral("SELECT * FROM SHLANG WHERE SYSTEMA=") + sqlText(system) +
                                             QStringLiteral(" And TIP_VS=") + sqlText(m_o.type) +
                                             QStringLiteral(" And GDE_STOIT=") + sqlText(m_o.board) + QStringLiteral(" ") +
                                             QString::fromUtf8(tails[t]));
                for (; !ds->eof(); ds->next()) {
                    if (!headed) row(QStringLiteral("Шланги систем:"), "Head");
                    if (!systemHeaded) row(system, "Sub");
                    headed = systemHeaded = true;
                    const QString caption = ds->str(s::NAZVANIE) + QLatin1Char(' ') + ds->str(s::CHERT_NOMER);
                    const QString serial = ds->str(s::ZAVODSKOY_NOMER);
                    const QString unit = QStringLiteral("шланг ") + caption + QStringLiteral(" № ") + serial;
                    StagingRow& r = numbered(caption);
                    r.set(ogr::Serial, serial).set(ogr::LimitOverhaul, QStringLiteral("-")).set(ogr::Maker, QStringLiteral("-"))
                        .set(ogr::RunningSinceOverhaul, QStringLiteral("-"));
                    const QDate installed = ds->field(s::DATA_USTANOVKI).asDate();
                    if (t < 2) {
                        const QDate from = t == 0 ? ds->field(s::DATA_VYPUSKA_RUKAVA).asDate() : installed;
                        const QString left = remainingCalendar(ds->str(s::RESURS), from, m_o.date, m_o.board, unit,
                                                               QStringLiteral("RESURS"));
                        r.set(ogr::LimitSinceNew, QStringLiteral("-/") + (left.isEmpty() ? QStringLiteral("-") : left));
                        r.set(ogr::RunningSinceNew, QStringLiteral("-"));
                        r.set(ogr::CalendarFrom, from.isValid() ? longDate(from) : QStringLiteral("-"));
                    } else {
                        r.set(ogr::LimitSinceNew, limitPair(ds->str(s::RESURS), false, QString()));
                        const long long now = runningMinutes(rarozidi::FunNepNarShlang(*m_c, *ds), m_o.board, unit,
                                                             QStringLiteral("NARABOTKA_SNE"));
                        const long long after =
                            installed.isValid() && installed <= m_o.date
                                ? reader.later().minutesAfter(m_o.board, rarozidi::FlightColumns::Aircraft, rule)
                                : 0;
                        r.set(ogr::RunningSinceNew, hoursMinutesText(now - after));
                        r.set(ogr::CalendarFrom, installed.isValid() ? longDate(installed) : QStringLiteral("-"));
                    }
                }
            }
        }
    }

    Connection* m_c;
    const SlgDocOptions& m_o;
    frames::OperatorHeader m_header;
    QString m_aircraft;
    std::vector<StagingRow> m_rows;
    int m_number = 0;
};

} // namespace

std::vector<StagingRow> buildSlgOgrResurs(Connection* c, const SlgDocOptions& o) { return Builder(c, o).build(); }

QString ogrResursTemplate(const QString& operatorName)
{
    return isDuzOperator(operatorName) ? QStringLiteral("rep07") : QStringLiteral("rep03");
}

void TfrPlanZaiavSLGOgrResurs::FunDocument(const SlgDocOptions& o)
{
    rarozidi::FlightCache flights;
    const std::vector<StagingRow> rows = buildSlgOgrResurs(ADOConPdo, o);
    if (rows.empty()) {
        showNoTunedList(o.type);
        return;
    }
    ReportValues v = rarozidi::FunReportValues(*ADOConPdo, o.operatorCode);
    v.insert(QStringLiteral("report_title"), QStringLiteral("Перечень агрегатов с ограниченным ресурсом"));
    v.insert(QStringLiteral("covers"), QStringList{QStringLiteral("ВС: ") + rows.front().at(ogr::Aircraft).toString(),
                                                   QStringLiteral("По состоянию на ") + longDate(o.date)});
    v.insert(QStringLiteral("as_of"), o.date);
    frxReport->setValues(v);
    runSingleReport(reportHost(), *ADOQueryReport, QString::fromUtf8(kOgrResursQuery), ogrResursTemplate(o.operatorName),
                    [&](StagingWriter& w) {
                        for (const StagingRow& r : rows) w.addRow(r);
                    });
}

PLAN_REGISTER_FRAME(TfrPlanZaiavSLGOgrResurs)

} // namespace plan::applications
