#include "forecast/TfrPlanPrognVS.h"

#include "frames/AircraftGrid.h"
#include "frames/BoardSets.h"
#include "frames/AircraftTree.h"
#include "frames/SqlText.h"

#include "forecast/BasisControls.h"
#include "forecast/FlyingBasis.h"
#include "forecast/ForecastHeading.h"
#include "forecast/ForecastMath.h"
#include "platform/Clock.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/IniFile.h"
#include "platform/ReportComponent.h"
#include "platform/ReportCycle.h"
#include "rarozidi/Flying.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <cmath>
#include <functional>
#include <vector>

namespace plan::forecast {

PLAN_REGISTER_FRAME(TfrPlanPrognVS)

namespace {

const char* const kTuneSection = "TUNE_PLAN_SPRAVKA";
const char* const kTuneKey = "COMPLEXNY_PROGNOZ";
const char* const kTunedReportName = "Комплексный прогноз на замену агрегатов";
// Rows of the grid panel: chkTune, lblNalet, basis row, grid, cmdReport.
constexpr int kRowHeights[5] = {20, 20, 24, 212, 24};

// A tuning row of the complex forecast.
struct TuneRow {
    QString key, unitName, drawing;
};

std::vector<TuneRow> readTuneRows(Connection& c)
{
    Dataset ds(&c);
    ds.setCommandText(QStringLiteral("Select * From TUNE_DOCS Where NAME_REPORT='") + QString::fromUtf8(kTunedReportName) +
                      QStringLiteral("' Order By NUMBER_LINE, ID;"));
    ds.open();
    std::vector<TuneRow> rows;
    for (; !ds.eof(); ds.next()) rows.push_back({ds.str(5).trimmed(), ds.str(3), ds.str(4)});
    return rows;
}

} // namespace

// What one report run shares between its aircraft and members.
struct TfrPlanPrognVS::Run {
    StagingWriter* writer = nullptr;
    std::unique_ptr<FlyingBasis> basis;
    TypeGroundRules rules; // of the aircraft being written
    std::vector<TuneRow> tuneRows;
    bool tuned = false;
    std::unique_ptr<frames::BoardSets> sets;
};

namespace {
// The tables a forecast only reads for reference: a type's rows are read
// once per report.
const QStringList kReferenceTables{QStringLiteral("TIPOVYE_DANNYE_VS"), QStringLiteral("ETA_VTULKA_NV"),
                                   QStringLiteral("ETAAGREGAT"), QStringLiteral("ETA_ZCU")};
const QString kOnBoard = QStringLiteral("GDE_STOIT");
} // namespace

TfrPlanPrognVS::TfrPlanPrognVS() : TPlanFrame(QStringLiteral("frmPlanPrognoz"))
{
    m_panel = new QGridLayout(this);
    m_panel->setContentsMargins(4, 4, 4, 4);
    m_panel->setVerticalSpacing(0);
    chkTune = new QCheckBox(QStringLiteral("Индивидуальные настойки отчета"), this);
    chkTune->setObjectName(QStringLiteral("chkTune"));
    m_basis = new BasisControls(this);
    GridSpravka = new frames::AircraftGrid(this, true);
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    m_panel->addWidget(chkTune, 0, 0);
    m_panel->addWidget(m_basis->lblNalet, 1, 0);
    m_panel->addWidget(m_basis->row, 2, 0);
    m_panel->addWidget(GridSpravka, 3, 0);
    m_panel->addWidget(cmdReport, 4, 0);
    bindShowButton(cmdReport);
    connect(chkTune, &QCheckBox::clicked, this, [this] { guarded([this] { chkTuneClick(); }); });
}

TfrPlanPrognVS::~TfrPlanPrognVS() = default;

void TfrPlanPrognVS::FunStart()
{
    chkTune->setChecked(IniFile(settingsPath()).readBool(QLatin1String(kTuneSection), QLatin1String(kTuneKey), false));
    buildGrid();
    fitHeight();
}

void TfrPlanPrognVS::buildGrid()
{
    // Only the types that have aircraft get a group row.
    GridSpravka->fillTypesWithAircraft(ADOConPdo, QString::fromUtf8(frames::kVisibleTypesQuery), true);
    GridSpravka->setScale(S, 20, 20, 210);
}

void TfrPlanPrognVS::fitHeight()
{
    const double gridHeight = GridSpravka->contentHeight();
    double total = gridHeight + 8 * S;
    for (int i = 0; i < 5; ++i) {
        const double h = i == 3 ? gridHeight : kRowHeights[i] * S;
        if (i != 3) total += h;
        m_panel->itemAtPosition(i, 0)->widget()->setFixedHeight(static_cast<int>(h));
    }
    setFixedHeight(static_cast<int>(std::trunc(total)));
}

void TfrPlanPrognVS::chkTuneClick()
{
    IniFile(settingsPath()).writeBool(QLatin1String(kTuneSection), QLatin1String(kTuneKey), chkTune->isChecked());
}

int TfrPlanPrognVS::tickedCount() const
{
    return GridSpravka->tickedCount();
}

void TfrPlanPrognVS::cmdReportClick()
{
    if (chkTune->isChecked())
        FunTuneReport();
    else
        FunReport();
}

void TfrPlanPrognVS::FunReport() { runReport(false); }
void TfrPlanPrognVS::FunTuneReport() { runReport(true); }

TfrPlanPrognVS::Run& TfrPlanPrognVS::run() const
{
    if (!m_run) throw std::logic_error("a forecast member was called outside a report");
    return *m_run;
}

double TfrPlanPrognVS::FunLastMonth(const QString& board, int countGround, double groundShare)
{
    if (m_run) return m_run->basis->FunLastMonth(board, countGround != 0, groundShare);
    FlyingBasis basis(*ADOConPdo, 0, QString(), Clock::today());
    return basis.FunLastMonth(board, countGround != 0, groundShare);
}

void TfrPlanPrognVS::runReport(bool tuned)
{
    std::vector<QString> boards;
    QStringList shown;
    for (const frames::AircraftRef& a : GridSpravka->tickedAircraft()) {
        boards.push_back(a.board);
        shown << frames::aircraftText(a.type, a.board);
    }

    m_run = std::make_unique<Run>();
    m_run->tuned = tuned;
    m_run->basis = std::make_unique<FlyingBasis>(*ADOConPdo, m_basis->basis(), m_basis->plannedText(), Clock::today());
    struct Reset {
        std::unique_ptr<Run>& r;
        ~Reset() { r.reset(); }
    } reset{m_run};
    runSingleReport(reportHost(), *ADOQueryReport, QStringLiteral("Select * From REPORT_PROGNOZ ORDER BY ID;"),
                    QStringLiteral("rep01"), [&](StagingWriter& w) {
                        // The flying of every component of an aircraft comes from one read of
                        // its records. The records and the sets are let go when the rows are
                        // written, before the template makes the pages.
                        const rarozidi::FlightCache flights;
                        struct LetGo {
                            std::unique_ptr<frames::BoardSets>& sets;
                            ~LetGo() { sets.reset(); }
                        } letGo{m_run->sets};
                        const ReadTransaction reads(ADOConPdo);
                        const QueryMemo memo(ADOConPdo, kReferenceTables);
                        m_run->sets = std::make_unique<frames::BoardSets>(ADOConPdo, frames::BoardSets::wanted(boards.size()));
                        // A large selection: the 30-day windows of the rates in one read.
                        // (Each aircraft's flight records stay one query each, from the
                        // earliest date its components ask for: a pass over the whole
                        // flight table reads about twice the records.)
                        if (m_run->sets->sets()) m_run->basis->readThrough(m_run->sets.get());
                        m_run->writer = &w;
                        const QString title = QStringLiteral("Комплексный прогноз на замену агрегатов") +
                                              (tuned ? QStringLiteral(" по индивидуальным настройкам") : QString());
                        const QStringList covers{
                            QStringLiteral("ВС (%1): ").arg(shown.size()) + shown.join(QStringLiteral(", ")),
                            basisLine(m_basis->basis(), m_basis->plannedText(), Clock::today()),
                            tuned ? QStringLiteral("Разделы: планер и разделы списка «Комплексный прогноз на замену "
                                                   "агрегатов» (индивидуальные настройки), в его порядке")
                                  : QStringLiteral("Разделы: планер, двигатели, главный редуктор, винты и лопасти, "
                                                   "втулки, агрегаты, электролебедки"),
                        };
                        frxReport->setValues(forecastValues(*ADOConPdo, title, covers,
                                                            readThresholds(settingsPath()), false, false));
                        if (tuned) m_run->tuneRows = readTuneRows(*ADOConPdo);
                        progressStart(static_cast<int>(boards.size()));
                        for (const QString& board : boards) {
                            progressStep();
                            writeAircraft(board);
                        }
                    });
}

void TfrPlanPrognVS::writeAircraft(const QString& board)
{
    Run& r = run();
    Dataset R(ADOConPdo);
    r.sets->open(R, QStringLiteral("SELECT * FROM REESTR WHERE BORTOVOI_NOMER = '") + frames::sqlEscape(board) + QStringLiteral("';"),
                 QStringLiteral("SELECT * FROM REESTR;"), {{QStringLiteral("BORTOVOI_NOMER"), board}});
    if (R.eof()) return; // gone from the register since the grid was filled
    const QString aircraft = R.str(1) + QLatin1Char(' ') + R.str(3);
    try {
        r.rules = readTypeGroundRules(*ADOConPdo, R.str(1));
        const auto& rl = r.rules;
        const double rate = r.basis->rate(board, rl.planer);
        r.writer->addRow({QStringLiteral("!") + aircraft, R.str(22), monthlyFlyingText(rate), r.basis->basis()});

        FunAddPlaner(R, board, rl.planer.counts, rl.planer.share);
        // The section of a key with its ground-running pair; false for a key
        // that names no section of this report.
        auto section = [&](const QString& key, const QString& unitName, const QString& drawing, bool filter) {
            auto is = [&](const char* k) { return key == QLatin1String(k); };
            const auto& b = rl.lopasty;
            if (is("Dvigatel")) FunAddDvigatel(board, rl.dvigatel.counts, rl.dvigatel.share);
            else if (is("Reductor")) FunAddReductor(board, rl.reductor.counts, rl.reductor.share);
            else if (is("LopastNV")) FunAddLNV(board, b.counts, b.share);
            else if (is("VtulkaNV")) FunAddVtNV(R, board, b.counts, b.share);
            else if (is("LopastHV")) FunAddLHV(board, b.counts, b.share);
            else if (is("HvostovoyVint")) FunAddVtHV(board, b.counts, b.share);
            else if (is("LopastVV")) FunAddLVV(board, b.counts, b.share);
            // The sheet tuning editor saves propellers as "VozdVint".
            else if (is("VozduhnyVint") || is("VozdVint")) FunAddVtVV(board, b.counts, b.share);
            else if (is("Agregat"))
                FunAddAgregat(R, board, unitName, drawing, rl.agregaty.counts, filter ? 1 : 0, rl.agregaty.share);
            else if (is("ZCU")) FunAddZCU(R, board, rl.zcu.counts, rl.zcu.share);
            else if (is("Lebedka")) FunAddLebedka(board, rl.agregaty.counts, rl.agregaty.share);
        };
        if (!r.tuned) {
            // The fixed set; ZCU units are not part of it.
            for (const char* key : {"Dvigatel", "Reductor", "LopastVV", "VozduhnyVint", "LopastNV", "VtulkaNV",
                                    "LopastHV", "HvostovoyVint", "Agregat", "Lebedka"})
                section(QLatin1String(key), QStringLiteral("NULL"), QStringLiteral("NULL"), false);
            return;
        }
        // The tuned sections, in the order of the tuning rows; a key that
        // comes again writes its section again, an unknown key nothing.
        for (const TuneRow& t : r.tuneRows) section(t.key, t.unitName, t.drawing, true);
    } catch (const ConversionError& e) {
        throw ConversionError(QStringLiteral("ВС ") + aircraft + QStringLiteral(", ") + e.message());
    }
}

void TfrPlanPrognVS::writeSection(const ForecastMember& m, Dataset& rows, Dataset* reference, const QString& board,
                                  int countGround, double groundShare)
{
    Run& r = run();
    const Thresholds t = readThresholds(settingsPath());
    if (rows.isEmpty()) return;
    r.writer->addRow({m.section});
    const TypeGroundRules rules = r.rules.with(m.ground, rarozidi::GroundRule{countGround != 0, groundShare});
    const RateOf rate = [&](const rarozidi::GroundRule& g) { return r.basis->rate(board, g); };
    const QDate today = Clock::today();
    for (rows.first(); !rows.eof(); rows.next()) {
        const ForecastLine l = workLine(m, *ADOConPdo, rows, lineName(m, rows, reference), true, rules, rate, t, today);
        r.writer->addRow(QVariantList{QString(), QVariant(), QVariant(), QVariant()} + l.cells());
    }
    rows.first(); // the register row serves the members after the airframe
}

void TfrPlanPrognVS::writeSection(MemberKind kind, const QString& query, const QString& setQuery,
                                  const std::vector<std::pair<QString, QString>>& keys, const QString& board,
                                  int countGround, double groundShare)
{
    Dataset rows(ADOConPdo);
    run().sets->open(rows, query, setQuery, keys);
    writeSection(member(kind), rows, nullptr, board, countGround, groundShare);
}

void TfrPlanPrognVS::FunAddPlaner(Dataset& R, const QString& board, int countGround, double groundShare)
{
    writeSection(member(MemberKind::Planer), R, nullptr, board, countGround, groundShare);
}

void TfrPlanPrognVS::FunAddDvigatel(const QString& board, int countGround, double groundShare)
{
    writeSection(MemberKind::Dvigatel,
                 QStringLiteral("SELECT * FROM DVIGATEL WHERE GDE_STOIT = '") + frames::sqlEscape(board) +
                     QStringLiteral("'Order By ODIN_DVA, ID;"),
                 QStringLiteral("SELECT * FROM DVIGATEL Order By ODIN_DVA, ID;"), {{kOnBoard, board}}, board, countGround, groundShare);
}

void TfrPlanPrognVS::FunAddReductor(const QString& board, int countGround, double groundShare)
{
    writeSection(MemberKind::Reductor,
                 QStringLiteral("SELECT * FROM REDUCTOR WHERE GDE_STOIT = '") + frames::sqlEscape(board) + QStringLiteral("' Order By ID;"),
                 QStringLiteral("SELECT * FROM REDUCTOR Order By ID;"), {{kOnBoard, board}}, board, countGround, groundShare);
}

namespace {
QString bladesQuery(const QString& board, const char* rotor)
{
    return QStringLiteral("SELECT * FROM LOPAST WHERE GDE_STOIT = '") + frames::sqlEscape(board) + QStringLiteral("' ") +
           QStringLiteral("And TIP_VINTA='") + QString::fromUtf8(rotor) +
           QStringLiteral("' Order By TIP_VINTA, ZAVODSKOY_NOMER, ID;");
}
// The blades of a rotor on every aircraft, in the order of bladesQuery.
QString bladesSetQuery(const char* rotor)
{
    return QStringLiteral("SELECT * FROM LOPAST WHERE TIP_VINTA='") + QString::fromUtf8(rotor) +
           QStringLiteral("' Order By TIP_VINTA, ZAVODSKOY_NOMER, ID;");
}
} // namespace

void TfrPlanPrognVS::FunAddLNV(const QString& board, int countGround, double groundShare)
{
    writeSection(MemberKind::LopastNV, bladesQuery(board, "Несущий"), bladesSetQuery("Несущий"), {{kOnBoard, board}}, board,
                 countGround, groundShare);
}

void TfrPlanPrognVS::FunAddLHV(const QString& board, int countGround, double groundShare)
{
    writeSection(MemberKind::LopastHV, bladesQuery(board, "Хвостовой"), bladesSetQuery("Хвостовой"), {{kOnBoard, board}}, board,
                 countGround, groundShare);
}

void TfrPlanPrognVS::FunAddLVV(const QString& board, int countGround, double groundShare)
{
    writeSection(MemberKind::LopastVV, bladesQuery(board, "Воздушный"), bladesSetQuery("Воздушный"), {{kOnBoard, board}}, board,
                 countGround, groundShare);
}

void TfrPlanPrognVS::FunAddVtHV(const QString& board, int countGround, double groundShare)
{
    writeSection(MemberKind::VintHV,
                 QStringLiteral("SELECT * FROM HVOSTOVOY_VINT WHERE GDE_STOIT = '") + frames::sqlEscape(board) + QStringLiteral("' And ") +
                     QStringLiteral("Not ZAVODSKOY_NOMER_VTULKA Is Null ") +
                     QStringLiteral("Order By ZAVODSKOY_NOMER_VTULKA, ID;"),
                 QStringLiteral("SELECT * FROM HVOSTOVOY_VINT WHERE Not ZAVODSKOY_NOMER_VTULKA Is Null Order By ZAVODSKOY_NOMER_VTULKA, ID;"),
                 {{kOnBoard, board}}, board, countGround, groundShare);
}

void TfrPlanPrognVS::FunAddVtVV(const QString& board, int countGround, double groundShare)
{
    writeSection(MemberKind::VintVV,
                 QStringLiteral("SELECT * FROM VOZDUSHNY_VINT WHERE GDE_STOIT = '") + frames::sqlEscape(board) + QStringLiteral("' And ") +
                     QStringLiteral("Not ZAVODSKOY_NOMER Is Null ") + QStringLiteral("Order By ZAVODSKOY_NOMER, ID;"),
                 QStringLiteral("SELECT * FROM VOZDUSHNY_VINT WHERE Not ZAVODSKOY_NOMER Is Null Order By ZAVODSKOY_NOMER, ID;"),
                 {{kOnBoard, board}}, board, countGround, groundShare);
}

void TfrPlanPrognVS::FunAddLebedka(const QString& board, int countGround, double groundShare)
{
    writeSection(MemberKind::Lebedka,
                 QStringLiteral("SELECT * FROM LEBEDKA WHERE GDE_STOIT = '") + frames::sqlEscape(board) +
                     QStringLiteral("' Order By ZAVODSKOY_NOMER_LEBEDKA, ID;"),
                 QStringLiteral("SELECT * FROM LEBEDKA Order By ZAVODSKOY_NOMER_LEBEDKA, ID;"), {{kOnBoard, board}}, board, countGround, groundShare);
}

void TfrPlanPrognVS::FunAddVtNV(Dataset& R, const QString& board, int countGround, double groundShare)
{
    const QString type = R.str(1);
    auto reference = openQuery(ADOConPdo, QStringLiteral("Select * From ETA_VTULKA_NV Where ((TIP_VS)='") + frames::sqlEscape(type) +
                                              QStringLiteral("') Order By ID_NAME;"));
    Dataset hubs(ADOConPdo);
    run().sets->open(hubs,
                     QStringLiteral("Select * From VTULKA_NV Where (((TIP_VS)= '") + frames::sqlEscape(type) +
                         QStringLiteral("') And ((GDE_STOIT)='") + frames::sqlEscape(board) + QStringLiteral("')) ") +
                         QStringLiteral("Order By SMAZKA Desc, NAZVANIE, CHERT_NOMER, MESTO_USTANOVKI;"),
                     QStringLiteral("Select * From VTULKA_NV Order By SMAZKA Desc, NAZVANIE, CHERT_NOMER, MESTO_USTANOVKI;"),
                     {{kOnBoard, board}, {QStringLiteral("TIP_VS"), type}});
    writeSection(member(MemberKind::VtulkaNV), hubs, reference.get(), board, countGround, groundShare);
}

void TfrPlanPrognVS::FunAddZCU(Dataset& R, const QString& board, int countGround, double groundShare)
{
    const QString type = R.str(1);
    auto reference = openQuery(ADOConPdo, QStringLiteral("Select * From ETA_ZCU Where ((TIP_VS)= '") + frames::sqlEscape(type) +
                                              QStringLiteral("') Order By ID_NAME, ID;"));
    Dataset units(ADOConPdo);
    run().sets->open(units,
                     QStringLiteral("Select * From ZCU Where (((TIP_VS)= '") + frames::sqlEscape(type) + QStringLiteral("') And ") +
                         QStringLiteral("((GDE_STOIT)='") + frames::sqlEscape(board) + QStringLiteral("')) Order By ID_NAME, ID;"),
                     QStringLiteral("Select * From ZCU Order By ID_NAME, ID;"),
                     {{kOnBoard, board}, {QStringLiteral("TIP_VS"), type}});
    writeSection(member(MemberKind::Zcu), units, reference.get(), board, countGround, groundShare);
}

QString TfrPlanPrognVS::drawingCondition(const QStringList& idNames)
{
    return frames::idCondition(QStringLiteral("ID_NAME"), idNames);
}

void TfrPlanPrognVS::FunAddAgregat(Dataset& R, const QString& board, const QString& unitName, const QString& drawing,
                                   int countGround, int filterByDrawing, double groundShare)
{
    const QString type = R.str(1);
    QString condition;
    if (filterByDrawing != 0) {
        auto refs = openQuery(ADOConPdo, QStringLiteral("Select * From ETAAGREGAT Where NAZVANIE='") + frames::sqlEscape(unitName) +
                                             QStringLiteral("' And ") + QStringLiteral("CHERT_NOMER='") + frames::sqlEscape(drawing) +
                                             QStringLiteral("' Order By ID;"));
        QStringList ids;
        for (; !refs->eof(); refs->next()) ids << refs->str(20);
        condition = drawingCondition(ids) + QStringLiteral(" And ");
    }
    auto reference = openQuery(ADOConPdo, QStringLiteral("Select * From ETAAGREGAT Where ((TIP_VS)='") + frames::sqlEscape(type) +
                                              QStringLiteral("') Order By ID_NAME;"));
    Dataset units(ADOConPdo);
    // Units chosen by drawing number (the tuned sections) are read per aircraft.
    const frames::BoardSets::Keys keys;
    run().sets->open(units,
                     QStringLiteral("Select * From AGREGAT Where (TIP_VS= '") + frames::sqlEscape(type) + QStringLiteral("' And ") +
                         QStringLiteral("GDE_STOIT='") + frames::sqlEscape(board) + QStringLiteral("') And ") + condition +
                         QStringLiteral("(ED_IZMERENIA='0') And ") +
                         QStringLiteral("(PLAN_DVIG_VSU='0') Order By TIP_OBORUDOVANIA Desc, ID_NAME, ID;"),
                     QStringLiteral("Select * From AGREGAT Where (ED_IZMERENIA='0') And (PLAN_DVIG_VSU='0') ") +
                         QStringLiteral("Order By TIP_OBORUDOVANIA Desc, ID_NAME, ID;"),
                     filterByDrawing != 0 ? keys : frames::BoardSets::Keys{{kOnBoard, board}, {QStringLiteral("TIP_VS"), type}});
    writeSection(member(MemberKind::Agregat), units, reference.get(), board, countGround, groundShare);
}

} // namespace plan::forecast
