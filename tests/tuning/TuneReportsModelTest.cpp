// The lists of the report tuning editor: what the standard offers, what
// adding does to the document, and the rewrite of TUNE_REPORTS.
#include "TuneFixture.h"

#include "platform/DbError.h"
#include "tuning/TuneReportsModel.h"

using namespace tunetest;
using plan::tuning::TuneReportsModel;
using L = TuneReportsModel;

namespace {

// "kind|id|system|quantity|positions" of every line.
QStringList lineSummary(const TuneReportsModel& m)
{
    QStringList s;
    for (int i = 0; i < m.lineCount(); ++i)
        s << QStringList{m.lineCell(i, L::lKind), m.lineCell(i, L::lId), m.lineCell(i, L::lSystem), m.lineCell(i, L::lQuantity),
                         m.lineCell(i, L::lPositions)}
                 .join(QLatin1Char('|'));
    return s;
}

void check(TuneReportsModel& m, const QStringList& captions)
{
    for (int r = 0; r < static_cast<int>(m.available().size()); ++r)
        if (captions.contains(m.available()[r].cell(L::aCaption))) m.setAvailableChecked(r, true);
}

} // namespace

TEST_F(TuneTest, ReportsAvailableListFollowsTheStandardOfTheType)
{
    TuneReportsModel m(con.get());
    m.setType(QStringLiteral("Ми-8"));
    m.loadAvailable();
    QStringList got;
    for (const auto& r : m.available())
        got << QStringList{r.cell(L::aCaption), r.cell(L::aDrawing), r.cell(L::aKind), r.cell(L::aSystem), r.cell(L::aQuantity),
                           r.cell(L::aPositions), r.cell(L::aId)}
                   .join(QLatin1Char('|'));
    // Kinds in their fixed order, the hub by its standard row, units sorted by system, name.
    EXPECT_EQ(got, (QStringList{"Воздушное судно|Ми-8|Plane||||0", "Двигатели|ТВ3-117|Dvigatel||||0",
                                "Главный редуктор|ВР-14|Reductor||||0", "Втулка НВ|8-1930|VtulkaNV||||1",
                                "Фара|ФПП-7|Agregat||7|Левая;Правая;|4", "Насос|НШ-39|Agregat|Гидро|0||3",
                                "Генератор|ГС-18|Agregat|Электро|||1", "Стартер|СТГ-3|Agregat|Электро|2||2"}));
}

struct AddCase {
    const char* name;
    std::vector<QStringList> rounds; // captions checked before each press of Add
    QStringList expected;            // lineSummary after the rounds
};

class ReportsAddTest : public TuneTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(ReportsAddTest, AddsOnlyWhatIsNotThere)
{
    TuneReportsModel m(con.get());
    m.setType(QStringLiteral("Ми-8"));
    m.setDocument(kMainUnits);
    m.loadAvailable();
    m.loadLines();
    for (const QStringList& round : GetParam().rounds) {
        check(m, round);
        m.addChecked();
        for (const auto& r : m.available()) EXPECT_FALSE(r.checked);
    }
    EXPECT_EQ(lineSummary(m), GetParam().expected);
    EXPECT_TRUE(m.changed());
}

const QStringList kSaved = {"Dvigatel|0|||", "Agregat|2|Электро|3|"};

INSTANTIATE_TEST_SUITE_P(
    Tune, ReportsAddTest,
    ::testing::Values(
        // The engines line is in the document already; the airframe added in two rounds stays one.
        AddCase{"WholeKindOnce", {{"Двигатели", "Воздушное судно"}, {"Воздушное судно"}}, kSaved + QStringList{"Plane|0|||"}},
        // The starter's identifier is in the document.
        AddCase{"UnitPresentAddsNothing", {{"Стартер"}}, kSaved},
        // Quantity "0" in the standard becomes "1" for a unit of a new system.
        AddCase{"QuantityZeroBecomesOne", {{"Насос"}}, kSaved + QStringList{"Agregat|3|Гидро|1|"}},
        AddCase{"QuantityFromStandard", {{"Фара"}}, kSaved + QStringList{"Agregat|4||7|Левая;Правая;"}},
        // A system already in the document gives its quantity and positions.
        AddCase{"SystemTakesTheFirstLineOfIt", {{"Генератор"}}, kSaved + QStringList{"Agregat|1|Электро|3|"}},
        // Hub 1 and unit 1 are different lines.
        AddCase{"HubAndUnitOfTheSameNumber", {{"Втулка НВ", "Генератор"}, {"Втулка НВ"}},
                kSaved + QStringList{"VtulkaNV|1|||", "Agregat|1|Электро|3|"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TuneTest, ReportsTypesAndDocumentsOffered)
{
    TuneReportsModel m(con.get());
    // Names containing "hide" in any case are hidden.
    EXPECT_EQ(m.types(), (QStringList{"Ка-32", "Ми-8"}));

    struct Case { const char* ini; QStringList offered; };
    const Case cases[] = {
        {nullptr, {}},
        {"[PRODLENIE]\nОсновные агрегаты=1\n[SLG]\nАкт оценки тех.состояния ВС=0\n", {kMainUnits}},
        {"[SLG]\nАкт оценки тех.состояния ВС=1\nОтчет о контрольном полете ВС=1\n[PRODLENIE]\nОсновные агрегаты=1\n",
         {kMainUnits, QStringLiteral("Сертификация - «Отчет о контрольном полете ВС»"), kActItem}},
    };
    for (const Case& c : cases) {
        QFile::remove(home + QStringLiteral("/reports.ini"));
        if (c.ini) switchOn(QString::fromUtf8(c.ini));
        EXPECT_EQ(TuneReportsModel::offeredDocuments(), c.offered) << (c.ini ? c.ini : "no reports.ini");
    }

    QString code, name;
    TuneReportsModel::deriveDocument(kActItem, &code, &name);
    EXPECT_EQ(code, "SLG");
    EXPECT_EQ(name, "Акт оценки тех.состояния ВС");
    TuneReportsModel::deriveDocument(QString(), &code, &name);
    EXPECT_TRUE(code.isEmpty() && name.isEmpty());
}

TEST_F(TuneTest, ReportsSaveRewritesTheWholeSet)
{
    TuneReportsModel m(con.get());
    m.setType(QStringLiteral("Ми-8"));
    m.setDocument(kMainUnits);
    m.loadAvailable();
    m.loadLines();
    ASSERT_EQ(m.lineCount(), 2);
    check(m, {"Насос"});
    m.addChecked();
    m.setLineCell(2, L::lSvodny, QStringLiteral("Сводный"));
    ASSERT_TRUE(m.moveLine(2, 0));
    m.save();
    EXPECT_FALSE(m.changed());
    // Renumbered in the new order; empty attributes stored as NULL.
    EXPECT_EQ(reportRows(), (QStringList{"1|Насос|Agregat|3|Гидро|1|NULL|Сводный", "2|Двигатели|Dvigatel|0|NULL|NULL|NULL|NULL",
                                         "3|Стартер|Agregat|2|Электро|3|NULL|NULL"}));
    EXPECT_EQ(m.lineCount(), 3);

    // Deleting every line and saving leaves no row of this type and document; the others stay.
    for (int i = 0; i < m.lineCount(); ++i) m.setLineChecked(i, true);
    EXPECT_EQ(m.deleteChecked(), 3);
    m.save();
    EXPECT_TRUE(reportRows().isEmpty());
    EXPECT_EQ(reportRows(QStringLiteral("Ка-32")).size(), 1);
    EXPECT_EQ(rows("Select ID From TUNE_REPORTS Where TIP_REPORT='SLG'").size(), 1);
}

TEST_F(TuneTest, ReportsFailedSaveLeavesTheOldRows)
{
    const QStringList before = rows("Select * From TUNE_REPORTS Order By ID");
    TuneReportsModel m(con.get());
    m.setType(QStringLiteral("Ми-8"));
    m.setDocument(kMainUnits);
    m.loadAvailable();
    m.loadLines();
    check(m, {"Насос", "Фара"});
    m.addChecked();
    // The third of four rows is too long for its column: the engine refuses it mid-rewrite.
    m.setLineCell(2, L::lSystem, QString(150, QLatin1Char('x')));
    try {
        m.save();
        FAIL() << "the save went through";
    } catch (const plan::DbError& e) {
        EXPECT_TRUE(e.message().contains("line 3 of 4")) << e.message().toStdString();
    }
    EXPECT_EQ(rows("Select * From TUNE_REPORTS Order By ID"), before);
    EXPECT_TRUE(m.changed());
    EXPECT_EQ(m.lineCount(), 4);
}

TEST_F(TuneTest, ReportsDropDownListsAndChoices)
{
    TuneReportsModel m(con.get());
    m.setType(QStringLiteral("Ми-8"));
    m.setDocument(kMainUnits);
    m.loadAvailable();
    m.loadLines();
    check(m, {"Насос", "Фара", "Генератор", "Воздушное судно"});
    m.addChecked();
    // Lines: 0 engines, 1 starter (std qty 2), 2 airframe, 3 lamp (std qty 7, positions), 4 pump (std qty 0),
    // 5 generator (no std qty).
    ASSERT_EQ(m.lineCell(3, L::lCaption), "Фара");
    EXPECT_FALSE(m.canEditAttributes(0));
    EXPECT_FALSE(m.canEditAttributes(2));
    EXPECT_TRUE(m.canEditAttributes(1));

    struct ListCase { int line; int column; QStringList list; };
    const ListCase lists[] = {
        {1, L::lSvodny, {"", "Сводный"}},
        {1, L::lSystem, {"", "Гидро", "Электро"}},
        {1, L::lQuantity, {"2"}},
        {3, L::lQuantity, {"1"}},
        {4, L::lQuantity, {"1", "2", "3", "4"}},
        {5, L::lQuantity, {"1", "2", "3", "4"}},
        {3, L::lPositions, {"", "Левая;Правая;"}},
        {1, L::lPositions, {"", "Первый;Второй;Третий;"}},
        {0, L::lQuantity, {}},
    };
    for (const ListCase& c : lists) EXPECT_EQ(m.editList(c.line, c.column), c.list) << "line " << c.line << " column " << c.column;
    // An empty quantity is set to "1" when the positions list opens; then there is nothing to offer.
    m.setLineCell(4, L::lQuantity, QString());
    EXPECT_TRUE(m.editList(4, L::lPositions).isEmpty());
    EXPECT_EQ(m.lineCell(4, L::lQuantity), "1");

    struct ChoiceCase { int line; QString value; QString positions; };
    const ChoiceCase choices[] = {
        {4, "3", "Первый;Второй;Третий;"}, // no standard quantity: positions follow
        {4, "1", ""},
        {1, "2", "Первый;Второй;"},        // equal to the standard quantity
        {1, "4", "Первый;Второй;"},        // differs from it: positions kept
    };
    for (const ChoiceCase& c : choices) {
        m.comboChange(c.line, L::lQuantity, c.value);
        EXPECT_EQ(m.lineCell(c.line, L::lQuantity), c.value);
        EXPECT_EQ(m.lineCell(c.line, L::lPositions), c.positions) << "line " << c.line << " value " << c.value.toStdString();
    }
}

TEST_F(TuneTest, ReportsRepairRelinksUnitsAndSaves)
{
    // The starter's standard row got a new identifier; a line names a unit the standard lacks.
    con->execute(QStringLiteral("UPDATE ETAAGREGAT SET ID_NAME='22' WHERE NAZVANIE='Стартер'"));
    con->execute(QStringLiteral("INSERT INTO TUNE_REPORTS (TIP_VS, TIP_REPORT, NAME_REPORT, NUMBER_LINE, NAZVANIE, CHERT_NOMER, "
                                "TIP_AGREGATA, ID_ETALON) VALUES ('Ми-8', 'PRODLENIE', 'Основные агрегаты', 3, 'Компас', 'КИ-13', "
                                "'Agregat', '77')"));
    TuneReportsModel m(con.get());
    m.setType(QStringLiteral("Ми-8"));
    m.setDocument(kMainUnits);
    m.loadLines();
    EXPECT_EQ(m.repair(), QStringList{"Компас КИ-13 в эталоне не найден!"});
    EXPECT_EQ(rows("Select NUMBER_LINE, ID_ETALON From TUNE_REPORTS Where TIP_VS='Ми-8' And TIP_REPORT='PRODLENIE' Order By NUMBER_LINE"),
              (QStringList{"1|0", "2|22", "3|77"}));
    EXPECT_FALSE(m.changed());
}

TEST_F(TuneTest, MovingLines)
{
    TuneReportsModel m(con.get());
    m.setType(QStringLiteral("Ми-8"));
    m.setDocument(kMainUnits);
    m.loadAvailable();
    m.loadLines();
    check(m, {"Насос", "Фара"});
    m.addChecked(); // Двигатели, Стартер, Фара, Насос
    auto captions = [&] {
        QStringList c;
        for (int i = 0; i < m.lineCount(); ++i) c << m.lineCell(i, L::lCaption);
        return c.join(QLatin1Char(','));
    };
    struct Step { const char* what; std::function<bool()> act; bool ok; const char* after; };
    const Step steps[] = {
        {"drag 3 to 0", [&] { return m.moveLine(3, 0); }, true, "Насос,Двигатели,Стартер,Фара"},
        {"drag 0 to 2", [&] { return m.moveLine(0, 2); }, true, "Двигатели,Стартер,Насос,Фара"},
        // The cursor went up to line 1: the line it left (2) follows it.
        {"arrow up at 1", [&] { return m.arrowMove(1, true); }, true, "Двигатели,Насос,Стартер,Фара"},
        // The cursor went down to line 3: line 2 follows it.
        {"arrow down at 3", [&] { return m.arrowMove(3, false); }, true, "Двигатели,Насос,Фара,Стартер"},
        {"arrow up at the last line", [&] { return m.arrowMove(3, true); }, false, "Двигатели,Насос,Фара,Стартер"},
        {"drag out of range", [&] { return m.moveLine(0, 4); }, false, "Двигатели,Насос,Фара,Стартер"},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(s.act(), s.ok) << s.what;
        EXPECT_EQ(captions(), s.after) << s.what;
    }
}
