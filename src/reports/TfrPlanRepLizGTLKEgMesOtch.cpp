#include "reports/TfrPlanRepLizGTLKEgMesOtch.h"

#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "reports/TfrPlanRepLizPSBEgMesOtch.h"

#include <vector>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepLizGTLKEgMesOtch)

namespace M = pos::dvigenie_v_ekspluatacii;
namespace F = pos::vypolnennye_formy;

namespace {

struct Movement {
    QDate date;
    QString kind, idName, model, serial, from, to, reason;
    bool removal = false; // from the aircraft (else onto it)
    bool paired = false;
};

// The movements of the period to and from the aircraft, in order of date
// and entry; the aircraft's own moves between operators are not replacements.
std::vector<Movement> movements(Connection* c, const QString& board, const LizPsbPeriod& p)
{
    auto ds = openQuery(c, QStringLiteral("Select * From DVIGENIE_V_EKSPLUATACII Where (OTKUDA=") +
                               frames::sqlText(board) + QStringLiteral(" Or KUDA=") + frames::sqlText(board) +
                               QStringLiteral(") And DATA_PEREVODA Between ") + frames::sqlDate(p.start) +
                               QStringLiteral(" And ") + frames::sqlDate(p.end) +
                               QStringLiteral(" Order By DATA_PEREVODA, ID;"));
    std::vector<Movement> out;
    for (; !ds->eof(); ds->next()) {
        Movement m;
        m.kind = ds->str(M::NAIMENOVANIE).trimmed();
        if (m.kind.compare(QLatin1String("Plane"), Qt::CaseInsensitive) == 0) continue;
        m.date = ds->field(M::DATA_PEREVODA).asDate();
        m.idName = ds->str(M::ID_NAME).trimmed();
        m.model = ds->str(M::NAZVANIE).trimmed();
        m.serial = ds->str(M::ZAVODSKOY_NOMER).trimmed();
        m.from = ds->str(M::OTKUDA).trimmed();
        m.to = ds->str(M::KUDA).trimmed();
        m.reason = ds->str(M::PRICHINA).trimmed();
        m.removal = m.from == board.trimmed();
        out.push_back(m);
    }
    return out;
}

} // namespace

QString movementKind(const QString& code, const QString& idName)
{
    const bool blades = idName.trimmed() == QLatin1String("1");
    const QString k = code.trimmed();
    if (k == QLatin1String("Dvigatel")) return QStringLiteral("Двигатель");
    if (k == QLatin1String("Reductor")) return QStringLiteral("Редуктор");
    if (k == QLatin1String("VSU")) return QStringLiteral("ВСУ");
    if (k == QLatin1String("LopastNV")) return QStringLiteral("Лопасть НВ");
    if (k == QLatin1String("VtulkaNV")) return QStringLiteral("Втулка НВ");
    if (k == QLatin1String("HvostovoyVint")) return blades ? QStringLiteral("Лопасть РВ") : QStringLiteral("Рулевой винт");
    if (k == QLatin1String("VozdushnyVint")) return blades ? QStringLiteral("Лопасть ВВ") : QStringLiteral("Воздушный винт");
    if (k == QLatin1String("Agregat")) return QStringLiteral("Агрегат");
    if (k == QLatin1String("AgrDvig")) return QStringLiteral("Агрегат двигателя");
    if (k == QLatin1String("Lebedka")) return QStringLiteral("Электролебедка");
    if (k == QLatin1String("ZCU")) return QStringLiteral("ЗЧУ");
    if (k == QLatin1String("Shlang")) return QStringLiteral("Шланг");
    return k;
}

StagedTables buildLizGtlk(Connection* c, const LizPsbOptions& o)
{
    StagedTables out;
    const LizPsbPeriod p = lizPsbPeriod(c, o.type, o.board, o.year, o.monthIndex);

    // P1: the running times of the month, as the PSB monthly form counts them.
    StagedRows month = buildLizPsb(c, o);
    out.tables.push_back(month.rows);
    out.doubts = month.doubts;
    if (!leaseContract(c, o.board).found) out.doubts << noLeaseDoubt(o.type, o.board);

    // P2: a removal and an installation of the same kind and reference on one
    // day are one replacement; a movement without its pair stands alone.
    std::vector<Movement> moves = movements(c, o.board, p);
    std::vector<StagingRow> replaced;
    for (size_t i = 0; i < moves.size(); ++i) {
        Movement& a = moves[i];
        if (a.paired) continue;
        a.paired = true;
        const Movement* removed = a.removal ? &a : nullptr;
        const Movement* installed = a.removal ? nullptr : &a;
        for (size_t j = i + 1; j < moves.size(); ++j) {
            Movement& b = moves[j];
            if (b.paired || b.removal == a.removal || b.date != a.date || b.kind != a.kind || b.idName != a.idName)
                continue;
            b.paired = true;
            (b.removal ? removed : installed) = &b;
            break;
        }
        StagingRow r;
        r.set(gtlkzam::Number, QString::number(replaced.size() + 1))
            .set(gtlkzam::Date, dateText(a.date))
            .set(gtlkzam::Kind, movementKind(a.kind, a.idName));
        if (removed)
            r.set(gtlkzam::RemovedModel, removed->model)
                .set(gtlkzam::RemovedSerial, removed->serial)
                .set(gtlkzam::RemovedTo, removed->to);
        if (installed)
            r.set(gtlkzam::InstalledModel, installed->model)
                .set(gtlkzam::InstalledSerial, installed->serial)
                .set(gtlkzam::InstalledFrom, installed->from);
        r.set(gtlkzam::Reason, removed && !removed->reason.isEmpty() ? removed->reason
                                                                      : (installed ? installed->reason : QString()));
        replaced.push_back(r);
    }
    out.tables.push_back(replaced);

    // PTO: the forms performed in the period.
    auto forms = openQuery(c, QStringLiteral("Select * From VYPOLNENNYE_FORMY Where TIP_VS=") + frames::sqlText(o.type) +
                                  QStringLiteral(" And BORTOVOY_NOMER=") + frames::sqlText(o.board) +
                                  QStringLiteral(" And DATA_TO Between ") + frames::sqlDate(p.start) +
                                  QStringLiteral(" And ") + frames::sqlDate(p.end) +
                                  QStringLiteral(" Order By DATA_TO, ID;"));
    std::vector<StagingRow> done;
    for (; !forms->eof(); forms->next()) {
        StagingRow r;
        r.set(gtlkpto::Number, QString::number(done.size() + 1))
            .set(gtlkpto::Form, forms->str(F::NAME_FORMY).trimmed())
            .set(gtlkpto::Date, dateText(forms->field(F::DATA_TO).asDate()))
            .set(gtlkpto::RunningTime, forms->str(F::NARABOTKA).trimmed());
        done.push_back(r);
    }
    out.tables.push_back(done);
    return out;
}

TfrPlanRepLizGTLKEgMesOtch::TfrPlanRepLizGTLKEgMesOtch() : LessorMonthFrame(QStringLiteral("LIZING_GTLK")) {}

void TfrPlanRepLizGTLKEgMesOtch::FunReport()
{
    LizPsbPeriod p;
    const LizPsbOptions o = optionsForRun(p);
    if (o.board.isEmpty()) return; // nothing picked: the button stays disabled
    const LeaseContract lease = leaseContract(ADOConPdo, o.board);
    runStagedTables(*this,
                    {QStringLiteral("Select * From REPORT_LIZING_MONTH_P1 Order By ID;"),
                     QStringLiteral("Select * From REPORT_LIZING_MONTH_P2 Order By ID;"),
                     QStringLiteral("Select * From REPORT_LIZING_PTO Order By ID;")},
                    QStringLiteral("rep16"), operatorCode(),
                    QStringLiteral("Сведения о наработках и заменах (ежемесячная форма для ПАО «ГТЛК»)"), p.end,
                    {QStringLiteral("ВС: ") + o.type + QLatin1Char(' ') + o.board, leaseLine(lease),
                     QStringLiteral("Период: с ") + dateText(p.start) + QStringLiteral(" по ") + dateText(p.end)},
                    [&] { return buildLizGtlk(ADOConPdo, o); });
}

} // namespace plan::reports
