// The lists of the sheet tuning editor: the kinds and units of all visible
// types, adding, and the rewrite of TUNE_DOCS.
#include "TuneFixture.h"

#include "platform/DbError.h"
#include "tuning/TuneSpravkaModel.h"

#include <QFile>

using namespace tunetest;
using plan::tuning::TuneSpravkaModel;
using S = TuneSpravkaModel;

namespace {

QStringList summary(const std::vector<plan::tuning::TuneRow>& rows)
{
    QStringList s;
    for (const auto& r : rows)
        s << QStringList{r.cell(S::cCaption), r.cell(S::cDrawing), r.cell(S::cKind), r.cell(S::cId)}.join(QLatin1Char('|'));
    return s;
}

void check(TuneSpravkaModel& m, const QStringList& captions)
{
    for (int r = 0; r < static_cast<int>(m.available().size()); ++r)
        if (captions.contains(m.available()[r].cell(S::cCaption))) m.setAvailableChecked(r, true);
}

} // namespace

TEST_F(TuneTest, SheetsAvailableListOverTheVisibleTypes)
{
    struct Case {
        const char* name;
        const char* change; // SQL run first, or nullptr
        QString condition;
        QStringList available;
    };
    const Case cases[] = {
        // "Ми-8 Hide" is visible here (hidden only when the name starts with it); the engine
        // shared by two types is listed once, so is the lamp of two types.
        {"visible", nullptr, "(TIP_VS='Ка-32' Or TIP_VS='Ми-8' Or TIP_VS='Ми-8 Hide')",
         {"Воздушное судно|Ми-8|Plane|0", "Двигатели|ТВ3-117, ТВ3-117ВМА, ГТД-350|Dvigatel|0", "Главный редуктор|ВР-14|Reductor|0",
          "Втулка НВ|8-1930|VtulkaNV|0", "Генератор|ГС-18|Agregat|ГС-18", "Насос|НШ-39|Agregat|НШ-39",
          "Стартер|СТГ-3|Agregat|СТГ-3", "Фара|ФПП-7|Agregat|ФПП-7"}},
        {"all hidden", "UPDATE TIPOVYE_DANNYE_VS SET TIP_VS = 'Hide' || TIP_VS", "TIP_VS='NULL'", {}},
    };
    for (const Case& c : cases) {
        if (c.change) con->execute(QString::fromUtf8(c.change));
        TuneSpravkaModel m(con.get());
        EXPECT_EQ(m.visibleTypesCondition(), c.condition) << c.name;
        m.loadAvailable();
        EXPECT_EQ(summary(m.available()), c.available) << c.name;
    }
}

TEST_F(TuneTest, SheetsOffered)
{
    const QString complex = QStringLiteral("Комплексный прогноз на замену агрегатов");
    struct Case { const char* ini; QStringList offered; };
    const Case cases[] = {
        {nullptr, {complex}},
        {"[PLAN_SPRAVKA]\nСведения о ВС=0\n", {complex}},
        {"[PLAN_REPORT]\nКвартальный отчет о снятых и установленных компонентах ВС=1\n[PLAN_SPRAVKA]\n"
         "Сведения о ВС для VU z Uz=1\nСведения о ВС=1\n",
         {"Сведения о ВС", "Сведения о ВС для VU z Uz", complex, "Квартальный отчет о снятых и установленных компонентах ВС"}},
    };
    for (const Case& c : cases) {
        QFile::remove(home + QStringLiteral("/reports.ini"));
        if (c.ini) switchOn(QString::fromUtf8(c.ini));
        EXPECT_EQ(TuneSpravkaModel::offeredSheets(), c.offered) << (c.ini ? c.ini : "no reports.ini");
    }
}

TEST_F(TuneTest, SheetsAddKeepsOneLineOfAKindAndOfAUnit)
{
    TuneSpravkaModel m(con.get());
    m.setSheet(QStringLiteral("Сведения о ВС"));
    m.loadAvailable();
    m.loadLines();
    // The engines line and the generator are saved already.
    check(m, {"Воздушное судно", "Двигатели", "Генератор", "Фара"});
    m.addChecked();
    // The check marks stay: pressing Add again adds nothing.
    m.addChecked();
    EXPECT_EQ(summary(m.lines()), (QStringList{"Двигатели|ТВ3-117|Dvigatel|0", "Генератор|ГС-18|Agregat|ГС-18",
                                               "Воздушное судно|Ми-8|Plane|0", "Фара|ФПП-7|Agregat|ФПП-7"}));
    int checked = 0;
    for (const auto& r : m.available()) checked += r.checked;
    EXPECT_EQ(checked, 4);
    EXPECT_TRUE(m.changed());
}

TEST_F(TuneTest, SheetsSaveRewritesAndAFailureKeepsTheOldRows)
{
    TuneSpravkaModel m(con.get());
    m.setSheet(QStringLiteral("Сведения о ВС"));
    m.loadAvailable();
    m.loadLines();
    check(m, {"Насос"});
    m.addChecked();
    ASSERT_TRUE(m.moveLine(2, 0));
    m.save();
    EXPECT_EQ(docRows(), (QStringList{"1|Насос|НШ-39|Agregat|НШ-39", "2|Двигатели|ТВ3-117|Dvigatel|0", "3|Генератор|ГС-18|Agregat|ГС-18"}));

    // A caption too long for its column stops the rewrite at the second line: nothing changes.
    const QStringList before = rows("Select * From TUNE_DOCS Order By ID");
    m.setLineChecked(0, true);
    m.deleteChecked();
    m.setLineCell(1, S::cCaption, QString(600, QLatin1Char('x')));
    EXPECT_THROW(m.save(), plan::DbError);
    EXPECT_EQ(rows("Select * From TUNE_DOCS Order By ID"), before);
    EXPECT_TRUE(m.changed());

    // Saving an empty sheet deletes its rows and no other sheet's.
    con->execute(QStringLiteral("INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, NAZVANIE) VALUES ('Сведения о ВС для VU z Uz', 1, 'x')"));
    for (int i = 0; i < m.lineCount(); ++i) m.setLineChecked(i, true);
    m.deleteChecked();
    m.save();
    EXPECT_TRUE(docRows().isEmpty());
    EXPECT_EQ(docRows(QStringLiteral("Сведения о ВС для VU z Uz")).size(), 1);
}
