#include "reports/TfrPlanRepPASRPr3.h"

#include "data/Positions.h"
#include "frames/OperatorHeader.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"

#include <QHash>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepPASRPr3)

namespace R = pos::reestr;
namespace O = pos::obshie;
namespace S = pos::sostoianie_parka;

namespace {

// The state entry of an aircraft on a date: the last one on or before it.
struct StateOnDate {
    int code = 0; // serviceable without an entry
    QDate since;
    QString note;
};

StateOnDate stateOn(Connection* c, const Dataset& r, const QDate& date)
{
    auto ds = openQuery(c, QStringLiteral("Select * From SOSTOIANIE_PARKA Where TIP_VS=") + frames::sqlText(r.str(R::TIP_VS)) +
                               QStringLiteral(" And BORTOVOY_NOMER=") + frames::sqlText(r.str(R::BORTOVOI_NOMER)) +
                               QStringLiteral(" And DATA_STATUS <=") + frames::sqlDate(date) +
                               QStringLiteral(" Order By DATA_STATUS Desc, ID Desc;"));
    StateOnDate s;
    if (ds->eof()) return s;
    s.code = ds->field(S::KOD_STATUS).asInteger();
    s.since = ds->field(S::DATA_STATUS).asDate();
    s.note = ds->str(S::PRIMECHANIE).trimmed();
    return s;
}

} // namespace

StagedRows buildPasr3(Connection* c, const PasrOptions& o)
{
    StagedRows out;
    const frames::OperatorHeader h = frames::OperatorHeader::ofOperator(c, o.operatorCode);
    out.doubts << headerDoubts(h.found(), o.operatorCode);
    // The names of the bases, read once.
    QHash<QString, QString> bases;
    auto loc = openQuery(c, QStringLiteral("Select * From RASPOLOGENIA Order By ID;"));
    for (; !loc->eof(); loc->next()) {
        const QString id = loc->str(pos::raspologenia::ID_MESTO).trimmed();
        if (!bases.contains(id)) bases.insert(id, loc->str(pos::raspologenia::NAME).trimmed());
    }
    walkPasrAircraft(c, o, out, [&](const Dataset& r, long long ppr) {
        StagingRow row = pasrHead(h, o);
        row.set(pasr3::Type, r.str(R::TIP_VS)).set(pasr3::Board, r.str(R::BORTOVOI_NOMER)).set(pasr3::Serial, r.str(R::ZAVODSKOI_NOMER));
        const QString baseId = r.str(R::ID_MESTO).trimmed();
        const QString base = bases.value(baseId);
        row.set(pasr3::Base, !base.isEmpty() ? base : !baseId.isEmpty() ? baseId : QStringLiteral("-"));
        if (baseId.isEmpty())
            out.doubts << QStringLiteral("ВС %1: в реестре не указано место базирования").arg(aircraftName(r));
        const QDate valid = r.field(R::DATA_UDOSNOVERENIE_DO).asDate();
        row.set(pasr3::Certificate, valid.isValid() ? shortDate(valid) : QStringLiteral("-"));
        row.set(pasr3::Expired, !valid.isValid() || valid < o.date ? QStringLiteral("1") : QStringLiteral("0"));
        const StateOnDate s = stateOn(c, r, o.date);
        const bool serviceable = s.code == 0 || s.code == 11;
        row.set(pasr3::State, serviceable ? QStringLiteral("исправен") : QStringLiteral("неисправен"))
            .set(pasr3::StateCode, QString::number(s.code));
        if (!serviceable) {
            QString note = s.since.isValid() ? QStringLiteral("с ") + shortDate(s.since) : QString();
            if (!s.note.isEmpty()) note += (note.isEmpty() ? QString() : QStringLiteral(", ")) + s.note;
            row.set(pasr3::StateNote, note);
        }
        row.set(pasr3::HoursLeft, QString::number(pasrHoursLeft(r, ppr)))
            .set(pasr3::DolgnostIas, h.at(O::DOLGNOST_IAS))
            .set(pasr3::FioIas, h.at(O::FIO_IAS))
            .set(pasr3::Preparer, h.at(O::NACH_PDO) + QStringLiteral(" тел.") + h.at(O::PHONE_PDO))
            .set(pasr3::Email, h.at(O::EMAIL_PREDPRIATIE));
        out.rows.push_back(row);
    });
    return out;
}

TfrPlanRepPASRPr3::TfrPlanRepPASRPr3()
    : TfrPlanRepPASRPr1(QStringLiteral("SELECT * FROM REPORT_PASR_PRIL_3 ORDER BY ID;"), QStringLiteral("rep10"),
                        QStringLiteral("Сведения о ВС, выполняющих дежурство ПАСР (Приложение 3)"), buildPasr3)
{
}

} // namespace plan::reports
