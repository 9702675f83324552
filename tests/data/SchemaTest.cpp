// The positions reports read from whole rows must hold the columns they mean.
#include "data/Schema.h"
#include "data/TableWriter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
struct Pos { const char* table; int pos; const char* column; };

// Positions that several reports share, by table.
const Pos kPositions[] = {
    {"REESTR", 1, "TIP_VS"}, {"REESTR", 2, "VARIANT_VS"}, {"REESTR", 3, "BORTOVOI_NOMER"}, {"REESTR", 6, "DATA_IGOTOVLEN"},
    {"REESTR", 12, "DATA_UDOSNOVERENIE_DO"}, {"REESTR", 18, "MEZHREM_CHASOV"}, {"REESTR", 20, "NARABOTKA_SNE"},
    {"REESTR", 22, "NARABOTKA_PPR"}, {"REESTR", 27, "STATUS_TO"}, {"REESTR", 33, "INDEX_FORMY"}, {"REESTR", 34, "INDEX_F1"},
    {"REESTR", 42, "ID_MESTO"}, {"REESTR", 64, "UCHET_TO"},
    {"DVIGATEL", 2, "NAZVANIE_DVIGATELYA"}, {"DVIGATEL", 3, "ZAVODSKOI_NOMER"}, {"DVIGATEL", 9, "VSEGO_REMONTOV"},
    {"DVIGATEL", 12, "NARABOTKA_PPR"}, {"DVIGATEL", 14, "DO_PERVOGO_CHASOV"}, {"DVIGATEL", 16, "MEZHREMONTNYI_CHASOV"},
    {"DVIGATEL", 23, "ODIN_DVA"}, {"REDUCTOR", 2, "NAZVANIE_REDUCTORA"}, {"REDUCTOR", 12, "NARABOTKA_PPR"},
    {"REDUCTOR", 23, "ODIN_DVA"},
    {"LOPAST", 3, "NAZVANIE"}, {"LOPAST", 4, "ZAVODSKOY_NOMER"}, {"LOPAST", 9, "NARABOTKA_SNE"}, {"LOPAST", 10, "RESURS_CHASOV"},
    {"HVOSTOVOY_VINT", 2, "NAZVANIE_VINT"}, {"HVOSTOVOY_VINT", 13, "VSEGO_REMONTOV"}, {"HVOSTOVOY_VINT", 30, "NARABOTKA_PPR"},
    {"VOZDUSHNY_VINT", 2, "NAZVANIE_VINTA"}, {"VOZDUSHNY_VINT", 19, "ODIN_DVA"}, {"VOZDUSHNY_VINT", 47, "DO_PERVOGO_CHASOV"},
    {"AGREGAT", 3, "CHERT_NOMER"}, {"AGREGAT", 24, "ED_IZMERENIA"}, {"AGREGAT", 26, "DATA_USTANOVKI"},
    {"AGREGAT", 27, "GDE_STOIT"}, {"AGREGAT", 34, "ID_NAME"}, {"VTULKA_NV", 34, "ID_NAME"}, {"VTULKA_NV", 18, "NARABOTKA_PPR"},
    {"ZCU", 3, "ID_NAME"}, {"ZCU", 22, "NARABOTKA_PPR"}, {"LEBEDKA", 28, "NARABOTKA_PPR"},
    {"ETAAGREGAT", 2, "CHERT_NOMER"}, {"ETAAGREGAT", 14, "NAME"}, {"ETAAGREGAT", 17, "SYSTEMA"}, {"ETAAGREGAT", 20, "ID_NAME"},
    {"SPRAVKA", 3, "NA_ZEMLE"}, {"SPRAVKA", 6, "V_VOZDUHE"}, {"SOSTOIANIE_PARKA", 3, "DATA_STATUS"},
    {"PTO_FORMY", 5, "KOL_VO_FORM"}, {"PTO_FORMY", 6, "FORMA_1"},
    {"OBSHIE", 3, "FIO_IAS"}, {"OBSHIE", 4, "DOLGNOST_IAS"},
    {"TUNE_REPORTS", 4, "NUMBER_LINE"}, {"TUNE_REPORTS", 7, "TIP_AGREGATA"}, {"TUNE_REPORTS", 12, "MESTA_USTANOVKI"},
    {"TUNE_DOCS", 1, "NAME_REPORT"}, {"TUNE_DOCS", 5, "TIP_AGREGATA"}, {"TUNE_DOCS", 6, "ID_ETALON"},
    {"REPORT_FORMA_36_GA", 1, "TIP_VS"}, {"REPORT_FORMA_36_GA", 2, "NOMER_VS"}, {"REPORT_PROGNOZ", 11, "C11"},
};

// Columns queries name, which must exist wherever they stand.
const Pos kNamed[] = {
    {"REESTR", -1, "EXPLUATANT"}, {"REESTR", -1, "SOBSTVENNOST"}, {"REESTR", -1, "DATE_REESTR_VYVOD"},
    {"TIPOVYE_DANNYE_VS", -1, "KOL_VO_ZEMLIA_PLANER"}, {"TIPOVYE_DANNYE_VS", -1, "ZEMLIA_AGR_DVIG"},
    {"TIPOVYE_DANNYE_VS", -1, "KOL_VO_ZEMLIA_VOZDUSHNY_VINT"}, {"DVIGATEL", -1, "TEKUSHEE_RASPOLOGENIE"},
    {"HVOSTOVOY_VINT", -1, "ZAVODSKOY_NOMER_VTULKA"}, {"VTULKA_NV", -1, "SMAZKA"}, {"AGREGAT", -1, "PLAN_DVIG_VSU"},
    {"AGREGAT", -1, "TIP_OBORUDOVANIA"}, {"SHLANG", -1, "VID_UCHETA"}, {"VSU", -1, "GENERAT_MEZHREMONTNY"},
    {"ETAAGREGAT", -1, "ED_IZMARENIA"}, {"REPORT_PRODLENIE_AIREO", -1, "NOMER_PP"}, {"REPORT_FORMA_37_GA", -1, "GDE_STOIT"},
};
} // namespace

TEST(Schema, SelectStarPutsTheCataloguedColumnsAtTheirPositions)
{
    const QString path = plantest::createSchemaDatabase("schema");
    auto c = plantest::connect(path);
    for (const Pos& p : kPositions) {
        const QStringList cols = plan::TableWriter::columns(c->database(), p.table);
        ASSERT_GT(cols.size(), p.pos) << p.table;
        EXPECT_EQ(cols[0], "ID") << p.table;
        EXPECT_EQ(cols[p.pos].toStdString(), p.column) << p.table << " position " << p.pos;
    }
    for (const Pos& p : kNamed)
        EXPECT_TRUE(plan::TableWriter::columns(c->database(), p.table).contains(p.column)) << p.table << "." << p.column;
}
