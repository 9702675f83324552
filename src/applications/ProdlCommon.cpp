#include "applications/ProdlCommon.h"

#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Clock.h"
#include "platform/Dataset.h"
#include "rarozidi/Func.h"

namespace plan::applications {

std::vector<SlgTunedLine> readProdlList(Connection* c, const QString& type, const QString& document)
{
    return readSlgTunedList(c, type, document, QString::fromLatin1(kProdlFamily));
}

int readKodVS(Connection* c, const QString& type)
{
    const QString kod = queryScalar(c, QStringLiteral("SELECT KOD_VS From TIPOVYE_DANNYE_VS Where ((TIP_VS)=") +
                                           frames::sqlText(type) + QStringLiteral(")ORDER BY ID;"));
    return kod.trimmed() == QLatin1String("0") ? 0 : 1;
}

QString appendixTitle(const QString& type, bool equipment)
{
    if (type == QStringLiteral("Ми-8"))
        return equipment ? QStringLiteral("Приложение № 2 к Программе ИП-Ми-8/2022")
                         : QStringLiteral("Приложение № 1 к Программе ИП-Ми-8/2022");
    if (type == QStringLiteral("Ми-8АМТ") || type == QStringLiteral("Ми-8МТВ-1"))
        return equipment ? QStringLiteral("Приложение № 2 к Программе «ИП-МТВ/АМТ-2022»")
                         : QStringLiteral("Приложение № 1 к Программе ИП-МТВ/АМТ-2022");
    return {};
}

QString enginePlace(const QString& odinDva, int engineCount)
{
    const QString k = odinDva.trimmed().left(1);
    if (engineCount > 2) {
        if (k == QLatin1String("0")) return QStringLiteral(" (первый)");
        if (k == QLatin1String("1")) return QStringLiteral(" (второй)");
        if (k == QLatin1String("2")) return QStringLiteral(" (третий)");
        return {};
    }
    return k == QLatin1String("0") ? QStringLiteral(" (левый)") : QStringLiteral(" (правый)");
}

QString bulletinNote(const QString& type)
{
    if (type == QStringLiteral("Ми-8АМТ") || type == QStringLiteral("Ми-8МТВ-1"))
        return QStringLiteral("(из перечня приложения к бюллетеню № М2775-БЭ-Г)");
    if (type == QStringLiteral("Ми-8")) return QStringLiteral("(из перечня приложения к бюллетеню № М3613-БЭ-Г)");
    return {};
}

ProdlOperator readProdlOperator(Connection* c, const QString& operatorCode)
{
    namespace ob = pos::obshie;
    ProdlOperator p;
    auto ds = openQuery(c, QStringLiteral("Select * From OBSHIE Where EXPLUATANT=") + frames::sqlText(operatorCode) +
                               QStringLiteral(" Order By ID;"));
    if (ds->eof()) return p;
    p.prepared = ds->str(ob::DOLGNOST_PDO) + QLatin1Char('~') + ds->str(ob::NACH_PDO);
    p.name = ds->str(ob::NACH_PDO);
    p.phone = QStringLiteral(" тел.") + ds->str(ob::PHONE_PDO);
    p.post = ds->str(ob::DOLGNOST_PDO);
    return p;
}

StandardNames readStandardNames(Connection* c, const QString& table, const QString& type)
{
    namespace e = pos::etaagregat;
    static_assert(e::NAME == pos::eta_vtulka_nv::NAME && e::ID_NAME == pos::eta_vtulka_nv::ID_NAME &&
                  e::CHERT_NOMER == pos::eta_vtulka_nv::CHERT_NOMER);
    StandardNames names;
    auto ds = openQuery(c, QStringLiteral("Select * From ") + table + QStringLiteral(" Where ((TIP_VS)=") +
                               frames::sqlText(type) + QStringLiteral(") Order By ID_NAME;"));
    for (; !ds->eof(); ds->next()) {
        const QString id = ds->str(e::ID_NAME).trimmed();
        if (!names.contains(id)) names.insert(id, {ds->str(e::NAME), ds->str(e::CHERT_NOMER)});
    }
    return names;
}

QString dashIfEmpty(const QString& s) { return s.trimmed().isEmpty() ? QStringLiteral("-") : s; }

QString dateText(const Dataset& ds, int column)
{
    return ds.field(column).isNull() ? QString() : longDate(ds.field(column).asDate());
}

bool unitOverhauled(const Dataset& unit)
{
    const auto f = unit.field(pos::agregat::VSEGO_REMONTOV);
    return !f.isNull() && unit.str(pos::agregat::VSEGO_REMONTOV).trimmed().toInt() > 0;
}

QString countChecked(Connection& c, const Dataset& ds, int column, ContinuousCount count, const QString& board,
                     const QString& unit)
{
    const QString stored = ds.str(column).trimmed();
    if (!stored.isEmpty()) runningMinutes(stored, board, unit, ds.fieldName(column));
    return count(c, ds, column);
}

UnitRunning unitRunning(Connection& c, const Dataset& unit, bool continuous, const QString& board)
{
    // AGREGAT and VTULKA_NV keep these columns at the same positions.
    namespace a = pos::agregat;
    static_assert(a::NARABOTKA_SNE == pos::vtulka_nv::NARABOTKA_SNE && a::ED_IZMERENIA == pos::vtulka_nv::ED_IZMERENIA &&
                  a::NEPRERYVNO == pos::vtulka_nv::NEPRERYVNO && a::REMONT_DATA == pos::vtulka_nv::REMONT_DATA);
    UnitRunning r;
    const bool overhauled = unitOverhauled(unit);
    const QString kind = unit.str(a::ED_IZMERENIA).trimmed().left(1);
    if (kind == QLatin1String("2")) {
        r.measure = QStringLiteral("в годах");
        r.sinceNew = rarozidi::FunNarabLet(unit, a::IZGOTOVLEN_DATA, Clock::today());
        r.sinceOverhaul = overhauled ? rarozidi::FunNarabLet(unit, a::REMONT_DATA, Clock::today()) : QStringLiteral("-");
        return r;
    }
    r.measure = kind == QLatin1String("1") ? QStringLiteral("посадки") : QStringLiteral("в часах");
    auto value = [&](int column) {
        QString v = continuous ? countChecked(c, unit, column, rarozidi::FunNepNarAgr, board,
                                              unit.str(a::NAZVANIE) + QStringLiteral(" № ") + unit.str(a::ZAVODSKOY_NOMER))
                               : unit.str(column);
        return v == QLatin1String("00") ? QStringLiteral("0") : v;
    };
    r.sinceNew = value(a::NARABOTKA_SNE);
    r.sinceOverhaul = overhauled ? value(a::NARABOTKA_PPR) : QStringLiteral("-");
    return r;
}

} // namespace plan::applications
