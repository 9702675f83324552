// The positions reports read from whole rows must hold the columns they mean.
#include "data/FrameQueries.h"
#include "data/Schema.h"
#include "data/TableWriter.h"
#include "platform/Dataset.h"
#include "platform/ReportCycle.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QMap>
#include <gtest/gtest.h>
#include <vector>

namespace {
struct Pos { const char* table; int pos; const char* column; };

// Positions the reports, sheets and application documents read, by table.
const Pos kPositions[] = {
    {"REESTR", 1, "TIP_VS"}, {"REESTR", 2, "VARIANT_VS"}, {"REESTR", 3, "BORTOVOI_NOMER"}, {"REESTR", 4, "ZAVODSKOI_NOMER"},
    {"REESTR", 6, "DATA_IGOTOVLEN"}, {"REESTR", 7, "REMONT_ZAVOD"}, {"REESTR", 8, "REMONT_DATA"},
    {"REESTR", 9, "VSEGO_REMONTOV"}, {"REESTR", 11, "SERTIFIKAT_LG"}, {"REESTR", 12, "DATA_UDOSNOVERENIE_DO"},
    {"REESTR", 13, "CENTROVKA_PUSTOGO"}, {"REESTR", 14, "MASSA_PUSTOGO"}, {"REESTR", 15, "CENTROVKA_MAX"},
    {"REESTR", 16, "RESURS_NAZN_CHASOV"}, {"REESTR", 17, "RESURS_NAZN_LET"}, {"REESTR", 18, "MEZHREM_CHASOV"},
    {"REESTR", 19, "MEZHREM_LET"}, {"REESTR", 20, "NARABOTKA_SNE"}, {"REESTR", 21, "POSADKI_SNE"},
    {"REESTR", 22, "NARABOTKA_PPR"}, {"REESTR", 23, "POSADKI_PPR"}, {"REESTR", 25, "DATA_POSL_POLETA"},
    {"REESTR", 27, "STATUS_TO"}, {"REESTR", 28, "DATA_FORMY"}, {"REESTR", 29, "DATA_F1"}, {"REESTR", 30, "MINUT_SNE"},
    {"REESTR", 31, "MINUT_PPR"}, {"REESTR", 33, "INDEX_FORMY"}, {"REESTR", 34, "INDEX_F1"}, {"REESTR", 40, "UDOST_SHUM"},
    {"REESTR", 41, "DATA_DO_UDO_SHUM"}, {"REESTR", 42, "ID_MESTO"}, {"REESTR", 60, "RESURS_NAZN_POSADOK"},
    {"REESTR", 61, "MEZHREM_POSADOK"}, {"REESTR", 64, "UCHET_TO"},
    {"TIPOVYE_DANNYE_VS", 1, "KOD_VS"}, {"TIPOVYE_DANNYE_VS", 2, "TIP_VS"},
    {"DVIGATEL", 2, "NAZVANIE_DVIGATELYA"}, {"DVIGATEL", 3, "ZAVODSKOI_NOMER"}, {"DVIGATEL", 4, "IZGOTOVITEL"},
    {"DVIGATEL", 5, "IZGOTOVLEN_DATA"}, {"DVIGATEL", 7, "REMONT_ZAVOD"}, {"DVIGATEL", 9, "VSEGO_REMONTOV"},
    {"DVIGATEL", 10, "DATA_KALENDAR"}, {"DVIGATEL", 11, "NARABOTKA_SNE"}, {"DVIGATEL", 12, "NARABOTKA_PPR"},
    {"DVIGATEL", 13, "GDE_STOIT"}, {"DVIGATEL", 14, "DO_PERVOGO_CHASOV"}, {"DVIGATEL", 15, "DO_PERVOGO_LET"},
    {"DVIGATEL", 16, "MEZHREMONTNYI_CHASOV"}, {"DVIGATEL", 17, "MEZHREMONTNYI_LET"}, {"DVIGATEL", 18, "NAZNACHENNYI_CHASOV"},
    {"DVIGATEL", 19, "NAZNACHENNYI_LET"}, {"DVIGATEL", 23, "ODIN_DVA"}, {"DVIGATEL", 33, "ZVEZDA"},
    {"DVIGATEL", 36, "PRODLEN"}, {"DVIGATEL", 46, "SVOI_FORMY"}, {"DVIGATEL", 47, "DATA_FORMY"},
    {"DVIGATEL", 48, "INDEX_FORMY"}, {"DVIGATEL", 59, "PRODLEN_RESURS"}, {"DVIGATEL", 60, "PRODLEN_DATA"},
    {"REDUCTOR", 2, "NAZVANIE_REDUCTORA"}, {"REDUCTOR", 10, "DATA_KALENDAR"}, {"REDUCTOR", 11, "NARABOTKA_SNE"},
    {"REDUCTOR", 12, "NARABOTKA_PPR"}, {"REDUCTOR", 13, "GDE_STOIT"}, {"REDUCTOR", 19, "NAZNACHENNYI_LET"},
    {"REDUCTOR", 23, "ODIN_DVA"},
    {"VSU", 1, "NAZVANIE"}, {"VSU", 2, "ZAVODSKOY_NOMER"}, {"VSU", 4, "IZGOTOVLEN_DATA"}, {"VSU", 5, "REMONT_ZAVOD"},
    {"VSU", 7, "VSEGO_REMONTOV"}, {"VSU", 9, "DATA_USTANOVKI"}, {"VSU", 11, "ZAPUSKI_PPR"}, {"VSU", 13, "OTBORY_PPR"},
    {"VSU", 14, "GENERATORNY_SNE"}, {"VSU", 16, "OBSHAIA_SNE"}, {"VSU", 19, "ZAPUSKI_MEGREMONTNY"},
    {"VSU", 21, "OTBORY_MEGREMONTNY"}, {"VSU", 24, "OBSHAIA_NAZN"}, {"VSU", 29, "OBSHAIA_MEGREMONTNY"},
    {"VSU", 40, "CIKLY_SNE"}, {"VSU", 48, "SUMMA_SNE"}, {"VSU", 51, "ZAPUSKI_DO_PERVOGO"},
    {"VSU", 52, "OTBORY_DO_PERVOGO"}, {"VSU", 56, "SUMMA_DO_PERVOGO"},
    {"LOPAST", 3, "NAZVANIE"}, {"LOPAST", 4, "ZAVODSKOY_NOMER"}, {"LOPAST", 6, "IZGOTOVLEN_DATA"},
    {"LOPAST", 8, "DATA_USTANOVKI"}, {"LOPAST", 9, "NARABOTKA_SNE"}, {"LOPAST", 10, "RESURS_CHASOV"},
    {"LOPAST", 18, "NEPRERYVNO"}, {"LOPAST", 23, "REMONT_ZAVOD"}, {"LOPAST", 25, "VSEGO_REMONTOV"},
    {"LOPAST", 26, "NARABOTKA_PPR"}, {"LOPAST", 28, "DO_PERVOGO_CHASOV"}, {"LOPAST", 30, "MEZHREMONTNYI_CHASOV"},
    {"HVOSTOVOY_VINT", 2, "NAZVANIE_VINT"}, {"HVOSTOVOY_VINT", 11, "REMONT_ZAVOD"}, {"HVOSTOVOY_VINT", 13, "VSEGO_REMONTOV"},
    {"HVOSTOVOY_VINT", 14, "GDE_STOIT"}, {"HVOSTOVOY_VINT", 17, "DATA_USTANOVKI"},
    {"HVOSTOVOY_VINT", 19, "NAZNACHENNYI_CHASOV"}, {"HVOSTOVOY_VINT", 29, "NARABOTKA_SNE"},
    {"HVOSTOVOY_VINT", 30, "NARABOTKA_PPR"},
    {"VOZDUSHNY_VINT", 2, "NAZVANIE_VINTA"}, {"VOZDUSHNY_VINT", 18, "DATA_USTANOVKI"}, {"VOZDUSHNY_VINT", 19, "ODIN_DVA"},
    {"VOZDUSHNY_VINT", 21, "NAZNACHENNYI_CHASOV"}, {"VOZDUSHNY_VINT", 29, "NARABOTKA_SNE"},
    {"VOZDUSHNY_VINT", 47, "DO_PERVOGO_CHASOV"},
    {"LEBEDKA", 11, "REMONT_ZAVOD"}, {"LEBEDKA", 19, "NAZNACHENNYI_CHASOV"}, {"LEBEDKA", 27, "NARABOTKA_SNE"},
    {"LEBEDKA", 28, "NARABOTKA_PPR"},
    {"ZCU", 3, "ID_NAME"}, {"ZCU", 10, "DATA_USTANOVKI"}, {"ZCU", 22, "NARABOTKA_PPR"}, {"ZCU", 24, "NAZVANIE"},
    {"ZCU", 25, "CHERT_NOMER"},
    {"AGR_VSU", 3, "NAZVANIE"}, {"AGR_VSU", 4, "CHERT_NOMER"}, {"AGR_VSU", 5, "ID_NAME"}, {"AGR_VSU", 7, "ZAVODSKOY_NOMER"},
    {"AGR_VSU", 16, "DATA_USTANOVKI"},
    {"AGREGAT", 3, "CHERT_NOMER"}, {"AGREGAT", 4, "ZAVODSKOY_NOMER"}, {"AGREGAT", 10, "VSEGO_REMONTOV"},
    {"AGREGAT", 11, "SYSTEMA"}, {"AGREGAT", 17, "NARABOTKA_SNE"}, {"AGREGAT", 24, "ED_IZMERENIA"},
    {"AGREGAT", 26, "DATA_USTANOVKI"}, {"AGREGAT", 27, "GDE_STOIT"}, {"AGREGAT", 34, "ID_NAME"}, {"AGREGAT", 39, "NEPRERYVNO"},
    {"VTULKA_NV", 18, "NARABOTKA_PPR"}, {"VTULKA_NV", 26, "DATA_USTANOVKI"}, {"VTULKA_NV", 34, "ID_NAME"},
    {"ETAAGREGAT", 2, "CHERT_NOMER"}, {"ETAAGREGAT", 14, "NAME"}, {"ETAAGREGAT", 20, "ID_NAME"},
    {"ETA_VTULKA_NV", 2, "CHERT_NOMER"}, {"ETA_VTULKA_NV", 14, "NAME"}, {"ETA_ZCU", 2, "NAME"}, {"ETA_ZCU", 3, "CHERT_NOMER"},
    {"ETA_AGR_VSU", 2, "NAME"}, {"ETA_AGR_VSU", 3, "CHERT_NOMER"},
    {"SPRAVKA", 3, "NA_ZEMLE"}, {"SPRAVKA", 6, "V_VOZDUHE"}, {"SPRAVKA", 7, "KOL_VO_ZAPUSKOV"}, {"SPRAVKA", 8, "KOL_VO_POSADOK"},
    {"SPRAVKA", 15, "VSU_KOL_VO_ZAPUSKOV"}, {"SPRAVKA", 16, "VSU_KOL_VO_OTBOROV"}, {"SPRAVKA", 17, "VSU_V_GENERATORNOM"},
    {"SPRAVKA", 18, "VSU_POLNOE_VREMYA"}, {"SPRAVKA", 19, "KOL_VO_CIKLOV_RED"}, {"SPRAVKA", 21, "NA_ZEMLE_2"},
    {"SPRAVKA", 26, "KOL_VO_CIKLOV_2"}, {"SPRAVKA", 27, "NA_ZEMLE_3"}, {"SPRAVKA", 32, "KOL_VO_CIKLOV_3"},
    {"SPRAVKA", 44, "NA_ZEMLE_1"}, {"SPRAVKA", 48, "KOL_VO_ZAPUSKOV_1"}, {"SPRAVKA", 49, "KOL_VO_CIKLOV_1"},
    {"SPRAVKA", 50, "V_VOZDUHE_1"}, {"SPRAVKA", 51, "V_VOZDUHE_2"}, {"SPRAVKA", 52, "V_VOZDUHE_3"},
    {"SPRAVKA", 53, "V_VOZDUHE_RED"}, {"SPRAVKA", 54, "NA_ZEMLE_RED"},
    {"SOSTOIANIE_PARKA", 3, "DATA_STATUS"}, {"SOSTOIANIE_PARKA", 4, "KOD_STATUS"},
    {"DVIGENIE_V_EKSPLUATACII", 1, "DATA_PEREVODA"}, {"DVIGENIE_V_EKSPLUATACII", 4, "ZAVODSKOY_NOMER"},
    {"DVIGENIE_V_EKSPLUATACII", 6, "OTKUDA"}, {"DVIGENIE_V_EKSPLUATACII", 7, "KUDA"},
    {"OBSHIE", 1, "EXPLUATANT"}, {"OBSHIE", 2, "VLADELETS"}, {"OBSHIE", 3, "FIO_IAS"}, {"OBSHIE", 4, "DOLGNOST_IAS"},
    {"OBSHIE", 11, "NACH_PDO"}, {"OBSHIE", 13, "ADRES_PREDPR"}, {"OBSHIE", 14, "PHONE_PDO"},
    {"OBSHIE", 19, "EMAIL_PREDPRIATIE"}, {"OBSHIE", 25, "DOLGNOST_PDO"}, {"OBSHIE", 26, "EMAIL_36GA"},
    {"EXPLUATANTY", 1, "ID_NAME"}, {"SOBSTVENNIKI", 1, "ID_NAME"}, {"RASPOLOGENIA", 1, "NAME"},
    {"USERS", 1, "FAMILIA"}, {"USERS", 2, "IMIA"}, {"USERS", 3, "OTCHESTVO"},
    {"PTO_FORMY", 5, "KOL_VO_FORM"}, {"PTO_FORMY", 6, "FORMA_1"}, {"PTO_FORMY", 25, "FORMA_20"},
    {"PTO_FORMY_DVIG", 6, "FORMA_1"}, {"SEZONNOE_TO", 3, "VID_TO"}, {"SEZONNOE_TO", 5, "DATA_TO"},
    {"TO_AKB", 4, "ZAVODSKOY_NOMER"},
    {"TUNE_REPORTS", 4, "NUMBER_LINE"}, {"TUNE_REPORTS", 7, "TIP_AGREGATA"}, {"TUNE_REPORTS", 12, "MESTA_USTANOVKI"},
    {"TUNE_DOCS", 1, "NAME_REPORT"}, {"TUNE_DOCS", 3, "NAZVANIE"}, {"TUNE_DOCS", 4, "CHERT_NOMER"},
    {"TUNE_DOCS", 5, "TIP_AGREGATA"}, {"TUNE_DOCS", 6, "ID_ETALON"},
    {"REPORT_PROGNOZ", 0, "ID"}, {"REPORT_PROGNOZ", 11, "C11"},
    {"REPORT_FORMA_36_GA", 0, "IMIA_UGA"}, {"REPORT_FORMA_36_GA", 1, "C1"}, {"REPORT_FORMA_36_GA", 2, "C2"},
    {"REPORT_FORMA_36_GA", 6, "ID"}, {"REPORT_FORMA_36_GA", 9, "TIP_VS"}, {"REPORT_FORMA_36_GA", 10, "NOMER_VS"},
    {"REPORT_FORMA_36_GA", 32, "C32"},
    {"REPORT_FORMA_37_GA", 0, "IMIA_UGA"}, {"REPORT_FORMA_37_GA", 1, "C1"}, {"REPORT_FORMA_37_GA", 3, "ID"},
    {"REPORT_FORMA_37_GA", 18, "GDE_STOIT"}, {"REPORT_FORMA_37_GA", 27, "C27"},
    {"REPORT_PRODLENIE_OSN_AGREGATY", 1, "NOMER_PP"}, {"REPORT_PRODLENIE_AIREO", 1, "NOMER_PP"},
    {"REPORT_PRODLENIE_DUBLICAT", 1, "NOMER_PP"}, {"REPORT_SLG_OGR_RES", 1, "NOMER_PP"},
    {"REPORT_LIZING_PSB_MONTH", 40, "C40"}, {"REPORT_UDOSHUM_ISH_INF", 40, "C40"},
};

// Columns queries name, which must exist wherever they stand.
const Pos kNamed[] = {
    {"REESTR", -1, "EXPLUATANT"}, {"REESTR", -1, "SOBSTVENNOST"}, {"REESTR", -1, "DATE_REESTR_VYVOD"},
    {"TIPOVYE_DANNYE_VS", -1, "KOL_VO_ZEMLIA_PLANER"}, {"TIPOVYE_DANNYE_VS", -1, "ZEMLIA_AGR_DVIG"},
    {"TIPOVYE_DANNYE_VS", -1, "KOL_VO_ZEMLIA_VOZDUSHNY_VINT"}, {"DVIGATEL", -1, "TEKUSHEE_RASPOLOGENIE"},
    {"DVIGATEL", -1, "DATA_POSTUPLENIYA_V_PRED"}, {"DVIGATEL", -1, "DUBLICAT"}, {"LOPAST", -1, "DUBLICAT"},
    {"HVOSTOVOY_VINT", -1, "ZAVODSKOY_NOMER_VTULKA"}, {"VTULKA_NV", -1, "SMAZKA"}, {"AGREGAT", -1, "PLAN_DVIG_VSU"},
    {"AGREGAT", -1, "TIP_OBORUDOVANIA"}, {"SHLANG", -1, "VID_UCHETA"}, {"VSU", -1, "GENERAT_MEZHREMONTNY"},
    {"VSU", -1, "TIP_VS"}, {"VSU", -1, "MESTO_USTANOVKI"}, {"VSU", -1, "GDE_STOIT"}, {"VSU", -1, "DATA_POSTUPLENIA"},
    {"VSU", -1, "DUBLICAT"}, {"SPRAVKA", -1, "DATA_POLETA"}, {"RASPOLOGENIA", -1, "HIDE"},
    {"DVIGENIE_V_EKSPLUATACII", -1, "NAIMENOVANIE"}, {"DVIGENIE_V_EKSPLUATACII", -1, "ID_NAME"},
    {"ETAAGREGAT", -1, "ED_IZMARENIA"}, {"VSU", -1, "SOBSTVENNOST"}, {"SOBSTVENNIKI", -1, "NAME"},
};

// Column types the reports rely on (Firebird type codes of RDB$FIELDS).
enum FbType { Int = 8, Dbl = 27, Date = 12, Time = 13, Varchar = 37 };
struct Typed { const char* table; const char* column; FbType type; };
const Typed kTypes[] = {
    {"REESTR", "CENTROVKA_MAX", Dbl}, {"REESTR", "DATA_DO_UDO_SHUM", Date}, {"REESTR", "NARABOTKA_PPR", Varchar},
    {"TIPOVYE_DANNYE_VS", "KOD_VS", Int}, {"PTO_FORMY", "CASE1", Varchar}, {"DVIGATEL", "DATA_KALENDAR", Date},
    {"DVIGATEL", "NAZNACHENNYI_LET", Varchar}, {"VSU", "OBSHAIA_SNE", Varchar}, {"VSU", "DATA_USTANOVKI", Date},
    {"VSU", "ZAPUSKI_PPR", Int}, {"SPRAVKA", "V_VOZDUHE_1", Time}, {"SPRAVKA", "NA_ZEMLE_2", Time},
    {"SPRAVKA", "KOL_VO_POSADOK", Int}, {"SEZONNOE_TO", "VID_TO", Int}, {"LOPAST", "DATA_USTANOVKI", Date},
    {"REPORT_FORMA_37_GA", "ID", Int}, {"REPORT_PRODLENIE_OSN_AGREGATY", "NOMER_PP", Int},
    {"REPORT_SLG_OGR_RES", "NOMER_PP", Int},
};

int columnType(plan::Connection* c, const char* table, const char* column)
{
    return plan::queryScalar(c, QStringLiteral("SELECT F.RDB$FIELD_TYPE FROM RDB$RELATION_FIELDS R JOIN RDB$FIELDS F "
                                               "ON R.RDB$FIELD_SOURCE = F.RDB$FIELD_NAME WHERE R.RDB$RELATION_NAME = '%1' "
                                               "AND R.RDB$FIELD_NAME = '%2'")
                                    .arg(QString::fromLatin1(table), QString::fromLatin1(column)))
        .toInt();
}
} // namespace

TEST(Schema, SelectStarPutsTheCataloguedColumnsAtTheirPositions)
{
    const QString path = plantest::createSchemaDatabase("schema");
    auto c = plantest::connect(path);
    for (const Pos& p : kPositions) {
        const QStringList cols = plan::TableWriter::columns(c->database(), p.table);
        ASSERT_GT(cols.size(), p.pos) << p.table;
        // Forms 36-GA and 37-GA write position 0 and keep their key elsewhere.
        if (QString::fromLatin1(p.table) != QLatin1String("REPORT_FORMA_36_GA") &&
            QString::fromLatin1(p.table) != QLatin1String("REPORT_FORMA_37_GA"))
            EXPECT_EQ(cols[0], "ID") << p.table;
        EXPECT_EQ(cols[p.pos].toStdString(), p.column) << p.table << " position " << p.pos;
    }
    for (const Pos& p : kNamed)
        EXPECT_TRUE(plan::TableWriter::columns(c->database(), p.table).contains(p.column)) << p.table << "." << p.column;
    for (const Typed& t : kTypes) EXPECT_EQ(columnType(c.get(), t.table, t.column), t.type) << t.table << "." << t.column;
    for (const char* q : plantest::kFrameQueries) {
        plan::Dataset ds(c.get());
        ds.setCommandText(QString::fromUtf8(q));
        EXPECT_NO_THROW(ds.open()) << q;
    }
}

// Staging rows belong to the connection that wrote them: every REPORT_ table
// is a global temporary table keeping its rows over commits (relation type
// 4), every other table an ordinary one (0).
TEST(Schema, StagingTablesArePrivateToTheirConnectionAndNoOtherIs)
{
    const QString path = plantest::createSchemaDatabase("schema-gtt");
    auto c = plantest::connect(path);
    plan::Dataset ds(c.get());
    ds.setCommandText(QStringLiteral("SELECT TRIM(RDB$RELATION_NAME), COALESCE(RDB$RELATION_TYPE, 0) FROM RDB$RELATIONS "
                                     "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 AND RDB$VIEW_BLR IS NULL"));
    ds.open();
    int staging = 0;
    for (; !ds.eof(); ds.next()) {
        const bool isStaging = ds.str(0).startsWith(QStringLiteral("REPORT_"));
        staging += isStaging;
        EXPECT_EQ(ds.field(1).asInteger(), isStaging ? 4 : 0) << ds.str(0).toStdString();
    }
    EXPECT_GE(staging, 40);
}

// Forms 36-GA and 37-GA write position 0 themselves and sort by columns they
// write; rows written through the staging writer come back in the order of
// the forms' queries with every written position in place.
TEST(Schema, FormStagingTablesTakeTheWrittenPositionsAndSortByThem)
{
    const QString path = plantest::createSchemaDatabase("schema-staging");
    auto c = plantest::connect(path);
    struct Row { int sortPos1; QString sort1; int sortPos2; QString sort2; };
    struct Case {
        const char* query;
        int lastPos;
        std::vector<Row> rows;            // in the order written
        std::vector<QString> expectFirst; // position sortPos2 of the rows as read back
    };
    const Case cases[] = {
        {"SELECT * From REPORT_FORMA_36_GA ORDER BY Tip_VS, Nomer_VS;", 32,
         {{9, "Ми-8", 10, "22540"}, {9, "Ка-32", 10, "31585"}, {9, "Ми-8", 10, "22377"}},
         {"31585", "22377", "22540"}},
        {"SELECT * FROM REPORT_FORMA_37_GA ORDER BY ID, Gde_stoit;", 27,
         {{3, "2", 18, "RA-22540"}, {3, "10", 18, "3"}, {3, "1", 18, "RA-31585"}},
         {"RA-31585", "RA-22540", "3"}},
    };
    for (const Case& k : cases) {
        plan::Dataset ds(c.get());
        {
            plan::StagingWriter w(ds, QString::fromUtf8(k.query));
            for (const Row& r : k.rows) {
                plan::StagingRow row;
                row.set(0, QStringLiteral("МТУ ВТ")).set(1, QStringLiteral("1")).set(2, QStringLiteral("адрес"));
                row.set(r.sortPos1, r.sort1).set(r.sortPos2, r.sort2).set(k.lastPos, QStringLiteral("last"));
                w.addRow(row);
            }
        }
        ds.close();
        ds.open();
        ASSERT_EQ(ds.recordCount(), static_cast<int>(k.rows.size())) << k.query;
        for (const QString& expected : k.expectFirst) {
            EXPECT_EQ(ds.str(0), QStringLiteral("МТУ ВТ")) << k.query;
            EXPECT_EQ(ds.str(1), QStringLiteral("1")) << k.query;
            EXPECT_EQ(ds.str(2), QStringLiteral("адрес")) << k.query;
            EXPECT_EQ(ds.str(k.rows[0].sortPos2), expected) << k.query;
            EXPECT_EQ(ds.str(k.lastPos), QStringLiteral("last")) << k.query;
            ds.next();
        }
    }
}

namespace {
QString dumpRows(plan::Connection* c, const QString& sql)
{
    plan::Dataset ds(c);
    ds.setCommandText(sql);
    ds.open();
    QString out;
    for (; !ds.eof(); ds.next()) {
        for (int i = 0; i < ds.fieldCount(); ++i) out += ds.str(i) + QLatin1Char('|');
        out += QLatin1Char('\n');
    }
    return out;
}

QStringList indexNames(const std::vector<plan::Schema::Index>& list)
{
    QStringList out;
    for (const auto& i : list) out << i.name;
    return out;
}
} // namespace

// The index statements of a DDL text and the part a kept database is built from.
TEST(Schema, IndexStatementsAreFoundByNameAndTheLaterOnesSetApart)
{
    struct Case {
        const char* ddl;
        QStringList names;  // the indexes found, in order
        const char* before; // beforeLaterIndexes
    };
    const Case cases[] = {
        {"CREATE TABLE T (INDEX_FORMY INTEGER);\nCREATE INDEX IX_A ON T (INDEX_FORMY);\n", {"IX_A"},
         "CREATE TABLE T (INDEX_FORMY INTEGER);\nCREATE INDEX IX_A ON T (INDEX_FORMY);\n"},
        {"CREATE TABLE T (C INTEGER);\ncreate descending index ix_d on T (C);\n"
         "-- Indexes added later: below.\nCREATE UNIQUE INDEX IX_U ON T (C);\nCREATE ASCENDING INDEX IX_S ON T (C);\n",
         {"IX_D", "IX_U", "IX_S"}, "CREATE TABLE T (C INTEGER);\ncreate descending index ix_d on T (C);\n"},
        {"-- Indexes added later: none yet\n", {}, ""},
        // A comment that only mentions the line is no marker.
        {"CREATE TABLE T (C INTEGER); -- Indexes added later: not here\n", {},
         "CREATE TABLE T (C INTEGER); -- Indexes added later: not here\n"},
    };
    for (const Case& k : cases) {
        const QString ddl = QString::fromUtf8(k.ddl);
        EXPECT_EQ(indexNames(plan::Schema::indexes(ddl)), k.names) << k.ddl;
        EXPECT_EQ(plan::Schema::beforeLaterIndexes(ddl), QString::fromUtf8(k.before)) << k.ddl;
        EXPECT_FALSE(plan::Schema::tables(ddl).contains(QStringLiteral("INDEX "), Qt::CaseInsensitive)) << k.ddl;
    }
}

// A database built before indexes were added to the schema (and one that
// lost an index) is brought up to every index of the schema, keeping its
// rows; a second pass finds nothing to add.
TEST(Schema, AnOlderDatabaseGetsTheMissingIndexesAndKeepsItsRows)
{
    const QString ddl = plan::Schema::ddl();
    const QStringList later = [&] {
        QStringList all = indexNames(plan::Schema::indexes(ddl));
        for (const QString& n : indexNames(plan::Schema::indexes(plan::Schema::beforeLaterIndexes(ddl)))) all.removeAll(n);
        return all;
    }();
    ASSERT_FALSE(later.isEmpty());
    EXPECT_TRUE(later.contains(QStringLiteral("IX_REPORT_PRODLENIE_OSN_NPP")));

    const QString path = plantest::scratchDir() + QStringLiteral("/schema-older.fdb");
    QFile::remove(path);
    plan::Connection::createDatabase(path);
    auto c = plantest::connect(path);
    c->executeScript(plan::Schema::beforeLaterIndexes(ddl));
    c->execute(QStringLiteral("DROP INDEX IX_REESTR_2"));
    c->executeScript(QStringLiteral("INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, NARABOTKA_SNE) VALUES ('Ми-8Т', 'RA-22540', '1200:05');\n"
                                    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, NARABOTKA_SNE) VALUES ('Ан-2', 'RA-40006', '310:40');\n"
                                    "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA) VALUES ('Сведения о ВС', 1, 'Plane');\n"));
    const QString query = QStringLiteral("SELECT * FROM REESTR ORDER BY ID");
    const QString before = dumpRows(c.get(), query);
    const QString tuneBefore = dumpRows(c.get(), QStringLiteral("SELECT * FROM TUNE_DOCS ORDER BY ID"));

    QStringList expected = QStringList{QStringLiteral("IX_REESTR_2")} + later;
    EXPECT_EQ(plan::Schema::addMissingIndexes(*c, ddl), expected);
    for (const QString& name : indexNames(plan::Schema::indexes(ddl)))
        EXPECT_EQ(plan::queryScalar(c.get(), QStringLiteral("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME = '%1'").arg(name)),
                  QStringLiteral("1"))
            << name.toStdString();
    EXPECT_EQ(dumpRows(c.get(), query), before);
    EXPECT_EQ(dumpRows(c.get(), QStringLiteral("SELECT * FROM TUNE_DOCS ORDER BY ID")), tuneBefore);
    EXPECT_TRUE(plan::Schema::addMissingIndexes(*c, ddl).isEmpty());

    // The information sheet's staging rows come back in row-number order
    // through the added index, whatever order they were written in.
    plan::Dataset ds(c.get());
    {
        plan::StagingWriter w(ds, QStringLiteral("SELECT * From REPORT_PRODLENIE_OSN_AGREGATY ORDER BY NOMER_PP;"));
        for (int n : {3, 1, 12, 2}) w.addRow(plan::StagingRow().set(1, n).set(2, QStringLiteral("row %1").arg(n)));
    }
    ds.close();
    ds.open();
    QStringList order;
    for (; !ds.eof(); ds.next()) order << ds.str(2);
    EXPECT_EQ(order, (QStringList{"row 1", "row 2", "row 3", "row 12"}));
}

// The staging tables read in the order of columns other than their key have
// an index on exactly those columns, ascending, so that the engine reads them
// in that order instead of sorting their wide rows.
TEST(Schema, StagingTablesSortedByWrittenColumnsHaveTheirIndex)
{
    const QString path = plantest::createSchemaDatabase("schema-order");
    auto c = plantest::connect(path);
    const struct {
        const char* table;
        const char* columns;
    } cases[] = {{"REPORT_PRODLENIE_OSN_AGREGATY", "NOMER_PP"}};
    for (const auto& k : cases) {
        plan::Dataset ds(c.get());
        ds.setCommandText(QStringLiteral("SELECT TRIM(I.RDB$INDEX_NAME), TRIM(S.RDB$FIELD_NAME), COALESCE(I.RDB$INDEX_TYPE, 0) "
                                         "FROM RDB$INDICES I JOIN RDB$INDEX_SEGMENTS S ON S.RDB$INDEX_NAME = I.RDB$INDEX_NAME "
                                         "WHERE I.RDB$RELATION_NAME = '%1' AND I.RDB$INDEX_NAME NOT STARTING WITH 'RDB$' "
                                         "ORDER BY I.RDB$INDEX_NAME, S.RDB$FIELD_POSITION")
                              .arg(QString::fromLatin1(k.table)));
        ds.open();
        QMap<QString, QStringList> columns;
        for (; !ds.eof(); ds.next()) {
            columns[ds.str(0)] << ds.str(1);
            EXPECT_EQ(ds.field(2).asInteger(), 0) << k.table << " " << ds.str(0).toStdString() << " is descending";
        }
        QStringList found;
        for (const QStringList& cols : std::as_const(columns)) found << cols.join(QLatin1Char(','));
        EXPECT_TRUE(found.contains(QString::fromLatin1(k.columns))) << k.table << ": " << found.join(QLatin1Char(' ')).toStdString();
    }
}
