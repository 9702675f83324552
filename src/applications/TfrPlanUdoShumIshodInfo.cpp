#include "applications/TfrPlanUdoShumIshodInfo.h"

#include "applications/SlgCommon.h"
#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Clock.h"
#include "platform/Dataset.h"
#include "rarozidi/Func.h"

namespace plan::applications {
namespace {
using frames::sqlText;

// Sets pos to the text of the dataset's column, leaving it empty for NULL.
void put(StagingRow& row, int pos, const Dataset& ds, int column)
{
    if (!ds.field(column).isNull()) row.set(pos, ds.str(column));
}
void putDate(StagingRow& row, int pos, const Dataset& ds, int column)
{
    if (!ds.field(column).isNull()) row.set(pos, yearDate(ds.field(column).asDate()));
}
// A variant beginning with "Т" (either case) is a transport one.
bool transport(const QString& variant) { return variant.trimmed().toUpper().startsWith(QStringLiteral("Т")); }
} // namespace

StagingRow buildUdoShum(Connection* c, const SlgDocOptions& o)
{
    StagingRow row;
    const QString where = sqlText(o.type) + QStringLiteral(" And ");
    {
        namespace r = pos::reestr;
        auto reg = openQuery(c, QStringLiteral("Select * From REESTR Where TIP_VS=") + where +
                                    QStringLiteral("BORTOVOI_NOMER=") + sqlText(o.board) + QStringLiteral(" Order By ID;"));
        if (!reg->eof()) {
            put(row, shum::Type, *reg, r::TIP_VS);
            put(row, shum::Board, *reg, r::BORTOVOI_NOMER);
            put(row, shum::Serial, *reg, r::ZAVODSKOI_NOMER);
            if (transport(reg->str(r::VARIANT_VS)))
                row.set(shum::Purpose, QStringLiteral("транспортное")).set(shum::Cargo, QStringLiteral("грузовое"));
            putDate(row, shum::Made, *reg, r::DATA_IGOTOVLEN);
            if (!reg->field(r::MASSA_PUSTOGO).isNull())
                row.set(shum::Mass, QString::number(reg->field(r::MASSA_PUSTOGO).asFloat()) + QStringLiteral("кг."));
            if (!reg->field(r::VSEGO_REMONTOV).isNull() && reg->field(r::VSEGO_REMONTOV).asInteger() > 0)
                putDate(row, shum::LastOverhaul, *reg, r::REMONT_DATA);
            if (!reg->field(r::MEZHREM_CHASOV).isNull() && !reg->field(r::NARABOTKA_PPR).isNull()) {
                if (!reg->str(r::NARABOTKA_PPR).trimmed().isEmpty())
                    runningMinutes(reg->str(r::NARABOTKA_PPR), o.board, QStringLiteral("ВС"), QStringLiteral("NARABOTKA_PPR"));
                QString left = rarozidi::FunOstatChas(*reg, r::MEZHREM_CHASOV, r::NARABOTKA_PPR);
                left.chop(1);
                row.set(shum::HoursLeft, left);
            }
            if (!reg->field(r::MEZHREM_LET).isNull() && !reg->field(r::REMONT_DATA).isNull())
                row.set(shum::CalendarLeft,
                        remainingCalendar(reg->str(r::MEZHREM_LET), reg->field(r::REMONT_DATA).asDate(), Clock::today(),
                                          o.board, QStringLiteral("ВС"), QStringLiteral("MEZHREM_LET")));
        }
    }
    {
        namespace d = pos::dvigatel;
        auto eng = openQuery(c, QStringLiteral("Select * From DVIGATEL Where TIP_VS=") + where +
                                    QStringLiteral("GDE_STOIT=") + sqlText(o.board) + QStringLiteral(" Order By ODIN_DVA, ID;"));
        for (int i = 0; i < 2 && !eng->eof(); ++i, eng->next()) {
            put(row, shum::Engine1 + 3 * i, *eng, d::NAZVANIE_DVIGATELYA);
            put(row, shum::Engine1 + 3 * i + 1, *eng, d::ZAVODSKOI_NOMER);
            putDate(row, shum::Engine1 + 3 * i + 2, *eng, d::IZGOTOVLEN_DATA);
        }
    }
    {
        namespace v = pos::vsu;
        auto apu = openQuery(c, QStringLiteral("Select * From VSU Where TIP_VS=") + where +
                                    QStringLiteral("MESTO_USTANOVKI=") + sqlText(o.board) + QStringLiteral(" Order By ID;"));
        if (!apu->eof()) {
            put(row, shum::Apu, *apu, v::NAZVANIE);
            put(row, shum::Apu + 1, *apu, v::ZAVODSKOY_NOMER);
            putDate(row, shum::Apu + 2, *apu, v::IZGOTOVLEN_DATA);
        }
    }
    namespace l = pos::lopast;
    const QString blades = QStringLiteral("Select * From LOPAST Where TIP_VS=") + where + QStringLiteral("GDE_STOIT=") +
                           sqlText(o.board) + QStringLiteral(" And TIP_VINTA=");
    {
        auto nv = openQuery(c, blades + QStringLiteral("'Несущий' Order By ZAVODSKOY_NOMER, ID;"));
        if (!nv->eof()) put(row, shum::BladeModel, *nv, l::NAZVANIE);
        for (int i = 0; i < shum::MaxBlades && !nv->eof(); ++i, nv->next()) {
            if (!nv->field(l::ZAVODSKOY_NOMER).isNull())
                row.set(shum::Blades + 2 * i, nv->str(l::ZAVODSKOY_NOMER).replace(QLatin1Char('_'), QLatin1Char(' ')));
            putDate(row, shum::Blades + 2 * i + 1, *nv, l::IZGOTOVLEN_DATA);
        }
    }
    {
        namespace h = pos::hvostovoy_vint;
        auto hv = openQuery(c, QStringLiteral("Select * From HVOSTOVOY_VINT Where TIP_VS=") + where +
                                   QStringLiteral("GDE_STOIT=") + sqlText(o.board) + QStringLiteral(" Order By ID;"));
        if (!hv->eof()) {
            put(row, shum::TailRotor, *hv, h::NAZVANIE_VINT);
            put(row, shum::TailRotor + 1, *hv, h::ZAVODSKOY_NOMER);
            putDate(row, shum::TailRotor + 2, *hv, h::IZGOTOVLEN_DATA);
        }
        auto rv = openQuery(c, blades + QStringLiteral("'Хвостовой' Order By ZAVODSKOY_NOMER, ID;"));
        if (!rv->eof()) {
            put(row, shum::TailBlades, *rv, l::NAZVANIE);
            put(row, shum::TailBlades + 1, *rv, l::ZAVODSKOY_NOMER);
            putDate(row, shum::TailBlades + 2, *rv, l::IZGOTOVLEN_DATA);
        }
    }
    {
        namespace ob = pos::obshie;
        auto op = openQuery(c, QStringLiteral("Select * From OBSHIE Where EXPLUATANT=") + sqlText(o.operatorCode) +
                                   QStringLiteral(" Order By ID;"));
        if (!op->eof()) {
            const int cols[] = {ob::EMAIL_PREDPRIATIE, ob::DOLGNOST_IAS, ob::NACH_PDO, ob::PHONE_PDO};
            for (int i = 0; i < 4; ++i) put(row, shum::OperatorEmail + i, *op, cols[i]);
        }
    }
    return row;
}

QString udoShumTemplate(const StagingRow& row)
{
    return row.at(shum::Apu).toString().isEmpty() ? QStringLiteral("rep02") : QStringLiteral("rep01");
}

void TfrPlanUdoShumIshodInfo::FunDocument(const SlgDocOptions& o)
{
    const StagingRow row = buildUdoShum(ADOConPdo, o);
    showRows(o, QStringLiteral("Перечень исходной информации для получения сертификата по шуму на местности"),
             QString::fromUtf8(kUdoShumQuery), udoShumTemplate(row), {row});
}

PLAN_REGISTER_FRAME(TfrPlanUdoShumIshodInfo)

} // namespace plan::applications
