// Form 8-OASU on a small fleet: the events named from where a unit came from
// and where it went, the owner and month filter, the clean-up and the
// numbering, the header-only row, the report date.
#include "reports/TfrPlanRep8OASU.h"
#include "support/FrameFixture.h"

namespace {
using namespace frametest;

const QStringList kTables = {"EXPLUATANTY", "OBSHIE", "REESTR", "DVIGENIE_V_EKSPLUATACII"};

QString move(const char* date, const char* kind, const char* serial, const char* from, const char* to,
             const char* owner = "ВЛ1")
{
    return QStringLiteral("INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, "
                          "PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('%1', '%2', 'М-%3', '%3', 'Акт %3', '%4', '%5', "
                          "'%6')")
        .arg(QString::fromUtf8(date), QString::fromUtf8(kind), QString::fromUtf8(serial), QString::fromUtf8(from),
             QString::fromUtf8(to), QString::fromUtf8(owner));
}

const QStringList kFleet = {
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('ЮТЭЙР', 'АО «ЮТэйр»', 0)",
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('БЕЗ', 'Без владельца', 0)",
    "INSERT INTO OBSHIE (EXPLUATANT, VLADELETS, FIO_IAS, DOLGNOST_IAS, NACH_PDO, PHONE_PDO, IMIA_UGA, ADRES_PREDPR, "
    "EMAIL_PREDPRIATIE) VALUES ('ЮТЭЙР', 'ВЛ1', 'Иванов И.И.', 'Начальник ИАС', 'Петров П.П.', '49-00-00', "
    "'Росавиация', 'г. Тюмень', 'office@ut.ru')",
    "INSERT INTO OBSHIE (EXPLUATANT, FIO_IAS) VALUES ('БЕЗ', 'Сидоров С.С.')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT) VALUES ('Ми-8АМТ', 'RA-22001', 'ЮТЭЙР')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT) VALUES ('Ми-8АМТ', 'RA-22002', 'ЮТЭЙР')",
    move("2026-04-30", "Dvigatel", "E0", "RA-22001", "Склад"),      // before the month
    move("2026-05-01", "Dvigatel", "E1", "RA-22001", "Склад"),      // first day
    move("2026-05-10", "Reductor", "R1", "RA-22001", "RA-22002"),
    move("2026-05-15", "VSU", "A1", "Ремонт", "Склад"),
    move("2026-05-20", "Dvigatel", "E2", "Склад", "Ремфонд"),       // no aircraft, no event: cleaned up
    move("2026-05-25", "LopastNV", "L1", "RA-22001", "Склад"),      // not an engine, gearbox or APU
    move("2026-05-26", "Dvigatel", "E3", "RA-22001", "Склад", "ЧУЖОЙ"), // another owner
    move("2026-05-31", "Dvigatel", "E4", "Склад", "Списание"),      // last day
    move("2026-06-01", "Dvigatel", "E5", "Склад", "RA-22002"),
};

class Form8Oasu : public FrameTest {
protected:
    std::vector<QStringList> rows()
    {
        std::vector<QStringList> out;
        for (const QString& r : staging(QStringLiteral("Select * From REPORT_FORMA_8_OASU Order By ID;"), 20)) {
            QStringList p = r.split(QLatin1Char(';'));
            p.prepend(QString());
            while (p.size() <= 20) p << QString();
            out.push_back(p);
        }
        return out;
    }
};

TEST(Form8OasuEvents, RulesApplyInOrderEachLaterOneOverwriting)
{
    struct Case {
        const char* from;
        const char* to;
        bool fromBoard, toBoard;
        const char* board;
        const char* toStore;
        const char* event;
    };
    const Case cases[] = {
        {"RA-1", "Склад", true, false, "RA-1", "На склад", "Снят с ВС по производственной необходимости"},
        {"RA-1", "Ремонт", true, false, "RA-1", "На склад", "Снят с ВС по выработке ресурса"},
        // To another aircraft: the receiving aircraft, installed, the removal's mark stays.
        {"RA-1", "RA-2", true, true, "RA-2", "На склад", "Установлен на ВС"},
        {"Склад", "RA-2", false, true, "RA-2", "", "Установлен на ВС"},
        {"Ремонт", "Склад", false, false, "", "На склад", "Поступил на склад из ремонта"},
        {"Рекламация", "Ремфонд", false, false, "", "На склад", "Поступил на склад из ремонта"},
        {"Склад", "Ремонт", false, false, "", "", "Направлен в ремонт"},
        {"Склад", "Ремфонд", false, false, "", "", ""},
        {"Склад", "Склад", false, false, "", "На склад", "Приобретен в собственность"},
        {"Склад", "Списание", false, false, "", "", "Списан по выработке ресурса"},
        // Written off from an aircraft: the store mark of the removal is cleared.
        {"RA-1", "Списание", true, false, "RA-1", "", "Списан по выработке ресурса"},
        {"RA-1", "В АРЗ с ВС без ремонта", true, false, "RA-1", "На склад", "В АРЗ с ВС без ремонта"},
        {"Склад", "В АРЗ", false, false, "", "", "Направлен в ремонт"},
        {"", "", false, false, "", "", ""},
    };
    for (const Case& c : cases) {
        const auto e = plan::reports::movementEvent(QString::fromUtf8(c.from), QString::fromUtf8(c.to), c.fromBoard,
                                                    c.toBoard);
        const std::string what = std::string(c.from) + " -> " + c.to;
        EXPECT_EQ(e.board, QString::fromUtf8(c.board)) << what;
        EXPECT_EQ(e.toStore, QString::fromUtf8(c.toStore)) << what;
        EXPECT_EQ(e.event, QString::fromUtf8(c.event)) << what;
    }
}

TEST_F(Form8Oasu, MonthOfTheOwnersEnginesGearboxesAndApusCleanedAndNumbered)
{
    fill(kTables, kFleet);
    const auto r = run("frmPlanReport", "Форма 8-ОАСУ",
                       {set("cboExpl", "АО «ЮТэйр»"), set("cboMonth", "Май"), set("cboYear", "2026")});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    const auto got = rows();
    ASSERT_EQ(got.size(), 4u);
    struct Want {
        const char* date;
        const char* board;
        const char* serial;
        const char* toStore;
        const char* event;
        const char* number;
    } want[] = {
        {"01.05.2026", "RA-22001", "E1", "На склад", "Снят с ВС по производственной необходимости", "1"},
        {"10.05.2026", "RA-22002", "R1", "На склад", "Установлен на ВС", "2"},
        {"15.05.2026", "", "A1", "На склад", "Поступил на склад из ремонта", "3"},
        {"31.05.2026", "", "E4", "", "Списан по выработке ресурса", "4"},
    };
    for (size_t i = 0; i < got.size(); ++i) {
        const auto& row = got[i];
        EXPECT_EQ(row[1], QString::fromUtf8(want[i].date)) << i;
        EXPECT_EQ(row[2], QString::fromUtf8(want[i].board)) << i;
        EXPECT_EQ(row[4], QString::fromUtf8(want[i].serial)) << i;
        EXPECT_EQ(row[6], QString::fromUtf8(want[i].toStore)) << i;
        EXPECT_EQ(row[7], QString::fromUtf8(want[i].event)) << i;
        EXPECT_EQ(row[14], QString::fromUtf8(want[i].number)) << i;
    }
    const auto& first = got[0];
    EXPECT_EQ(first[3], "М-E1");
    EXPECT_EQ(first[5], "Акт E1");
    EXPECT_EQ(first[8], "ЮТЭЙР");
    EXPECT_EQ(first[9], "Росавиация");
    EXPECT_EQ(first[10], "Иванов И.И. ЮТЭЙР"); // the owner is set: the operator's code follows
    EXPECT_EQ(first[11], "г. Тюмень");
    EXPECT_EQ(first[12], "31.05.2026");          // the month's last day, before today
    EXPECT_EQ(first[13], "Начальник ИАС");
    EXPECT_EQ(first[15], "31.05.2026");
    EXPECT_EQ(first[16], "Петров П.П. тел.49-00-00");
    EXPECT_EQ(first[17], "office@ut.ru");
}

TEST_F(Form8Oasu, HeaderOnlyRowAndReportDate)
{
    fill(kTables, kFleet);
    struct Case {
        const char* name;
        std::vector<plan::shell::RunStep> steps;
        const char* settings;
        size_t rows;
        int firstNumber; // 0: a header-only row
        const char* reportDate;
        const char* head;
    } cases[] = {
        // The current month: the report date is today, not the month's end.
        {"June", {set("cboExpl", "АО «ЮТэйр»"), set("cboMonth", "Июнь"), set("cboYear", "2026")}, nullptr, 1, 1,
         "15.06.2026", "Иванов И.И. ЮТЭЙР"},
        // No movement of the owner in the month.
        {"March", {set("cboExpl", "АО «ЮТэйр»"), set("cboMonth", "Март"), set("cboYear", "2026")}, nullptr, 1, 0,
         "31.03.2026", "Иванов И.И. ЮТЭЙР"},
        // An operator without an owner: owner "-1", no movement; no operator code after the name.
        {"no owner", {set("cboExpl", "Без владельца"), set("cboMonth", "Май"), set("cboYear", "2026")}, nullptr, 1, 0,
         "31.05.2026", "Сидоров С.С."},
        // An operator not in the list.
        {"not in list", {set("cboMonth", "Май"), set("cboYear", "2026")}, "[MAIN]\nCBOEXPL=7\n", 1, 0, "31.05.2026", ""},
    };
    for (const Case& c : cases) {
        if (c.settings) writeSettings(QString::fromUtf8(c.settings));
        const auto r = run("frmPlanReport", "Форма 8-ОАСУ", c.steps);
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.errors.join('\n').toStdString();
        const auto got = rows();
        ASSERT_EQ(got.size(), c.rows) << c.name;
        EXPECT_EQ(got[0][14], c.firstNumber ? QString::number(c.firstNumber) : QString()) << c.name;
        if (!c.firstNumber) {
            for (int p : {1, 2, 3, 4, 5, 6, 7}) EXPECT_EQ(got[0][p], QString()) << c.name << " position " << p;
        }
        EXPECT_EQ(got[0][12], QString::fromUtf8(c.reportDate)) << c.name;
        EXPECT_EQ(got[0][15], QString::fromUtf8(c.reportDate)) << c.name;
        EXPECT_EQ(got[0][10], QString::fromUtf8(c.head)) << c.name;
    }
}

TEST_F(Form8Oasu, AMonthWhoseMovementsAreAllCleanedUpKeepsOneHeaderRow)
{
    fill(kTables, {kFleet[0], kFleet[2], move("2026-05-20", "Dvigatel", "E2", "Склад", "Ремфонд"),
                   move("2026-05-21", "VSU", "A2", "Ремфонд", "Склад")});
    const auto r = run("frmPlanReport", "Форма 8-ОАСУ",
                       {set("cboExpl", "АО «ЮТэйр»"), set("cboMonth", "Май"), set("cboYear", "2026")});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    const auto got = rows();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0][4], QString());
    EXPECT_EQ(got[0][8], "ЮТЭЙР");
    EXPECT_EQ(got[0][14], QString());
}

TEST_F(Form8Oasu, APlaceIsAnAircraftWhenTheRegisterHasItsBoardNumber)
{
    fill(kTables, {kFleet[0], kFleet[2], kFleet[4], kFleet[5],
                   move("2026-05-02", "Dvigatel", "E1", "Склад", "RA-22002 "), // blanks around do not count
                   move("2026-05-03", "Dvigatel", "E2", "Склад", "RA-2200"),   // no such aircraft: a place
                   move("2026-05-04", "Dvigatel", "E3", " RA-22001", "Склад")});
    const auto r = run("frmPlanReport", "Форма 8-ОАСУ",
                       {set("cboExpl", "АО «ЮТэйр»"), set("cboMonth", "Май"), set("cboYear", "2026")});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    const auto got = rows();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0][2], "RA-22002");
    EXPECT_EQ(got[0][7], "Установлен на ВС");
    EXPECT_EQ(got[1][2], "");
    EXPECT_EQ(got[1][7], "Направлен в ремонт");
    EXPECT_EQ(got[2][2], "RA-22001");
    EXPECT_EQ(got[2][7], "Снят с ВС по производственной необходимости");
}

} // namespace
