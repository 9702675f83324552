#include "sheets/SvedVvodVSSheet.h"

#include "data/Positions.h"
#include "frames/AirframeRegister.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "sheets/SheetParts.h"
#include "rarozidi/RunningTime.h"
#include "sheets/SvedVSSheet.h"

namespace plan::sheets {

namespace R = pos::reestr;

QString svedVvodTemplate(const SvedVvodOptions& o) { return o.a4 ? QStringLiteral("rep02") : QStringLiteral("rep09"); }

namespace {

QString text(const Dataset& ds, int pos) { return ds.str(pos).trimmed(); }
bool set(const QString& v) { return !v.isEmpty() && v != QLatin1String("0"); }

// The name of a code in a list table (ID_NAME -> NAME); the code itself when
// it is not there.
QString nameOf(Connection* c, const QString& table, const QString& code)
{
    auto ds = openQuery(c, QStringLiteral("Select * From ") + table + QStringLiteral(" Where ID_NAME=") +
                               frames::sqlText(code) + QStringLiteral(" Order By ID;"));
    return ds->eof() ? code : text(*ds, pos::sobstvenniki::NAME);
}

// "N ч / M пос. / Y" of the limits that are set; "не установлен" when none is.
QString limits(const Dataset& a, int hours, int landings, int years, const QString& aircraft)
{
    QStringList parts;
    if (set(text(a, hours))) parts << text(a, hours) + QStringLiteral(" ч");
    if (set(text(a, landings))) parts << text(a, landings) + QStringLiteral(" пос.");
    const QString y = frames::calendarAgeText(text(a, years), aircraft + QStringLiteral(", ") + a.fieldName(years));
    if (!y.isEmpty()) parts << y;
    return parts.isEmpty() ? QStringLiteral("не установлен") : parts.join(QStringLiteral(" / "));
}

// "H ч, N пос." of a running time "H:MM" and landings.
QString totals(const Dataset& a, int runningPos, int landingsPos, const QString& aircraft)
{
    const QString t = text(a, runningPos);
    QString hours = QStringLiteral("-");
    if (!t.isEmpty()) {
        try {
            hours = QString::number(rarozidi::parseRunningTime(t, a.fieldName(runningPos)) / 60);
        } catch (const ConversionError&) {
            throw DbError(QStringLiteral("Сведения для ввода ВС %1: наработка «%2» (%3) не в виде часы:минуты (Ч:ММ). "
                                         "Исправьте наработку в реестре ВС и выберите ВС снова.")
                              .arg(aircraft, t, a.fieldName(runningPos)));
        }
    }
    return hours + QStringLiteral(" ч, ") + QString::number(a.field(landingsPos).asInteger()) + QStringLiteral(" пос.");
}

} // namespace

SvedVvodSheet buildSvedVvod(Connection* c, const SvedVvodOptions& o, const QDate& today)
{
    const QString type = o.aircraft.type, board = o.aircraft.board, aircraft = type + QLatin1Char(' ') + board;
    auto a = openQuery(c, QStringLiteral("Select * From REESTR Where TIP_VS=") + frames::sqlText(type) +
                              QStringLiteral(" And BORTOVOI_NOMER=") + frames::sqlText(board) + QStringLiteral(";"));
    if (a->eof())
        throw DbError(QStringLiteral("ВС %1 нет в реестре (REESTR): откройте справку заново и выберите ВС из списка.")
                          .arg(aircraft));
    const Dataset& A = *a;
    SvedVvodSheet out;
    out.operatorCode = text(A, R::EXPLUATANT);
    const QString date = today.toString(QStringLiteral("dd.MM.yyyy"));

    auto line = [&](const char* label, const QString& value) {
        StagingRow r;
        r.set(SvedVvod::Part, QStringLiteral("1")).set(SvedVvod::Label, QString::fromUtf8(label))
            .set(SvedVvod::Value, value.trimmed().isEmpty() ? QStringLiteral("-") : value)
            .set(SvedVvod::Aircraft, aircraft).set(SvedVvod::SheetDate, date);
        out.rows.push_back(r);
    };
    auto certificate = [&](int number, int until) {
        const QString n = text(A, number), d = dateText(A.field(until).asDate());
        if (n.isEmpty() && d.isEmpty()) return QStringLiteral("нет сведений");
        QString v = n.isEmpty() ? QStringLiteral("номер не указан") : n;
        v += d.isEmpty() ? QStringLiteral(", срок действия не указан") : QStringLiteral(", действителен до ") + d;
        if (A.field(until).asDate().isValid() && A.field(until).asDate() < today) v += QStringLiteral(" (срок истек)");
        return v;
    };
    const bool repaired = A.field(R::VSEGO_REMONTOV).asInteger() > 0;
    line("Тип ВС", type + (text(A, R::VARIANT_VS).isEmpty() ? QString() : QStringLiteral(", модификация ") + text(A, R::VARIANT_VS)));
    line("Бортовой (регистрационный) номер", board);
    line("Заводской (серийный) номер", text(A, R::ZAVODSKOI_NOMER));
    line("Дата изготовления", dateText(A.field(R::DATA_IGOTOVLEN).asDate()));
    line("Собственник", nameOf(c, QStringLiteral("SOBSTVENNIKI"), text(A, R::SOBSTVENNOST)));
    line("Эксплуатант", nameOf(c, QStringLiteral("EXPLUATANTY"), out.operatorCode));
    line("Сертификат летной годности", certificate(R::SERTIFIKAT_LG, R::DATA_UDOSNOVERENIE_DO));
    line("Удостоверение о годности по шуму", certificate(R::UDOST_SHUM, R::DATA_DO_UDO_SHUM));
    line("Место базирования", text(A, R::ID_MESTO));
    line("Наработка с начала эксплуатации", totals(A, R::NARABOTKA_SNE, R::POSADKI_SNE, aircraft));
    line("Ремонты", repaired ? QStringLiteral("%1, последний %2, %3")
                                   .arg(A.field(R::VSEGO_REMONTOV).asInteger())
                                   .arg(dateText(A.field(R::REMONT_DATA).asDate()).isEmpty() ? QStringLiteral("дата не указана")
                                                                                   : dateText(A.field(R::REMONT_DATA).asDate()),
                                        text(A, R::REMONT_ZAVOD).isEmpty() ? QStringLiteral("завод не указан")
                                                                           : text(A, R::REMONT_ZAVOD))
                             : QStringLiteral("не ремонтировалось"));
    line("Наработка после последнего ремонта",
         repaired ? totals(A, R::NARABOTKA_PPR, R::POSADKI_PPR, aircraft) : QStringLiteral("-"));
    line("Назначенный ресурс", limits(A, R::RESURS_NAZN_CHASOV, R::RESURS_NAZN_POSADOK, R::RESURS_NAZN_LET, aircraft));
    line("Межремонтный ресурс", limits(A, R::MEZHREM_CHASOV, R::MEZHREM_POSADOK, R::MEZHREM_LET, aircraft));
    line("Масса пустого ВС, кг", A.field(R::MASSA_PUSTOGO).isNull() ? QString() : text(A, R::MASSA_PUSTOGO));
    line("Центровка пустого ВС", text(A, R::CENTROVKA_PUSTOGO));

    // The main components, as the information sheet reckons them (its airframe row is the lines above).
    SvedVSOptions s;
    s.aircraft = o.aircraft;
    s.mainOnly = true;
    int number = 0;
    for (const StagingRow& info : buildSvedVS(c, s, today).rows) {
        if (info.at(SvedVS::RowName).toString() == QStringLiteral("ВС")) continue;
        const QString lr = info.at(SvedVS::Limits).toString();
        const int bang = lr.indexOf(QLatin1Char('!'));
        StagingRow r;
        r.set(SvedVvod::Part, QStringLiteral("2")).set(SvedVvod::Number, ++number);
        for (int p = SvedVS::RowName; p <= SvedVS::SinceRepair; ++p) r.set(p, info.at(p));
        r.set(SvedVvod::Limits, bang < 0 ? lr : lr.left(bang))
            .set(SvedVvod::Remainders, bang < 0 ? QString() : lr.mid(bang + 1))
            .set(SvedVvod::Aircraft, aircraft)
            .set(SvedVvod::SheetDate, date);
        out.rows.push_back(r);
    }
    return out;
}

} // namespace plan::sheets
