#include "reports/TfrPlanRepAgrUstZaPeriod.h"

#include "data/Positions.h"
#include "frames/AircraftTree.h"
#include "frames/CodeSelector.h"
#include "frames/OperatorHeader.h"
#include "frames/SqlText.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "reports/FrameParts.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepAgrUstZaPeriod)

namespace R = pos::reestr;
namespace O = pos::obshie;

namespace {

// One kind of item: where its installed rows are and which of their
// positions the list prints.
struct Kind {
    const char* table;
    const char* condition;   // put before "DATA_USTANOVKI Between"
    const char* reference;   // reference table, nullptr for none
    int referenceKey;        // component position holding the reference ID_NAME
    int date;                // installation date
    int refName, refDesignation; // reference positions when found
    int name, designation;   // component positions (name: -1 = the fixed name)
    const char* fixedName;   // the name of the kinds without a reference
    int serial;
    bool blanksForUnderscores;
};

constexpr const char* kOrder = "Order By DATA_USTANOVKI, ID;";

const Kind kKinds[] = {
    {"AGREGAT", "PLAN_DVIG_VSU=0 And ", "ETAAGREGAT", pos::agregat::ID_NAME, pos::agregat::DATA_USTANOVKI,
     pos::etaagregat::NAME, pos::etaagregat::CHERT_NOMER, pos::agregat::NAZVANIE, pos::agregat::CHERT_NOMER, nullptr,
     pos::agregat::ZAVODSKOY_NOMER, false},
    {"AGREGAT", "PLAN_DVIG_VSU=1 And ", "ETAAGREGAT", pos::agregat::ID_NAME, pos::agregat::DATA_USTANOVKI,
     pos::etaagregat::NAME, pos::etaagregat::CHERT_NOMER, pos::agregat::NAZVANIE, pos::agregat::CHERT_NOMER, nullptr,
     pos::agregat::ZAVODSKOY_NOMER, false},
    {"AGR_VSU", "", "ETA_AGR_VSU", pos::agr_vsu::ID_NAME, pos::agr_vsu::DATA_USTANOVKI, pos::eta_agr_vsu::NAME,
     pos::eta_agr_vsu::CHERT_NOMER, pos::agr_vsu::NAZVANIE, pos::agr_vsu::CHERT_NOMER, nullptr,
     pos::agr_vsu::ZAVODSKOY_NOMER, false},
    {"VTULKA_NV", "", "ETA_VTULKA_NV", pos::vtulka_nv::ID_NAME, pos::vtulka_nv::DATA_USTANOVKI,
     pos::eta_vtulka_nv::NAME, pos::eta_vtulka_nv::CHERT_NOMER, pos::vtulka_nv::NAZVANIE, pos::vtulka_nv::CHERT_NOMER,
     nullptr, pos::vtulka_nv::ZAVODSKOY_NOMER, false},
    {"LOPAST", "TIP_VINTA='Несущий' And ", nullptr, 0, pos::lopast::DATA_USTANOVKI, 0, 0, -1, pos::lopast::NAZVANIE,
     "Лопасть НВ ", pos::lopast::ZAVODSKOY_NOMER, true},
    {"HVOSTOVOY_VINT", "", nullptr, 0, pos::hvostovoy_vint::DATA_USTANOVKI, 0, 0, -1,
     pos::hvostovoy_vint::NAZVANIE_VINT, "Винт рулевой", pos::hvostovoy_vint::ZAVODSKOY_NOMER, false},
    {"LOPAST", "TIP_VINTA='Хвостовой' And ", nullptr, 0, pos::lopast::DATA_USTANOVKI, 0, 0, -1, pos::lopast::NAZVANIE,
     "Лопасти РВ ", pos::lopast::ZAVODSKOY_NOMER, false},
    {"VOZDUSHNY_VINT", "", nullptr, 0, pos::vozdushny_vint::DATA_USTANOVKI, 0, 0, -1,
     pos::vozdushny_vint::NAZVANIE_VINTA, "Винт воздушный", pos::vozdushny_vint::ZAVODSKOY_NOMER, false},
    {"LOPAST", "TIP_VINTA='Воздушный' And ", nullptr, 0, pos::lopast::DATA_USTANOVKI, 0, 0, -1, pos::lopast::NAZVANIE,
     "Лопасти ВВ ", pos::lopast::ZAVODSKOY_NOMER, false},
    {"ZCU", "", "ETA_ZCU", pos::zcu::ID_NAME, pos::zcu::DATA_USTANOVKI, pos::eta_zcu::NAME, pos::eta_zcu::CHERT_NOMER,
     pos::zcu::NAZVANIE, pos::zcu::CHERT_NOMER, nullptr, pos::zcu::ZAVOD_NOMER, false},
};

QString registerQuery(const QString& type, const QString& board)
{
    return QStringLiteral("Select * From REESTR Where TIP_VS=") + frames::sqlText(type) +
           QStringLiteral(" And BORTOVOI_NOMER=") + frames::sqlText(board) + QStringLiteral(" Order By ID;");
}

QString shortDateText(const QVariant& v)
{
    const QDate d = v.toDate();
    return d.isValid() ? dateText(d) : QString();
}

} // namespace

QDate lastOverhaulDate(Connection* c, const QString& type, const QString& board)
{
    auto r = openQuery(c, registerQuery(type, board));
    return r->eof() ? QDate() : r->field(R::REMONT_DATA).asDate();
}

StagedRows buildAgrUst(Connection* c, const AgrUstOptions& o, QDate* startUsed)
{
    StagedRows out;
    const QString type = frames::sqlText(o.type);
    const QString board = frames::sqlText(o.board);
    auto reg = openQuery(c, registerQuery(o.type, o.board));
    QDate start = o.start;
    if (!reg->eof()) {
        const QDate overhaul = reg->field(R::REMONT_DATA).asDate();
        if (overhaul.isValid() && overhaul > start) start = overhaul;
    }
    if (startUsed) *startUsed = start;
    const QString aircraftSerial = reg->eof() ? QString() : reg->str(R::ZAVODSKOI_NOMER);
    const frames::OperatorHeader h = frames::OperatorHeader::ofOperator(c, QString::number(o.operatorIndex));
    auto engine = openQuery(c, QStringLiteral("Select * From DVIGATEL Where TIP_VS=") + type +
                                   QStringLiteral(" And GDE_STOIT=") + board + QStringLiteral(" Order By ID;"));
    const QString engineName = engine->eof() ? QString() : engine->str(pos::dvigatel::NAZVANIE_DVIGATELYA);
    const QString today = dateText(Clock::today());
    for (const Kind& k : kKinds) {
        // Reference rows by their ID_NAME (the first row of a name wins).
        std::unique_ptr<Dataset> ref;
        QHash<QString, int> refRow;
        if (k.reference) {
            ref = openQuery(c, QStringLiteral("Select * From ") + QString::fromLatin1(k.reference) +
                                   QStringLiteral(" Where TIP_VS=") + type + QStringLiteral(" Order By ID;"));
            const int key = ref->fieldIndex(QStringLiteral("ID_NAME"));
            for (int i = 0; i < ref->recordCount(); ++i) {
                const QString id = ref->rows()[i][key].toString();
                if (!refRow.contains(id)) refRow.insert(id, i);
            }
        }
        auto items = openQuery(c, QStringLiteral("Select * From ") + QString::fromLatin1(k.table) +
                                      QStringLiteral(" Where TIP_VS=") + type + QStringLiteral(" And GDE_STOIT=") +
                                      board + QStringLiteral(" And ") + QString::fromUtf8(k.condition) +
                                      QStringLiteral("DATA_USTANOVKI Between ") + frames::sqlDate(start) +
                                      QStringLiteral(" And ") + frames::sqlDate(o.stop) + QStringLiteral(" ") +
                                      QString::fromLatin1(kOrder));
        for (Dataset& it = *items; !it.eof(); it.next()) {
            QString name, designation;
            if (k.reference) {
                const QString key = it.str(k.referenceKey);
                const auto found = key.isEmpty() ? refRow.cend() : refRow.constFind(key);
                if (found != refRow.cend()) {
                    const auto& row = ref->rows()[*found];
                    name = row[k.refName].toString();
                    designation = row[k.refDesignation].toString();
                } else {
                    name = it.str(k.name);
                    designation = it.str(k.designation);
                }
                if (name.contains(designation)) designation.clear();
            } else {
                name = QString::fromUtf8(k.fixedName);
                designation = it.str(k.designation);
            }
            QString serial = it.str(k.serial);
            if (k.blanksForUnderscores) serial.replace(QLatin1Char('_'), QLatin1Char(' '));
            StagingRow row;
            row.set(agrust::Type, o.type)
                .set(agrust::Board, o.board)
                .set(agrust::Serial, aircraftSerial)
                .set(agrust::Engine, engineName)
                .set(agrust::Today, today)
                .set(agrust::Installed, shortDateText(it.field(k.date).value()))
                .set(agrust::Name, name)
                .set(agrust::Designation, designation)
                .set(agrust::ItemSerial, serial)
                .set(agrust::Post, h.at(O::DOLGNOST_PDO))
                .set(agrust::Preparer, h.at(O::NACH_PDO));
            out.rows.push_back(row);
        }
    }
    return out;
}

TfrPlanRepAgrUstZaPeriod::TfrPlanRepAgrUstZaPeriod() : TPlanFrame(QStringLiteral("frmPlanReport"))
{
    TreeView = new frames::AircraftTree(this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    auto date = [this](const char* name) {
        auto* d = new QDateEdit(this);
        d->setObjectName(QString::fromLatin1(name));
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        return d;
    };
    picDateStart = date("picDateStart");
    picDateStop = date("picDateStop");
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    cmdReport->setEnabled(false);
    bindShowButton(cmdReport);
    connect(TreeView, &frames::AircraftTree::picked, this,
            [this](const frames::AircraftRef& a) { guarded([&] { TreeViewClick(a); }); });
}

void TfrPlanRepAgrUstZaPeriod::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath(), QStringLiteral("AGR_ZA_PER"), QStringLiteral("CBOEXPL"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    auto* lblExpl = new QLabel(QStringLiteral("Эксплуатант:"), this);
    lblExpl->setObjectName(QStringLiteral("lblExpl"));
    grid->addWidget(lblExpl, 0, 0, 1, 2);
    grid->addWidget(cboExpl, 1, 0, 1, 2);
    grid->addWidget(TreeView, 2, 0, 1, 2);
    grid->setRowStretch(2, 1);
    auto* lblStart = new QLabel(QStringLiteral("c:"), this);
    lblStart->setObjectName(QStringLiteral("lblDateStart"));
    auto* lblStop = new QLabel(QStringLiteral("по:"), this);
    lblStop->setObjectName(QStringLiteral("lblDateStop"));
    grid->addWidget(lblStart, 3, 0);
    grid->addWidget(picDateStart, 3, 1);
    grid->addWidget(lblStop, 4, 0);
    grid->addWidget(picDateStop, 4, 1);
    grid->addWidget(cmdReport, 5, 0, 1, 2);
    FunCboExpl();
    picDateStart->setDate(Clock::today());
    picDateStop->setDate(Clock::today());
    TreeView->fill(ADOConPdo);
    TreeView->setMinimumHeight(static_cast<int>(std::min(TreeView->topLevelItemCount(), 20) * 18 * S) + 4);
}

// cboExplChange: the selector keeps its index (−1 after "Очистить поле") in AGR_ZA_PER/CBOEXPL.
void TfrPlanRepAgrUstZaPeriod::FunCboExpl() { cboExpl->FunCboExpl(ADOConPdo, true); }

void TfrPlanRepAgrUstZaPeriod::TreeViewClick(const frames::AircraftRef& a)
{
    const QDate overhaul = lastOverhaulDate(ADOConPdo, a.type, a.board);
    if (overhaul.isValid()) picDateStart->setDate(overhaul);
    cmdReport->setEnabled(true);
}

AgrUstOptions TfrPlanRepAgrUstZaPeriod::options() const
{
    AgrUstOptions o;
    o.operatorIndex = cboExpl ? cboExpl->currentIndex() : -1;
    const frames::AircraftRef a = TreeView->current();
    o.type = a.type;
    o.board = a.board;
    o.start = picDateStart->date();
    o.stop = picDateStop->date();
    return o;
}

void TfrPlanRepAgrUstZaPeriod::FunReport()
{
    AgrUstOptions o = options();
    if (o.board.isEmpty()) return; // nothing picked: the button stays disabled
    const QDate overhaul = lastOverhaulDate(ADOConPdo, o.type, o.board);
    if (overhaul.isValid() && overhaul > o.start) {
        picDateStart->setDate(overhaul);
        o.start = overhaul;
    }
    const QString operatorCode = cboExpl->code();
    runStagedReport(*this, QStringLiteral("Select * From REPORT_AGR_UST_ZA_PER Order By ID;"), QStringLiteral("rep20"),
                    operatorCode, QStringLiteral("Перечень агрегатов, установленных за отчетный период"), o.stop,
                    {QStringLiteral("ВС: ") + o.type + QLatin1Char(' ') + o.board,
                     QStringLiteral("Период: с ") + dateText(o.start) + QStringLiteral(" по ") + dateText(o.stop)},
                    [&] { return buildAgrUst(ADOConPdo, o); });
}

} // namespace plan::reports
