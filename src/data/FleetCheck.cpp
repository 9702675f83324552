#include "data/FleetCheck.h"

#include "data/FleetRules.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"

#include <QSet>

namespace plan::data {
namespace {

// A kind of component: its table, serial number, the running times, counts
// and limits in hours it keeps, and which of its rows count in hours.
struct Kind {
    const char* table;
    const char* serial;
    QStringList running;
    QStringList counts;
    QStringList limits;
    const char* hoursOnly = ""; // a condition: the rows whose running times and limits are hours
};

const std::vector<Kind>& kinds()
{
    static const std::vector<Kind> k = {
        {"DVIGATEL", "ZAVODSKOI_NOMER", {"NARABOTKA_SNE", "NARABOTKA_PPR"}, {"VSEGO_REMONTOV"},
         {"DO_PERVOGO_CHASOV", "MEZHREMONTNYI_CHASOV", "NAZNACHENNYI_CHASOV"}},
        {"REDUCTOR", "ZAVODSKOI_NOMER", {"NARABOTKA_SNE", "NARABOTKA_PPR"}, {"VSEGO_REMONTOV"},
         {"DO_PERVOGO_CHASOV", "MEZHREMONTNYI_CHASOV", "NAZNACHENNYI_CHASOV"}},
        {"LOPAST", "ZAVODSKOY_NOMER", {"NARABOTKA_SNE", "NARABOTKA_PPR"}, {},
         {"RESURS_CHASOV", "DO_PERVOGO_CHASOV", "MEZHREMONTNYI_CHASOV"}},
        {"HVOSTOVOY_VINT", "ZAVODSKOY_NOMER", {"NARABOTKA_SNE", "NARABOTKA_PPR"}, {"VSEGO_REMONTOV"},
         {"NAZNACHENNYI_CHASOV", "MEZHREMONTNYI_CHASOV", "DO_PERVOGO_CHASOV"}},
        {"VOZDUSHNY_VINT", "ZAVODSKOY_NOMER", {"NARABOTKA_SNE", "NARABOTKA_PPR"}, {"VSEGO_REMONTOV"},
         {"NAZNACHENNYI_CHASOV", "MEZHREMONTNYI_CHASOV", "DO_PERVOGO_CHASOV"}},
        {"VTULKA_NV", "ZAVODSKOY_NOMER", {"NARABOTKA_SNE", "NARABOTKA_PPR"}, {"VSEGO_REMONTOV"},
         {"MEZHREMONTNYI_CHASOV", "DO_PERVOGO_CHASOV"}},
        {"AGREGAT", "ZAVODSKOY_NOMER", {"NARABOTKA_SNE", "NARABOTKA_PPR"}, {"VSEGO_REMONTOV"},
         {"MEZHREMONTNYI_CHASOV", "DO_PERVOGO_CHASOV"}, "ED_IZMERENIA='0'"},
        {"ZCU", "ZAVOD_NOMER", {"NARABOTKA_SNE", "NARABOTKA_PPR"}, {}, {"MEZHREMONTNYI_CHASOV", "DO_PERVOGO_CHASOV"}},
        {"LEBEDKA", "ZAVODSKOY_NOMER_LEBEDKA", {"NARABOTKA_SNE", "NARABOTKA_PPR"}, {"VSEGO_REMONTOV"},
         {"NAZNACHENNYI_CHASOV", "MEZHREMONTNYI_CHASOV", "DO_PERVOGO_CHASOV"}},
        {"VSU", "ZAVODSKOY_NOMER", {"OBSHAIA_SNE", "OBSHAIA_PPR"},
         {"ZAPUSKI_SNE", "ZAPUSKI_PPR", "OTBORY_SNE", "OTBORY_PPR"}, {}},
        {"AGR_VSU", "ZAVODSKOY_NOMER", {}, {}, {}},
        {"SHLANG", "ZAVODSKOY_NOMER", {}, {}, {}},
    };
    return k;
}

const QString kNotHidden = QStringLiteral("Not Upper(Coalesce(TIP_VS, '')) Like '%HIDE%'");

class Checker {
public:
    explicit Checker(Connection& c) : m_c(c) {}

    void types()
    {
        auto dup = openQuery(&m_c, QStringLiteral("Select TIP_VS, Count(*) From TIPOVYE_DANNYE_VS Where ") + kNotHidden +
                                       QStringLiteral(" Group By TIP_VS Having Count(*) > 1 Order By TIP_VS"));
        for (; !dup->eof(); dup->next())
            add("TIPOVYE_DANNYE_VS", QStringLiteral("тип ") + dup->str(0), "TIP_VS", dup->str(0),
                QStringLiteral("тип записан %1 раза: его ВС попадут в прогнозы по нескольку раз").arg(dup->str(1)));
        auto missing = openQuery(
            &m_c, QStringLiteral("Select ID, BORTOVOI_NOMER, TIP_VS From REESTR R Where ") + kNotHidden +
                      QStringLiteral(" And Coalesce(TIP_VS, '')<>'' And Not Exists (Select 1 From TIPOVYE_DANNYE_VS T "
                                     "Where T.TIP_VS=R.TIP_VS) Order By TIP_VS, BORTOVOI_NOMER, ID"));
        for (; !missing->eof(); missing->next())
            add("REESTR", aircraftKey(*missing), "TIP_VS", missing->str(2),
                QStringLiteral("типа нет в TIPOVYE_DANNYE_VS: агрегаты ВС не попадут в прогнозы по типам агрегатов"));
    }

    void register_()
    {
        unnamed();
        values("REESTR", "BORTOVOI_NOMER", {"NARABOTKA_SNE", "NARABOTKA_PPR"},
               {"POSADKI_SNE", "POSADKI_PPR", "VSEGO_REMONTOV"}, {"RESURS_NAZN_CHASOV", "MEZHREM_CHASOV"}, "");
    }

    void unnamed()
    {
        auto ds = openQuery(&m_c, QStringLiteral("Select ID, BORTOVOI_NOMER, TIP_VS From REESTR Where ") + kNotHidden +
                                      QStringLiteral(" And (Coalesce(BORTOVOI_NOMER, '')='' Or Coalesce(TIP_VS, '')='') "
                                                     "Order By ID"));
        for (; !ds->eof(); ds->next()) {
            if (ds->str(1).trimmed().isEmpty())
                add("REESTR", QStringLiteral("ID %1").arg(ds->str(0)), "BORTOVOI_NOMER", ds->str(1),
                    QStringLiteral("ВС без бортового номера: его агрегаты не найти ни в одном отчете"));
            if (ds->str(2).trimmed().isEmpty())
                add("REESTR", aircraftKey(*ds), "TIP_VS", ds->str(2), QStringLiteral("ВС без типа"));
        }
    }

    void components()
    {
        for (const Kind& k : kinds()) {
            places(k);
            values(k.table, k.serial, k.running, k.counts, k.limits, k.hoursOnly);
            serials(k.table, k.serial);
        }
    }

    void places(const Kind& k)
    {
        QString words;
        for (const QString& w : storeWords()) words += (words.isEmpty() ? QString() : QStringLiteral(", ")) +
                                                       QLatin1Char('\'') + w + QLatin1Char('\'');
        {
            const QString t = QLatin1String(k.table);
            auto lost = openQuery(&m_c, QStringLiteral("Select ID, ") + QLatin1String(k.serial) +
                                            QStringLiteral(", GDE_STOIT From ") + t + QStringLiteral(" C Where ") +
                                            kNotHidden + QStringLiteral(" And (Coalesce(GDE_STOIT, '')='' Or (GDE_STOIT Not In (") +
                                            words +
                                            QStringLiteral(") And Not Exists (Select 1 From REESTR R Where "
                                                           "R.BORTOVOI_NOMER=C.GDE_STOIT))) Order By ID"));
            for (; !lost->eof(); lost->next())
                add(k.table, componentKey(*lost), "GDE_STOIT", lost->str(2),
                    QStringLiteral("место установки не ВС реестра и не склад: агрегат не попадет в отчеты"));
        }
    }

    void shares()
    {
        auto ds = openQuery(&m_c, QStringLiteral("Select * From TIPOVYE_DANNYE_VS Where ") + kNotHidden +
                                      QStringLiteral(" Order By TIP_VS, ID"));
        QList<int> cols;
        for (int i = 0; i < ds->fieldCount(); ++i)
            if (ds->fieldName(i).toUpper().startsWith(QLatin1String("KOL_VO_ZEMLIA_"))) cols << i;
        for (; !ds->eof(); ds->next())
            for (int i : cols)
                if (const QString why = shareFault(ds->field(i).value()); !why.isEmpty())
                    m_out.push_back({QStringLiteral("TIPOVYE_DANNYE_VS"),
                                     QStringLiteral("тип ") + ds->str(QStringLiteral("TIP_VS")),
                                     ds->fieldName(i).toUpper(), ds->str(i), why});
    }

    void flights()
    {
        // Over a million records in a large fleet: the plainest condition,
        // the hidden types filtered from the few rows it finds.
        auto ds = openQuery(&m_c, QStringLiteral("Select ID, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, TIP_VS "
                                                 "From SPRAVKA Where DATA_POLETA Is Null Or V_VOZDUHE Is Null Or "
                                                 "NA_ZEMLE Is Null Order By ID"));
        for (; !ds->eof(); ds->next()) {
            if (ds->str(5).toUpper().contains(QLatin1String("HIDE"))) continue;
            const QDate d = ds->field(2).asDate();
            const QString key = QStringLiteral("ID %1, ВС %2%3").arg(ds->str(0), ds->str(1),
                                                                     d.isValid() ? d.toString(QStringLiteral(", dd.MM.yyyy")) : QString());
            const char* cols[] = {"DATA_POLETA", "V_VOZDUHE", "NA_ZEMLE"};
            for (int i = 0; i < 3; ++i)
                if (ds->field(2 + i).isNull())
                    add("SPRAVKA", key, cols[i], QString(),
                        i == 0 ? QStringLiteral("запись о полете без даты") : QStringLiteral("время не заполнено: считается нулем"));
        }
    }

    std::vector<Doubt> result() { return std::move(m_out); }

private:
    static QString aircraftKey(const Dataset& ds)
    {
        return QStringLiteral("ID %1 (ВС %2)").arg(ds.str(0), ds.str(1));
    }
    static QString componentKey(const Dataset& ds)
    {
        return QStringLiteral("ID %1 (№ %2)").arg(ds.str(0), ds.str(1));
    }

    void add(const char* table, const QString& key, const char* column, const QString& value, const QString& reason)
    {
        m_out.push_back({QLatin1String(table), key, QLatin1String(column), value, reason});
    }

    void values(const char* table, const char* serial, const QStringList& running, const QStringList& counts,
                const QStringList& limits, const char* hoursOnly)
    {
        if (running.isEmpty() && counts.isEmpty() && limits.isEmpty()) return;
        const QStringList all = running + counts + limits;
        QString where = kNotHidden;
        auto ds = openQuery(&m_c, QStringLiteral("Select ID, ") + QLatin1String(serial) + QStringLiteral(", ") +
                                      all.join(QStringLiteral(", ")) + (*hoursOnly ? QStringLiteral(", Case When ") +
                                      QLatin1String(hoursOnly) + QStringLiteral(" Then 1 Else 0 End") : QStringLiteral(", 1")) +
                                      QStringLiteral(" From ") + QLatin1String(table) + QStringLiteral(" Where ") +
                                      where + QStringLiteral(" Order By ID"));
        const int hoursPos = 2 + static_cast<int>(all.size());
        const QString t = QLatin1String(table);
        for (; !ds->eof(); ds->next()) {
            const bool hours = ds->field(hoursPos).asInteger() == 1;
            const QString key = t == QLatin1String("REESTR") ? aircraftKey(*ds) : componentKey(*ds);
            int pos = 2;
            for (const QString& col : all) {
                const QVariant v = ds->field(pos).value();
                QString why;
                if (pos - 2 < running.size()) why = hours ? runningTimeFault(v.toString()) : QString();
                else if (pos - 2 < running.size() + counts.size()) why = countFault(v);
                else why = hours ? limitFault(v) : QString();
                if (!why.isEmpty()) m_out.push_back({t, key, col, ds->str(pos), why});
                ++pos;
            }
        }
    }

    void serials(const char* table, const char* serial)
    {
        const QString s = QLatin1String(serial);
        auto ds = openQuery(&m_c, QStringLiteral("Select ") + s + QStringLiteral(", Count(*) From ") +
                                      QLatin1String(table) + QStringLiteral(" Where ") + kNotHidden +
                                      QStringLiteral(" And Coalesce(") + s + QStringLiteral(", '')<>'' Group By ") + s +
                                      QStringLiteral(" Having Count(*) > 1 Order By ") + s);
        for (; !ds->eof(); ds->next())
            m_out.push_back({QLatin1String(table), QStringLiteral("№ ") + ds->str(0), s, ds->str(0),
                             QStringLiteral("заводской номер записан %1 раза").arg(ds->str(1))});
    }

    Connection& m_c;
    std::vector<Doubt> m_out;
};

} // namespace

std::vector<Doubt> checkTypes(Connection& c)
{
    Checker k(c);
    k.types();
    k.unnamed();
    return k.result();
}

std::vector<Doubt> checkPlaces(Connection& c, const QString& table)
{
    Checker k(c);
    for (const Kind& kind : kinds())
        if (table.compare(QLatin1String(kind.table), Qt::CaseInsensitive) == 0) k.places(kind);
    return k.result();
}

std::vector<Doubt> checkFleet(Connection& c)
{
    const ReadTransaction reads(&c);
    Checker k(c);
    k.types();
    k.register_();
    k.components();
    k.shares();
    k.flights();
    return k.result();
}

} // namespace plan::data
