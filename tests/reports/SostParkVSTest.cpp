// "Состояние парка ВС" on 15.06.2026: the operator's aircraft of each type in
// service on the date, by maintenance state, own in state 12 and leased.
#include "support/FrameFixture.h"

#include "platform/Dataset.h"
#include "rarozidi/Func.h"
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

namespace {
// Every count equals the number of rows of the type's own query as the engine
// answers it, also for a type stored with blanks at the end, one written in
// other letter case and one whose name begins like another's.
class SostParkVSCounts : public FrameTest {};
} // namespace

TEST_F(SostParkVSCounts, EachCountIsThatOfTheTypesOwnQuery)
{
    fill(kTables, {"INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('AV', 'Авиакомпания', 0)",
                   "INSERT INTO SOBSTVENNIKI (ID_NAME, NAME, HIDE) VALUES ('OWN', 'Своё', 0)",
                   "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8')",
                   "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8Т')",
                   aircraft("Ми-8", "RA-1", 0, "OWN"), aircraft("Ми-8 ", "RA-2", 1, "LES"),
                   aircraft("Ми-8Т", "RA-3", 12, "OWN"), aircraft("ми-8т", "RA-4", 12, "OWN"),
                   aircraft("Ми-8Т", "RA-5", 2, "LES", "'2026-06-15'"), aircraft("Ми-8Т", "RA-6", 7, "OWN"),
                   aircraft("Ми-8Т", "RA-7", 12, "LES"), aircraft("Ми-8", "RA-8", 3, "OWN", "NULL", "XX")});
    const QDate date(2026, 6, 15);
    const auto res = plan::reports::buildSostParkVS(conn.get(), {QStringLiteral("AV"), date});
    const QString in = QStringLiteral(" And EXPLUATANT='AV' And (DATE_REESTR_VYVOD Is Null Or DATE_REESTR_VYVOD>'6,15,2026')");
    const QString own = rarozidi::FunOnlyOwn(*conn, QStringLiteral("And "));
    const QString leased = rarozidi::FunArenda(*conn, QStringLiteral("And "));
    struct Column {
        int pos;
        QString condition; // after "TIP_VS='<type>'"
    };
    std::vector<Column> columns = {
        {2, in},
        {3, QStringLiteral(" And STATUS_TO=0 And EXPLUATANT='AV' And (DATE_REESTR_VYVOD Is Null Or DATE_REESTR_VYVOD>='6,15,2026')")},
        {10, QStringLiteral(" ") + own + QStringLiteral(" And STATUS_TO='12'") + in},
        {11, QStringLiteral(" ") + leased + in},
        {12, QStringLiteral(" And STATUS_TO>6 And STATUS_TO<>12") + in}};
    for (int state = 1; state <= 6; ++state) columns.push_back({3 + state, QStringLiteral(" And STATUS_TO=%1").arg(state) + in});
    ASSERT_EQ(res.rows.size(), 2u);
    for (const plan::StagingRow& row : res.rows) {
        const QString type = row.at(1).toString();
        for (const Column& col : columns) {
            const QString n = plan::queryScalar(conn.get(), QStringLiteral("Select Count(*) From REESTR Where TIP_VS='") + type +
                                                                QStringLiteral("'") + col.condition);
            const QString shown = col.pos == 2 || n != QLatin1String("0") ? n : QStringLiteral("-");
            EXPECT_EQ(row.at(col.pos).toString(), shown) << type.toStdString() << " position " << col.pos;
        }
    }
}
