// The eleven component forecasts on one small fleet: an own aircraft RA-1
// with 5:00 of flying in the window (10 minutes a day), an own RA-2 without
// flights, a leased RA-L; per kind one component on each, and spares in
// "Склад" with a store, without one, leased, and one in "Ремонт".
// Today is 15.06.2026.
#include "forecast/ForecastFixture.h"
#include "platform/TemplateRenderer.h"

#include <QDir>
#include <QFile>

using namespace forecasttest;

namespace {

struct Frame {
    const char* caption;
    const char* table;
    const char* numberColumn;
    const char* storeColumn;
    const char* columns; // the kind's own columns: name, limit, used, ...
    const char* values;
    const char* name;    // the name the report shows
    const char* mark;    // where no date can be given
    const char* repaired = ""; // position 8 of a never repaired one ("-": the kind has no repair date)
};

const Frame kFrames[] = {
    {"Прогноз на замену двигателей", "DVIGATEL", "ZAVODSKOI_NOMER", "TEKUSHEE_RASPOLOGENIE",
     "NAZVANIE_DVIGATELYA, VSEGO_REMONTOV, DO_PERVOGO_CHASOV, NARABOTKA_PPR", "'М1', 0, 1000, '100:00'", "М1",
     "<b>=:=</b>"},
    {"Прогноз на замену главных редукторов", "REDUCTOR", "ZAVODSKOI_NOMER", "TEKUSHEE_RASPOLOGENIE",
     "NAZVANIE_REDUCTORA, VSEGO_REMONTOV, DO_PERVOGO_CHASOV, NARABOTKA_PPR", "'Р1', 0, 1000, '100:00'", "Р1",
     "<b>===</b>"},
    {"Прогноз на замену лопастей несущего винта", "LOPAST", "ZAVODSKOY_NOMER", "SKLAD_ARZ",
     "NAZVANIE, TIP_VINTA, RESURS_CHASOV, NARABOTKA_SNE, NARABOTKA_PPR", "'Л1', 'Несущий', 1000, '100:00', '100:00'",
     "Л1", "<b>===</b>", "-"},
    {"Прогноз на замену лопастей рулевого винта", "LOPAST", "ZAVODSKOY_NOMER", "SKLAD_ARZ",
     "NAZVANIE, TIP_VINTA, RESURS_CHASOV, NARABOTKA_SNE, NARABOTKA_PPR", "'Л2', 'Хвостовой', 1000, '100:00', '100:00'",
     "Л2", "<b>===</b>", "-"},
    {"Прогноз на замену лопастей воздушного винта", "LOPAST", "ZAVODSKOY_NOMER", "SKLAD_ARZ",
     "NAZVANIE, TIP_VINTA, RESURS_CHASOV, NARABOTKA_SNE, NARABOTKA_PPR", "'Л3', 'Воздушный', 1000, '100:00', '100:00'",
     "Л3", "<b>===</b>", "-"},
    {"Прогноз на замену втулок РВ", "HVOSTOVOY_VINT", "ZAVODSKOY_NOMER", "SKLAD_ARZ",
     "NAZVANIE_VINT, ZAVODSKOY_NOMER_VTULKA, VSEGO_REMONTOV, DO_PERVOGO_CHASOV, NARABOTKA_PPR",
     "'РВ1', 'В-1', 0, 1000, '100:00'", "Рулевой винт РВ1", "<b>===</b>"},
    {"Прогноз на замену втулок ВВ", "VOZDUSHNY_VINT", "ZAVODSKOY_NOMER", "SKLAD_ARZ",
     "NAZVANIE_VINTA, VSEGO_REMONTOV, DO_PERVOGO_CHASOV, NARABOTKA_PPR", "'ВВ1', 0, 1000, '100:00'",
     "Воздушный винт ВВ1", "<b>===</b>"},
    {"Прогноз на замену втулок НВ", "VTULKA_NV", "ZAVODSKOY_NOMER", "SKLAD_ARZ",
     "ID_NAME, VSEGO_REMONTOV, DO_PERVOGO_CHASOV, NARABOTKA_PPR", "'1', 0, 1000, '100:00'", "Втулка D1", "<b>===</b>"},
    {"Прогноз на замену электролебедок", "LEBEDKA", "ZAVODSKOY_NOMER_LEBEDKA", "SKLAD_ARZ",
     "NAZVANIE_LEBEDKA, VSEGO_REMONTOV, DO_PERVOGO_CHASOV, NARABOTKA_PPR", "'ЛПГ', 0, 1000, '100:00'",
     "Электролебедка ЛПГ", "<b>===</b>"},
    {"Прогноз на замену ЗЧУ", "ZCU", "ZAVOD_NOMER", "SKLAD_ARZ", "ID_NAME, VSEGO_REMONTOV, DO_PERVOGO_CHASOV, NARABOTKA_PPR",
     "'1', 0, 1000, '100:00'", "ГУ D1", "<b>===</b>", "-"},
    {"Прогноз на замену агрегатов", "AGREGAT", "ZAVODSKOY_NOMER", "SKLAD_ARZ",
     "ID_NAME, VSEGO_REMONTOV, DO_PERVOGO_CHASOV, NARABOTKA_PPR", "'1', 0, 1000, '100:00'", "Насос D1", "<b>===</b>"},
};

const QStringList kTables = {"TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA", "OBSHIE", "SOBSTVENNIKI", "DVIGATEL",
                             "REDUCTOR", "LOPAST", "HVOSTOVOY_VINT", "VOZDUSHNY_VINT", "VTULKA_NV", "LEBEDKA", "ZCU",
                             "AGREGAT", "ETA_VTULKA_NV", "ETAAGREGAT", "ETA_ZCU", "ETA_LEBEDKA"};
const QStringList kFleet = {
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8Т')",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-2')",
    "INSERT INTO OBSHIE (VLADELETS) VALUES ('OWN')",
    "INSERT INTO SOBSTVENNIKI (ID_NAME, HIDE) VALUES ('OWN', 0)",
    "INSERT INTO SOBSTVENNIKI (ID_NAME, HIDE) VALUES ('LES', 0)",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, SOBSTVENNOST, NARABOTKA_PPR) VALUES ('Ми-8Т', 'RA-1', 'OWN', '500:00')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, SOBSTVENNOST) VALUES ('Ми-2', 'RA-2', 'OWN')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, SOBSTVENNOST) VALUES ('Ми-8Т', 'RA-L', 'LES')",
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) "
    "VALUES ('Ми-8Т', 'RA-1', '2026-06-01', '05:00:00', '00:30:00')",
    "INSERT INTO ETA_VTULKA_NV (TIP_VS, CHERT_NOMER, NAZVANIE, NAME, ID_NAME) VALUES ('Ми-8Т', 'D1', 'Втулка', 'Втулка', '1')",
    "INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAZVANIE, NAME, ED_IZMARENIA, ID_NAME) "
    "VALUES ('Ми-8Т', 'D1', 'Насос', 'Насос', '0', '1')",
    "INSERT INTO ETA_ZCU (TIP_VS, NAME, CHERT_NOMER, ID_NAME) VALUES ('Ми-8Т', 'ГУ', 'D1', '1')",
    "INSERT INTO ETA_LEBEDKA (TIP_VS, CHERT_NOMER_LEBEDKA) VALUES ('Ми-8Т', 'ЛПГ')",
};

// Where each component of a kind is and whose it is: place, store, owner, number.
const char* const kPlaces[][4] = {
    {"RA-1", "", "OWN", "N-1"},          {"RA-2", "", "OWN", "N-2"},
    {"RA-L", "", "LES", "N-L"},          {"Склад", "Склад №1", "OWN", "N-S"},
    {"Склад", "", "OWN", "N-U"},         {"Склад", "Склад №2", "LES", "N-LS"},
    {"Ремонт", "Склад №1", "OWN", "N-R"},
};

QStringList fleetWith(const Frame& f)
{
    QStringList s = kFleet;
    for (const auto& p : kPlaces)
        s << QStringLiteral("INSERT INTO %1 (TIP_VS, GDE_STOIT, %2, SOBSTVENNOST, %3, %4) "
                            "VALUES ('Ми-8Т', '%5', '%6', '%7', '%8', %9)")
                 .arg(f.table, f.storeColumn, f.numberColumn, f.columns, p[0], p[1], p[2], p[3], f.values);
    return s;
}

// Positions 1, 6 and 11 of each row, and 5 of the first.
QStringList shape(const QStringList& rows)
{
    QStringList out;
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList c = rows[i].split(QLatin1Char(';'));
        out << c.value(0) + QLatin1Char('|') + (i == 0 ? c.value(4) : c.value(5)) + QLatin1Char('|') + c.value(10);
    }
    return out;
}

class ComponentForecastTest : public ForecastTest, public ::testing::WithParamInterface<Frame> {};

TEST_P(ComponentForecastTest, InstalledThenStores)
{
    const Frame& f = GetParam();
    const QString name = QString::fromUtf8(f.name), mark = QString::fromUtf8(f.mark);
    fill(kTables, fleetWith(f));
    auto res = runForecast(QString::fromUtf8(f.caption), {});
    ASSERT_EQ(res.status, 0) << res.errors.join("\n").toStdString();
    const QStringList rows = stagingRows();
    QString storesTitle;
    for (const QString& r : rows)
        if (r.startsWith("!") && !r.startsWith("!Установленные")) storesTitle = r.section(';', 0, 0);
    // MOVE_ONLY_OWN absent: own aircraft and own spares only; RA-2 without
    // flights has no date; "Ремонт" is not a store.
    EXPECT_EQ(shape(rows), (QStringList{"!Установленные на ВС|" + name + "|",
                                        "Ми-2 <b>RA-2</b>|N-2|" + mark,
                                        "Ми-8Т <b>RA-1</b>|N-1|28.03.41",
                                        storesTitle + "||",
                                        "Склад №1|N-S|-",
                                        "Расположение не указано|N-U|-"}));
    ASSERT_EQ(rows.size(), 6);
    EXPECT_TRUE(storesTitle.endsWith("на складах")) << storesTitle.toStdString();
    // The installed row: aircraft running time and monthly flying, the line.
    EXPECT_EQ(rows[2], "Ми-8Т <b>RA-1</b>;500:00;5:00;0;" + name + ";N-1;;" + QString::fromUtf8(f.repaired) +
                           ";100:00;900:00;28.03.41");
    EXPECT_EQ(rows[0].section(';', 2, 3), "!;0");
    EXPECT_EQ(rows[4].section(';', 1, 3), "-;!;0");

    // With the chosen ownership (every owner offered) the leased ones come too.
    writeSettings("[MAIN]\nMOVE_ONLY_OWN=0\n");
    res = runForecast(QString::fromUtf8(f.caption), {set("cboSelect", "#1"), set("txtNalet", "30")});
    ASSERT_EQ(res.status, 0) << res.errors.join("\n").toStdString();
    // Planned 30 hours a month: 60 minutes a day for every aircraft, RA-2 included.
    EXPECT_EQ(shape(stagingRows()), (QStringList{"!Установленные на ВС|" + name + "|",
                                                 "Ми-2 <b>RA-2</b>|N-2|01.12.28",
                                                 "Ми-8Т <b>RA-1</b>|N-1|01.12.28",
                                                 "Ми-8Т <b>RA-L</b>|N-L|01.12.28",
                                                 storesTitle + "||",
                                                 "Склад №1|N-S|-",
                                                 "Склад №2|N-LS|-",
                                                 "Расположение не указано|N-U|-"}));
}

INSTANTIATE_TEST_SUITE_P(Frames, ComponentForecastTest, ::testing::ValuesIn(kFrames),
                         [](const auto& info) { return std::string(info.param.table) + std::to_string(info.index); });

void PrintTo(const Frame& f, std::ostream* os) { *os << f.table; }

// A chosen model lists only its engines: an aircraft without one writes no
// row, and without any installed one no installed title is written.
TEST_F(ForecastTest, EngineModelFilterAndEmptyInstalledPart)
{
    QStringList s = kFleet;
    s << "INSERT INTO DVIGATEL (TIP_VS, GDE_STOIT, SOBSTVENNOST, ZAVODSKOI_NOMER, NAZVANIE_DVIGATELYA, VSEGO_REMONTOV, "
         "DO_PERVOGO_CHASOV, NARABOTKA_PPR) VALUES ('Ми-8Т', 'RA-1', 'OWN', 'N-1', 'М1', 0, 1000, '100:00')"
      << "INSERT INTO DVIGATEL (TIP_VS, GDE_STOIT, TEKUSHEE_RASPOLOGENIE, SOBSTVENNOST, ZAVODSKOI_NOMER, "
         "NAZVANIE_DVIGATELYA, VSEGO_REMONTOV, DO_PERVOGO_CHASOV, NARABOTKA_PPR) "
         "VALUES ('Ми-8Т', 'Склад', 'Склад №1', 'OWN', 'N-S', 'М2', 0, 1000, '1950:00')";
    fill(kTables, s);
    auto res = runForecast("Прогноз на замену двигателей", {set("cboDvigatel", "М2")});
    ASSERT_EQ(res.status, 0) << res.errors.join("\n").toStdString();
    // Over the first-overhaul limit: the remaining hours in italics.
    EXPECT_EQ(stagingRows(), (QStringList{"!Двигатели на складах;;!;0",
                                          "Склад №1;-;!;0;М2;N-S;;;1950:00;<i>-950:00</i>;-"}));
}

// The printed form says what it covers and what its marks mean, shows a
// used-up life as such, and prints no placeholder of the staging rows.
TEST_F(ForecastTest, PrintedFormNamesWhatItCoversAndMarksUsedUpLife)
{
    QDir(base + "/home/templates").removeRecursively();
    const QString source = QStringLiteral(PLAN_SOURCE_DIR "/templates");
    for (const QString& rel : {QStringLiteral("_style.html"), QStringLiteral("_page-landscape.html"),
                               QStringLiteral("_heading.html"), QStringLiteral("_legend.html"),
                               QStringLiteral("_signatures.html"), QStringLiteral("frmPlanPrognoz/rep02.html")}) {
        QFile f(source + "/" + rel);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << rel.toStdString();
        plantest::writeFile(base + "/home/templates/" + rel, QString::fromUtf8(f.readAll()));
    }
    QStringList s = kFleet;
    s << "INSERT INTO DVIGATEL (TIP_VS, GDE_STOIT, SOBSTVENNOST, ZAVODSKOI_NOMER, NAZVANIE_DVIGATELYA, VSEGO_REMONTOV, "
         "DO_PERVOGO_CHASOV, NARABOTKA_PPR) VALUES ('Ми-8Т', 'RA-1', 'OWN', 'N-1', 'М1', 0, 1000, '1200:00')"
      << "INSERT INTO DVIGATEL (TIP_VS, GDE_STOIT, TEKUSHEE_RASPOLOGENIE, SOBSTVENNOST, ZAVODSKOI_NOMER, "
         "NAZVANIE_DVIGATELYA, VSEGO_REMONTOV, DO_PERVOGO_CHASOV, NARABOTKA_PPR) "
         "VALUES ('Ми-8Т', 'Склад', 'Склад №1', 'OWN', 'N-S', 'М2', 0, 1000, '50:00')";
    fill(kTables, s);
    writeSettings("[MAIN]\nRESURS=120\nCALENDAR=4\n");
    const auto res = runForecast("Прогноз на замену двигателей", {});
    ASSERT_EQ(res.status, 0) << res.errors.join("\n").toStdString();
    ASSERT_EQ(res.html.size(), 1);
    const QString html = res.html[0];
    const plan::PagedDocument doc(html, plan::TemplateRenderer::pageSetup(html));
    const QString text = doc.pageTexts().join("\n");
    const QString flowing = QString(text).replace('\n', ' ').simplified(); // cells wrap inside
    for (const char* shown : {"Прогноз на замену двигателей", "Модель двигателя: Все типы двигателей",
                              "ВС и компоненты: собственные (OWN)",
                              "налет каждого ВС за последние 30 дней (с 16.05.2026 по 15.06.2026)",
                              "не более 120 ч", "в ближайшие 4 мес.", "ВЫРАБОТАН -200:00", "ресурс выработан",
                              "Наработка ВС после последнего ремонта"})
        EXPECT_TRUE(flowing.contains(QString::fromUtf8(shown))) << shown << "\n" << text.toStdString();
    // The title rows and the store row hold "!" for the basis; none is printed.
    for (const QString& line : text.split("\n")) EXPECT_NE(line.trimmed(), "!") << text.toStdString();
    EXPECT_FALSE(text.contains("(по налету ВС за последние 30 дней)")) << text.toStdString();
}

} // namespace
