#include "data/DemoFleet.h"
#include "data/TableWriter.h"
#include "platform/Clock.h"
#include "platform/Dataset.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace plan;

namespace {
int minutesOf(const QString& hm)
{
    const int colon = hm.indexOf(':');
    return hm.left(colon).toInt() * 60 + hm.mid(colon + 1).toInt();
}

QString dump(Connection* c, const QString& sql)
{
    Dataset ds(c);
    ds.setCommandText(sql);
    ds.open();
    QString out;
    for (; !ds.eof(); ds.next())
        for (int i = 0; i < ds.fieldCount(); ++i) out += ds.str(i) + QLatin1Char('|');
    return out;
}

class DemoFleetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Clock::setToday(QDate(2026, 12, 5));
        path = plantest::scratchDir() + "/demo-a.fdb";
        DemoFleet::create(path, {12, 1, 7});
    }
    static QString path;
};
QString DemoFleetTest::path;
} // namespace

TEST_F(DemoFleetTest, SameSeedAndDayGiveTheSameFleet)
{
    const QString again = plantest::scratchDir() + "/demo-b.fdb";
    DemoFleet::create(again, {12, 1, 7});
    auto a = plantest::connect(path), b = plantest::connect(again);
    for (const char* q : {"SELECT * FROM REESTR ORDER BY ID", "SELECT COUNT(*), MAX(DATA_POLETA) FROM SPRAVKA",
                          "SELECT * FROM DVIGATEL ORDER BY ID"})
        EXPECT_EQ(dump(a.get(), q), dump(b.get(), q)) << q;
    // Creating over an existing file is refused and leaves it alone.
    EXPECT_ANY_THROW(DemoFleet::create(again, {12, 1, 7}));
    EXPECT_EQ(queryScalar(b.get(), "SELECT COUNT(*) FROM REESTR"), "12");
    // The indexes know their rows: an aircraft's flights are found by board
    // and date, not by a scan of every aircraft's flights in the date range.
    EXPECT_NE(queryScalar(b.get(), "SELECT RDB$STATISTICS FROM RDB$INDICES WHERE RDB$INDEX_NAME = 'IX_SPRAVKA_0'").toDouble(),
              0.0);
}

TEST_F(DemoFleetTest, ValuesAgreeWithEachOther)
{
    auto c = plantest::connect(path);
    Dataset re(c.get());
    re.setCommandText("Select * From REESTR Order By ID");
    re.open();
    int hidden = 0;
    for (; !re.eof(); re.next()) {
        const int sne = minutesOf(re.str(20)), ppr = minutesOf(re.str(22));
        EXPECT_GE(sne, ppr) << re.str(3).toStdString();
        EXPECT_EQ(re.field(30).asInteger(), sne);
        EXPECT_EQ(re.field(31).asInteger(), ppr);
        if (re.str(1).contains("HIDE", Qt::CaseInsensitive)) ++hidden;
        if (re.field(9).asInteger() == 0) EXPECT_EQ(sne, ppr);
    }
    EXPECT_EQ(hidden, 1);

    // Every component is on an aircraft of the register or in one of the four store words.
    for (const char* t : {"DVIGATEL", "REDUCTOR", "LOPAST", "VTULKA_NV", "HVOSTOVOY_VINT", "LEBEDKA", "ZCU", "AGREGAT"}) {
        const QString orphans = queryScalar(c.get(), QStringLiteral(
            "SELECT COUNT(*) FROM %1 C WHERE C.GDE_STOIT NOT IN ('Склад','Ремфонд','Ремонт','Рекламация') "
            "AND NOT EXISTS (SELECT 1 FROM REESTR R WHERE R.BORTOVOI_NOMER = C.GDE_STOIT)").arg(t));
        EXPECT_EQ(orphans, "0") << t;
        for (const char* w : {"Склад", "Ремфонд", "Ремонт", "Рекламация"})
            EXPECT_NE(queryScalar(c.get(), QStringLiteral("SELECT COUNT(*) FROM %1 WHERE GDE_STOIT='%2'").arg(t, QString::fromUtf8(w))), "0")
                << t << " " << w;
    }
    // Engines: since new at least since overhaul; some within 100 hours of their limit or past it.
    Dataset dv(c.get());
    dv.setCommandText("Select * From DVIGATEL Order By ID");
    dv.open();
    int near = 0;
    for (; !dv.eof(); dv.next()) {
        EXPECT_GE(minutesOf(dv.str(11)), minutesOf(dv.str(12)));
        const int limit = dv.field(dv.field(9).asInteger() == 0 ? 14 : 16).asInteger();
        if (limit * 60 - minutesOf(dv.str(12)) <= 100 * 60) ++near;
    }
    EXPECT_GT(near, 0);
    // Flights up to today only, the engine columns agreeing with the airframe.
    EXPECT_EQ(queryScalar(c.get(), "SELECT COUNT(*) FROM SPRAVKA WHERE DATA_POLETA > '12,5,2026'"), "0");
    EXPECT_EQ(queryScalar(c.get(), "SELECT COUNT(*) FROM SPRAVKA WHERE V_VOZDUHE_1 <> V_VOZDUHE OR V_VOZDUHE_RED <> V_VOZDUHE"), "0");
    EXPECT_NE(queryScalar(c.get(), "SELECT COUNT(*) FROM SPRAVKA WHERE NA_ZEMLE > '00:00'"), "0");
    EXPECT_EQ(queryScalar(c.get(), "SELECT COUNT(*) FROM SPRAVKA WHERE KOL_VO_CIKLOV_1 <> KOL_VO_POSADOK"), "0");
    // The sheets find an APU by its installation place and count flying from the installation dates.
    EXPECT_NE(queryScalar(c.get(), "SELECT COUNT(*) FROM VSU V JOIN REESTR R ON R.BORTOVOI_NOMER = V.MESTO_USTANOVKI"), "0");
    EXPECT_EQ(queryScalar(c.get(), "SELECT COUNT(*) FROM DVIGATEL WHERE DATA_KALENDAR IS NULL OR DATA_KALENDAR > '12,5,2026'"), "0");
    EXPECT_EQ(queryScalar(c.get(), "SELECT COUNT(*) FROM TIPOVYE_DANNYE_VS WHERE KOD_VS NOT IN (0, 1)"), "0");
}

// Every kind of data the reports, sheets and documents show is in the demo:
// each query counts rows that must exist.
TEST_F(DemoFleetTest, CarriesEveryKindOfDataTheReportsShow)
{
    auto c = plantest::connect(path);
    const char* const kMovesOfTwoYears = "SELECT COUNT(*) FROM DVIGENIE_V_EKSPLUATACII M WHERE DATA_PEREVODA > '12,5,2024' AND ";
    const char* const kBoard = "EXISTS (SELECT 1 FROM REESTR R WHERE R.BORTOVOI_NOMER = M.%1)";
    const QString present[] = {
        // Component movements of every kind, and every event of form 8-OASU.
        QString::fromUtf8(kMovesOfTwoYears) + "NAIMENOVANIE='Dvigatel'", QString::fromUtf8(kMovesOfTwoYears) + "NAIMENOVANIE='Reductor'",
        QString::fromUtf8(kMovesOfTwoYears) + "NAIMENOVANIE='VSU'", QString::fromUtf8(kMovesOfTwoYears) + "NAIMENOVANIE='LopastNV'",
        QString::fromUtf8(kMovesOfTwoYears) + "NAIMENOVANIE='VtulkaNV'", QString::fromUtf8(kMovesOfTwoYears) + "NAIMENOVANIE='Lebedka'",
        QString::fromUtf8(kMovesOfTwoYears) + "NAIMENOVANIE='HvostovoyVint' AND ID_NAME='1'",
        QString::fromUtf8(kMovesOfTwoYears) + "NAIMENOVANIE='HvostovoyVint' AND ID_NAME='0'",
        QString::fromUtf8(kMovesOfTwoYears) + "NAIMENOVANIE='VozdushnyVint' AND ID_NAME='1'",
        QString::fromUtf8(kMovesOfTwoYears) + "NAIMENOVANIE='VozdushnyVint' AND ID_NAME='0'",
        QString::fromUtf8(kMovesOfTwoYears) + "NAIMENOVANIE='Agregat' AND ID_NAME IN (SELECT ID_NAME FROM ETAAGREGAT)",
        QString::fromUtf8(kMovesOfTwoYears) + "NAIMENOVANIE='AgrDvig' AND ID_NAME IN (SELECT ID_NAME FROM ETAAGREGAT)",
        QString::fromUtf8(kMovesOfTwoYears) + QString::fromUtf8(kBoard).arg("KUDA") + " AND OTKUDA='Склад'",
        QString::fromUtf8(kMovesOfTwoYears) + QString::fromUtf8(kBoard).arg("OTKUDA") + " AND KUDA='Склад'",
        QString::fromUtf8(kMovesOfTwoYears) + QString::fromUtf8(kBoard).arg("OTKUDA") + " AND KUDA='Ремонт'",
        QString::fromUtf8(kMovesOfTwoYears) + QString::fromUtf8(kBoard).arg("OTKUDA") + " AND KUDA='Рекламация'",
        QString::fromUtf8(kMovesOfTwoYears) + QString::fromUtf8(kBoard).arg("OTKUDA") + " AND KUDA='В АРЗ с ВС без ремонта'",
        QString::fromUtf8(kMovesOfTwoYears) + "OTKUDA='Ремонт' AND KUDA='Склад'", QString::fromUtf8(kMovesOfTwoYears) + "KUDA='Списание'",
        QString::fromUtf8(kMovesOfTwoYears) + "OTKUDA=KUDA", QString::fromUtf8(kMovesOfTwoYears) + "OTKUDA='Склад' AND KUDA='В АРЗ'",
        // Names of owners, operators and users; lease contracts; locations of the register.
        "SELECT COUNT(*) FROM SOBSTVENNIKI WHERE HIDE=0 AND NAME > ''", "SELECT COUNT(*) FROM EXPLUATANTY WHERE HIDE=0 AND NAME > ''",
        "SELECT COUNT(*) FROM USERS WHERE FAMILIA > '' AND IMIA > '' AND OTCHESTVO > ''", "SELECT COUNT(*) FROM LIZING WHERE LIZINGODATEL > ''",
        "SELECT COUNT(*) FROM REESTR R JOIN RASPOLOGENIA L ON L.ID_MESTO = R.ID_MESTO",
        // Operator codes compared unquoted.
        "SELECT COUNT(*) FROM REESTR WHERE EXPLUATANT=1",
        // Maintenance: forms performed, both schemes of the cycle, engine forms, battery and seasonal maintenance.
        "SELECT COUNT(*) FROM VYPOLNENNYE_FORMY WHERE NAME_FORMY > ''", "SELECT COUNT(*) FROM PTO_FORMY WHERE VREMIA_F1 * 2 = VREMIA_FORMA",
        "SELECT COUNT(*) FROM PTO_FORMY WHERE VREMIA_F1 * 2 <> VREMIA_FORMA",
        "SELECT COUNT(*) FROM PTO_FORMY_DVIG P JOIN TIPOVYE_DANNYE_VS T ON T.TIP_VS = P.TIP_VS AND T.PTO_DVIG_SEPAR = '1' "
        "JOIN DVIGATEL D ON D.TIP_VS = P.TIP_VS AND D.SVOI_FORMY = 1",
        "SELECT COUNT(*) FROM TO_AKB", "SELECT COUNT(*) FROM SEZONNOE_TO",
        "SELECT COUNT(*) FROM REESTR R WHERE NOT EXISTS (SELECT 1 FROM TO_AKB A WHERE A.BORTOVOY_NOMER = R.BORTOVOI_NOMER)",
        // Hoses of each accounting kind, APUs of both kinds, types of both codes.
        "SELECT COUNT(*) FROM SHLANG WHERE VID_UCHETA='0' AND UCHET_OT_DATY_UST=0", "SELECT COUNT(*) FROM SHLANG WHERE VID_UCHETA='0' AND UCHET_OT_DATY_UST=1",
        "SELECT COUNT(*) FROM SHLANG WHERE VID_UCHETA='1'", "SELECT COUNT(*) FROM SHLANG WHERE VID_UCHETA='2'",
        "SELECT COUNT(*) FROM VSU V JOIN REESTR R ON R.BORTOVOI_NOMER = V.MESTO_USTANOVKI WHERE V.NAZVANIE = 'ТА-14-130'",
        "SELECT COUNT(*) FROM VSU V JOIN REESTR R ON R.BORTOVOI_NOMER = V.MESTO_USTANOVKI WHERE V.NAZVANIE <> 'ТА-14-130'",
        "SELECT COUNT(*) FROM REESTR R JOIN TIPOVYE_DANNYE_VS T ON T.TIP_VS = R.TIP_VS WHERE T.KOD_VS = 0",
        "SELECT COUNT(*) FROM REESTR R JOIN TIPOVYE_DANNYE_VS T ON T.TIP_VS = R.TIP_VS WHERE T.KOD_VS = 1",
        // Certificates expiring within 40 days; weight and balance.
        "SELECT COUNT(*) FROM REESTR WHERE DATA_UDOSNOVERENIE_DO BETWEEN '12,5,2026' AND '1,14,2027'",
        "SELECT COUNT(*) FROM REESTR WHERE DATA_DO_UDO_SHUM BETWEEN '12,5,2026' AND '1,14,2027'",
        "SELECT COUNT(*) FROM REESTR WHERE CENTROVKA_PUSTOGO > '' AND MASSA_PUSTOGO > 0 AND CENTROVKA_MAX IS NOT NULL",
        // A spread of remainders: engines near (100 hours or less), due (up to 400) and comfortable; a grounded aircraft.
        "SELECT COUNT(*) FROM DVIGATEL WHERE IIF(VSEGO_REMONTOV = 0, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV) * 60 - "
        "CAST(LEFT(NARABOTKA_PPR, POSITION(':' IN NARABOTKA_PPR) - 1) AS INTEGER) * 60 BETWEEN 0 AND 6000",
        "SELECT COUNT(*) FROM DVIGATEL WHERE IIF(VSEGO_REMONTOV = 0, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV) * 60 - "
        "CAST(LEFT(NARABOTKA_PPR, POSITION(':' IN NARABOTKA_PPR) - 1) AS INTEGER) * 60 BETWEEN 6001 AND 24000",
        "SELECT COUNT(*) FROM DVIGATEL WHERE IIF(VSEGO_REMONTOV = 0, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV) * 60 - "
        "CAST(LEFT(NARABOTKA_PPR, POSITION(':' IN NARABOTKA_PPR) - 1) AS INTEGER) * 60 > 24000",
        "SELECT COUNT(*) FROM REESTR WHERE STATUS_TO = 4 AND MINUT_PPR > MEZHREM_CHASOV * 60",
        // Tuned lists of the sheets, the quarterly report and the application documents.
        "SELECT COUNT(*) FROM TUNE_DOCS WHERE NAME_REPORT = 'Сведения о ВС'",
        "SELECT COUNT(*) FROM TUNE_DOCS D JOIN ETAAGREGAT E ON E.NAZVANIE = D.NAZVANIE AND E.CHERT_NOMER = D.CHERT_NOMER "
        "WHERE D.NAME_REPORT = 'Квартальный отчет о снятых и установленных компонентах ВС' AND D.TIP_AGREGATA = 'Agregat'",
        "SELECT COUNT(*) FROM TUNE_REPORTS T JOIN ETA_VTULKA_NV E ON E.ID = T.ID_ETALON AND E.TIP_VS = T.TIP_VS "
        "JOIN VTULKA_NV V ON V.ID_NAME = T.ID_ETALON WHERE T.TIP_AGREGATA = 'VtulkaNV'",
        "SELECT COUNT(*) FROM TUNE_REPORTS WHERE SVODNY_PASPORT = 'Сводный' AND MESTA_USTANOVKI > ''",
    };
    for (const QString& q : present) EXPECT_NE(queryScalar(c.get(), q), "0") << q.toStdString();

    // Every document of every visible type has its tuned list.
    for (const char* doc : {"Основные агрегаты", "Пилотажно-навигационные и АиРЭО", "Агрегаты с дубликатами паспортов",
                            "Агрегаты с ограниченным ресурсом", "Отчет о контрольном полете ВС", "Акт оценки тех.состояния ВС"})
        EXPECT_EQ(queryScalar(c.get(), QStringLiteral("SELECT COUNT(*) FROM TIPOVYE_DANNYE_VS T WHERE Not Upper(T.TIP_VS) Like '%HIDE%' "
                                                      "AND NOT EXISTS (SELECT 1 FROM TUNE_REPORTS R WHERE R.TIP_VS = T.TIP_VS "
                                                      "AND R.NAME_REPORT = '%1')").arg(QString::fromUtf8(doc))), "0") << doc;
    // Every header column of the operators is filled.
    for (const QString& col : TableWriter::columns(c->database(), "OBSHIE")) {
        if (col.startsWith('F') && col.mid(1).toInt() > 0) continue;
        EXPECT_EQ(queryScalar(c.get(), QStringLiteral("SELECT COUNT(*) FROM OBSHIE WHERE %1 IS NULL OR CAST(%1 AS VARCHAR(200)) = ''").arg(col)), "0")
            << col.toStdString();
    }
}

// The fleet obeys the physics and paperwork of an operator: each query counts rows that break a rule.
TEST_F(DemoFleetTest, ObeysThePhysicsAndPaperworkOfAnOperator)
{
    auto c = plantest::connect(path);
    const QString broken[] = {
        // Repaired after made, installed after made, overhauled after built.
        "SELECT COUNT(*) FROM DVIGATEL WHERE REMONT_DATA < IZGOTOVLEN_DATA OR DATA_KALENDAR < IZGOTOVLEN_DATA",
        "SELECT COUNT(*) FROM REDUCTOR WHERE REMONT_DATA < IZGOTOVLEN_DATA OR DATA_KALENDAR < IZGOTOVLEN_DATA",
        "SELECT COUNT(*) FROM LEBEDKA WHERE REMONT_DATA < IZGOTOVLEN_DATA OR DATA_USTANOVKI < IZGOTOVLEN_DATA",
        "SELECT COUNT(*) FROM AGREGAT WHERE REMONT_DATA < IZGOTOVLEN_DATA OR DATA_USTANOVKI < IZGOTOVLEN_DATA",
        "SELECT COUNT(*) FROM VTULKA_NV WHERE REMONT_DATA < IZGOTOVLEN_DATA OR DATA_USTANOVKI < IZGOTOVLEN_DATA",
        "SELECT COUNT(*) FROM HVOSTOVOY_VINT WHERE REMONT_DATA < IZGOTOVLEN_DATA OR DATA_USTANOVKI < IZGOTOVLEN_DATA",
        "SELECT COUNT(*) FROM VOZDUSHNY_VINT WHERE REMONT_DATA < IZGOTOVLEN_DATA OR DATA_USTANOVKI < IZGOTOVLEN_DATA",
        "SELECT COUNT(*) FROM LOPAST WHERE REMONT_DATA < IZGOTOVLEN_DATA OR DATA_USTANOVKI < IZGOTOVLEN_DATA",
        "SELECT COUNT(*) FROM VSU WHERE REMONT_DATA < IZGOTOVLEN_DATA OR DATA_USTANOVKI < IZGOTOVLEN_DATA",
        "SELECT COUNT(*) FROM ZCU WHERE REMONT_DATA < IZGOTOVLEN_DATA OR DATA_USTANOVKI < IZGOTOVLEN_DATA",
        "SELECT COUNT(*) FROM REESTR WHERE REMONT_DATA < DATA_IGOTOVLEN OR DATE_REESTR_VVOD < DATA_IGOTOVLEN",
        // Parts of each type's own standard list; no gearbox where the type has none.
        "SELECT COUNT(*) FROM LOPAST L WHERE NOT EXISTS (SELECT 1 FROM ETALOPAST E WHERE E.TIP_VS = L.TIP_VS "
        "AND E.TIP_VINTA = L.TIP_VINTA AND E.NAZVANIE = L.NAZVANIE)",
        "SELECT COUNT(*) FROM VTULKA_NV V WHERE NOT EXISTS (SELECT 1 FROM ETA_VTULKA_NV E WHERE E.TIP_VS = V.TIP_VS "
        "AND E.CHERT_NOMER = V.CHERT_NOMER AND E.ID_NAME = V.ID_NAME)",
        "SELECT COUNT(*) FROM LEBEDKA V WHERE NOT EXISTS (SELECT 1 FROM ETA_LEBEDKA E WHERE E.TIP_VS = V.TIP_VS "
        "AND E.CHERT_NOMER_LEBEDKA = V.NAZVANIE_LEBEDKA)",
        "SELECT COUNT(*) FROM HVOSTOVOY_VINT V WHERE NOT EXISTS (SELECT 1 FROM ETA_HVOST_VINT E WHERE E.TIP_VS = V.TIP_VS "
        "AND E.NAZVANIE_VINTA = V.NAZVANIE_VINT)",
        "SELECT COUNT(*) FROM DVIGATEL V WHERE NOT EXISTS (SELECT 1 FROM ETADVIG E WHERE E.TIP_VS = V.TIP_VS "
        "AND E.NAZVANIE_DVIGATELIA = V.NAZVANIE_DVIGATELYA)",
        "SELECT COUNT(*) FROM REDUCTOR V WHERE NOT EXISTS (SELECT 1 FROM ETAREDUCTOR E WHERE E.TIP_VS = V.TIP_VS "
        "AND E.NAZVANIE_REDUCTORA = V.NAZVANIE_REDUCTORA)",
        "SELECT COUNT(*) FROM VSU V WHERE NOT EXISTS (SELECT 1 FROM ETAVSU E WHERE E.TIP_VS = V.TIP_VS AND E.NAZVANIE = V.NAZVANIE)",
        // Overhauls before the limits: only aircraft grounded at the plant are past them, and they do not fly.
        "SELECT COUNT(*) FROM REESTR WHERE STATUS_TO <> 4 AND MINUT_PPR >= MEZHREM_CHASOV * 60",
        "SELECT COUNT(*) FROM REESTR R WHERE R.STATUS_TO = 4 AND EXISTS (SELECT 1 FROM SPRAVKA S "
        "WHERE S.BORTOVOI_NOMER = R.BORTOVOI_NOMER AND S.DATA_POLETA >= R.DATA_STATUS)",
        "SELECT COUNT(*) FROM DVIGATEL D JOIN REESTR R ON R.BORTOVOI_NOMER = D.GDE_STOIT WHERE R.STATUS_TO <> 4 AND "
        "CAST(LEFT(D.NARABOTKA_PPR, POSITION(':' IN D.NARABOTKA_PPR) - 1) AS INTEGER) >= "
        "IIF(D.VSEGO_REMONTOV = 0, D.DO_PERVOGO_CHASOV, D.MEZHREMONTNYI_CHASOV)",
        // Calendar limits: airframes within ten years of their overhaul (or manufacture), engines within eight of
        // their manufacture when never repaired and within six of their last repair.
        "SELECT COUNT(*) FROM REESTR WHERE STATUS_TO <> 4 AND COALESCE(REMONT_DATA, DATA_IGOTOVLEN) < '12,5,2016'",
        "SELECT COUNT(*) FROM DVIGATEL WHERE VSEGO_REMONTOV = 0 AND IZGOTOVLEN_DATA < '12,5,2018'",
        "SELECT COUNT(*) FROM DVIGATEL WHERE VSEGO_REMONTOV > 0 AND REMONT_DATA < '12,5,2020'",
        // The last flight is the last flight record; the running time since the overhaul holds what was flown since.
        "SELECT COUNT(*) FROM REESTR R WHERE R.DATA_POSL_POLETA IS DISTINCT FROM "
        "(SELECT MAX(S.DATA_POLETA) FROM SPRAVKA S WHERE S.BORTOVOI_NOMER = R.BORTOVOI_NOMER)",
        "SELECT COUNT(*) FROM REESTR R WHERE R.MINUT_PPR < (SELECT COALESCE(SUM(DATEDIFF(MINUTE FROM TIME '00:00' TO S.V_VOZDUHE)), 0) "
        "FROM SPRAVKA S WHERE S.BORTOVOI_NOMER = R.BORTOVOI_NOMER AND (R.REMONT_DATA IS NULL OR S.DATA_POLETA > R.REMONT_DATA))",
        // The log names components that exist, except those written off.
        "SELECT COUNT(*) FROM DVIGENIE_V_EKSPLUATACII M WHERE M.NAIMENOVANIE = 'Dvigatel' AND NOT EXISTS (SELECT 1 FROM DVIGATEL D "
        "WHERE D.ZAVODSKOI_NOMER = M.ZAVODSKOY_NOMER) AND NOT EXISTS (SELECT 1 FROM DVIGENIE_V_EKSPLUATACII W "
        "WHERE W.ZAVODSKOY_NOMER = M.ZAVODSKOY_NOMER AND W.KUDA = 'Списание')",
        "SELECT COUNT(*) FROM DVIGENIE_V_EKSPLUATACII M WHERE M.NAIMENOVANIE = 'HvostovoyVint' AND M.ID_NAME = '0' AND NOT EXISTS "
        "(SELECT 1 FROM HVOSTOVOY_VINT D WHERE D.ZAVODSKOY_NOMER_VTULKA = M.ZAVODSKOY_NOMER) AND NOT EXISTS (SELECT 1 FROM "
        "DVIGENIE_V_EKSPLUATACII W WHERE W.ZAVODSKOY_NOMER = M.ZAVODSKOY_NOMER AND W.KUDA = 'Списание')",
        // An installation in the log leaves the unit on that aircraft.
        "SELECT COUNT(*) FROM DVIGENIE_V_EKSPLUATACII M JOIN DVIGATEL D ON D.ZAVODSKOI_NOMER = M.ZAVODSKOY_NOMER "
        "WHERE M.OTKUDA = 'Склад' AND EXISTS (SELECT 1 FROM REESTR R WHERE R.BORTOVOI_NOMER = M.KUDA) AND D.GDE_STOIT <> M.KUDA",
    };
    for (const QString& q : broken) EXPECT_EQ(queryScalar(c.get(), q), "0") << q.toStdString();
}
