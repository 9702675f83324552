// "Состояние парка ВС" on 15.06.2026: the operator's aircraft of each type in
// service on the date, by maintenance state, own in state 12 and leased.
#include "support/FrameFixture.h"

#include "reports/TfrPlanRepSostParkVS.h"

using namespace frametest;

namespace {

const char* const kCaption = "Состояние парка ВС";
const QStringList kTables = {"EXPLUATANTY", "OBSHIE", "SOBSTVENNIKI", "REESTR", "TIPOVYE_DANNYE_VS"};

QString aircraft(const char* type, const char* board, int status, const char* owner, const char* out = "NULL",
                 const char* op = "AV")
{
    return QStringLiteral("INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, STATUS_TO, SOBSTVENNOST, EXPLUATANT, "
                          "DATE_REESTR_VYVOD) VALUES ('%1', '%2', %3, '%4', '%5', %6)")
        .arg(QString::fromUtf8(type), QLatin1String(board))
        .arg(status)
        .arg(QLatin1String(owner), QLatin1String(op), QLatin1String(out));
}

class SostParkVS : public FrameTest {
protected:
    void fillFleet()
    {
        fill(kTables,
             {"INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('AV', 'Авиакомпания', 0)",
              "INSERT INTO OBSHIE (EXPLUATANT, VLADELETS, FIO_IAS, DOLGNOST_IAS, NACH_PDO, PHONE_PDO, DOLGNOST_PDO, "
              "EMAIL_PREDPRIATIE) VALUES ('AV', 'OWN', 'Иванов И.И.', 'Главный инженер', 'Петров П.П.', '123-45', "
              "'Начальник ПДО', 'av@av.ru')",
              "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8Т')",
              "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-2')",
              "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8 hIdE')",
              aircraft("Ми-8Т", "RA-1", 0, "OWN"),
              aircraft("Ми-8Т", "RA-2", 0, "OWN", "'2026-06-15'"), // removed on the date: state 0 only
              aircraft("Ми-8Т", "RA-3", 3, "LES"),
              aircraft("Ми-8Т", "RA-4", 12, "OWN"),
              aircraft("Ми-8Т", "RA-5", 9, "OWN", "'2026-06-16'"),
              aircraft("Ми-8Т", "RA-6", 1, "OWN", "NULL", "XX"), // another operator
              aircraft("Ми-2", "RA-7", 0, "OWN", "'2026-06-01'"),  // removed before the date: no row for Ми-2
              aircraft("Ми-8 hIdE", "RA-8", 0, "OWN"),            // hidden type
              aircraft("Ка-32", "RA-9", 0, "OWN"),                // a type without per-type data
              aircraft("Ка-32", "RA-10", 2, "OWN")});
    }
};

TEST_F(SostParkVS, CountsPerTypeWithDashesForNone)
{
    fillFleet();
    const auto r = run("frmPlanReport", kCaption, {set("cboExpl", "Авиакомпания"), set("picDate", "15.06.2026")});
    ASSERT_EQ(r.status, 0) << r.errors.join("; ").toStdString();
    EXPECT_EQ(staging(QStringLiteral("Select * From REPORT_SOST_PARKA_VS Order By ID;")),
              QStringList{"Ми-8Т;4;2;-;-;1;-;-;-;1;1;1;Начальник ПДО;Петров П.П.;AV;AV;av@av.ru;Главный инженер;"
                          "Петров П.П. тел.123-45;15.06.2026"});
}

TEST_F(SostParkVS, OperatorOutsideTheListGivesAnEmptyReport)
{
    fillFleet();
    writeSettings(QStringLiteral("[MAIN]\nCBOEXPL=5\n"));
    const auto r = run("frmPlanReport", kCaption, {});
    ASSERT_EQ(r.status, 0) << r.errors.join("; ").toStdString();
    EXPECT_TRUE(staging(QStringLiteral("Select * From REPORT_SOST_PARKA_VS;")).isEmpty());
}

TEST_F(SostParkVS, TypesWithoutPerTypeDataAreNamedNotCounted)
{
    fillFleet();
    const auto res = plan::reports::buildSostParkVS(conn.get(), {QStringLiteral("AV"), QDate(2026, 6, 15)});
    EXPECT_EQ(res.typesWithoutData, QStringList{"Ка-32 (RA-10, RA-9)"});
    ASSERT_EQ(res.rows.size(), 1u);
    EXPECT_EQ(res.rows[0].at(1).toString(), QStringLiteral("Ми-8Т"));
}

} // namespace
