#include "data/DemoFleet.h"
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
