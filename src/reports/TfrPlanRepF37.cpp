#include "reports/TfrPlanRepF37.h"

#include "data/Positions.h"
#include "frames/CodeSelector.h"
#include "frames/LaterFlights.h"
#include "frames/UnitAsOf.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/Report.h"
#include "rarozidi/RunningTime.h"
#include "reports/FrameParts.h"

#include <QHash>
#include <algorithm>
#include <memory>
#include <stdexcept>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepF37)

F37Kind f37KindOf(const QString& caption)
{
    if (caption == QStringLiteral("Форма 37-ГА (СВ) - ВСУ")) return F37Kind::Apu;
    if (caption == QStringLiteral("Форма 37-ГА (СВ) - Редукторы")) return F37Kind::Gearbox;
    return F37Kind::Engine;
}

QString f37Template(F37Kind kind) { return kind == F37Kind::Gearbox ? QStringLiteral("rep08") : QStringLiteral("rep04"); }

QString f37StoreCode(const QString& place)
{
    const QString p = place.trimmed();
    if (p == QStringLiteral("Склад")) return QStringLiteral("3");
    if (p == QStringLiteral("Ремфонд")) return QStringLiteral("4");
    if (p == QStringLiteral("Ремонт") || p == QStringLiteral("Рекламация")) return QStringLiteral("5");
    return {};
}

QString anyOwnerText() { return QStringLiteral("Любая собственность"); }

namespace {

// Columns of the unit queries, counted from 0 in the order they name them.
namespace col {
constexpr int Name = 0, Serial = 1, Made = 2, RepairPlant = 3, RepairDate = 4, SinceNew = 5, SinceOverhaul = 6,
              Place = 7, Repairs = 8, Arrived = 9, BetweenOverhauls = 10, Type = 12;
constexpr int EngineSelector = 14, EngineFirst = 15; // engines: ODIN_DVA, DO_PERVOGO_CHASOV
constexpr int GearboxFirst = 14;                     // DO_PERVOGO_CHASOV
// APUs: SUMMA_SNE, SUMMA_PPR, SUMMA_MEGREM, OBSHAIA_DO_PERVOGO, SUMMA_DO_PERVOGO
constexpr int ApuSumNew = 14, ApuSumOverhaul = 15, ApuSumBetween = 16, ApuFirst = 17, ApuSumFirst = 18;
} // namespace col

// The query texts of a kind.
struct KindTexts {
    const char* installed;   // SELECT ... Where (
    const char* store;       // the same, as the store section writes it
    const char* placeColumn; // in the installed section's conditions
    const char* storePlaces; // the store section's place condition, up to the owner condition
    const char* installedOrder;
    const char* storeOrder;
    const char* sinceNewColumn;
    const char* sinceOverhaulColumn;
};

const KindTexts& textsOf(F37Kind k)
{
    static const KindTexts engine{
        "SELECT NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, IZGOTOVLEN_DATA, REMONT_ZAVOD, REMONT_DATA, NARABOTKA_SNE, "
        "NARABOTKA_PPR, GDE_STOIT, VSEGO_REMONTOV, DATA_POSTUPLENIYA_V_PRED, MEZHREMONTNYI_CHASOV, "
        "MEZHREMONTNYI_CHASOV, TIP_VS, ID, ODIN_DVA, DO_PERVOGO_CHASOV From DVIGATEL Where (",
        "SELECT Nazvanie_Dvigatelya, Zavodskoi_nomer, Izgotovlen_data, Remont_zavod, Remont_data, Narabotka_SNE, "
        "Narabotka_PPR, Gde_stoit, Vsego_remontov, Data_postupleniya_v_pred, Mezhremontnyi_chasov, "
        "Mezhremontnyi_chasov, Tip_VS, ID, ODIN_DVA, DO_PERVOGO_CHASOV From Dvigatel Where (",
        "GDE_STOIT",
        "((Dvigatel.Gde_stoit) = 'Склад' Or (Dvigatel.Gde_stoit) = 'Ремфонд' Or (Dvigatel.Gde_stoit) = 'Ремонт' Or "
        "(Dvigatel.Gde_stoit) = 'Рекламация') And (",
        "Order By TIP_VS, GDE_STOIT, NAZVANIE_DVIGATELYA;",
        "Order By Dvigatel.Tip_VS, Dvigatel.Gde_stoit, Nazvanie_Dvigatelya;",
        "NARABOTKA_SNE",
        "NARABOTKA_PPR"};
    static const KindTexts gearbox{
        "SELECT NAZVANIE_REDUCTORA, ZAVODSKOI_NOMER, IZGOTOVLEN_DATA, REMONT_ZAVOD, REMONT_DATA, NARABOTKA_SNE, "
        "NARABOTKA_PPR, GDE_STOIT, VSEGO_REMONTOV, DATA_POSTUPLENIYA_V_PRED, MEZHREMONTNYI_CHASOV, "
        "MEZHREMONTNYI_CHASOV, TIP_VS, ID, DO_PERVOGO_CHASOV From REDUCTOR Where (",
        nullptr,
        "GDE_STOIT",
        "((GDE_STOIT) = 'Склад' Or (GDE_STOIT) = 'Ремфонд' Or (GDE_STOIT) = 'Ремонт' Or (GDE_STOIT) = 'Рекламация') "
        "And (",
        "Order By TIP_VS, GDE_STOIT, NAZVANIE_REDUCTORA;",
        nullptr,
        "NARABOTKA_SNE",
        "NARABOTKA_PPR"};
    static const KindTexts apu{
        "SELECT NAZVANIE, ZAVODSKOY_NOMER, IZGOTOVLEN_DATA, REMONT_ZAVOD, REMONT_DATA, OBSHAIA_SNE, OBSHAIA_PPR, "
        "MESTO_USTANOVKI, VSEGO_REMONTOV, DATA_POSTUPLENIA, OBSHAIA_MEGREMONTNY, OBSHAIA_MEGREMONTNY, TIP_VS, ID, "
        "SUMMA_SNE, SUMMA_PPR, SUMMA_MEGREM, OBSHAIA_DO_PERVOGO, SUMMA_DO_PERVOGO From VSU Where (",
        nullptr,
        "MESTO_USTANOVKI",
        "((MESTO_USTANOVKI) = 'Склад' Or (MESTO_USTANOVKI) = 'Ремфонд' Or (MESTO_USTANOVKI) = 'Ремонт' Or "
        "(MESTO_USTANOVKI) = 'Рекламация') And (",
        "Order By TIP_VS, MESTO_USTANOVKI, NAZVANIE;",
        nullptr,
        "OBSHAIA_SNE",
        "OBSHAIA_PPR"};
    switch (k) {
    case F37Kind::Gearbox: return gearbox;
    case F37Kind::Apu: return apu;
    default: return engine;
    }
}

QString utf8(const char* s) { return QString::fromUtf8(s); }

frames::UnitKind unitKind(F37Kind k)
{
    return k == F37Kind::Apu ? frames::UnitKind::Apu : k == F37Kind::Gearbox ? frames::UnitKind::Gearbox : frames::UnitKind::Engine;
}

// The values of one column of a query, in order.
QStringList column(Connection* c, const QString& sql, int pos)
{
    QStringList out;
    auto ds = openQuery(c, sql);
    for (; !ds->eof(); ds->next()) out << ds->str(pos);
    return out;
}

QString shortYear(const Field& f)
{
    const QDate d = f.asDate();
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yy")) : QString();
}

// The header row of the operator.
struct F37Header {
    QString imiaUga, operatorCode, address, headName, engineAddressee, addresseeAddress, certificate,
        gearboxAddressee, preparerName, preparerPhone, headPost;
    bool found = false;
};

F37Header readHeader(Connection* c, const QString& operatorCode)
{
    F37Header h;
    auto ds = openQuery(c, QStringLiteral("SELECT ID, Imia_UGA, EXPLUATANT, Adres_Predpr, FIO_IAS, IMIA_DVIGATEL_37, "
                                          "Adres_37, NOMER_SVIDELSTVA, IMIA_REDUCTOR_37, NACH_PDO, PHONE_PDO, "
                                          "DOLGNOST_IAS FROM Obshie Where EXPLUATANT=") +
                               frames::sqlText(operatorCode) + QStringLiteral(" ORDER BY ID;"));
    if (ds->eof()) return h;
    h.found = true;
    h.imiaUga = ds->str(1);
    h.address = ds->str(3);
    h.headName = ds->str(4);
    h.engineAddressee = ds->str(5);
    h.addresseeAddress = ds->str(6);
    h.certificate = ds->str(7);
    h.gearboxAddressee = ds->str(8);
    h.preparerName = ds->str(9);
    h.preparerPhone = ds->str(10);
    h.headPost = ds->str(11);
    return h;
}

class F37Builder {
public:
    F37Builder(Connection* c, const F37Options& o, frames::LaterFlights* later)
        : m_c(c), m_o(o), m_texts(textsOf(o.kind)),
          m_own(later ? nullptr : std::make_unique<frames::LaterFlights>(c, o.date)), m_later(later ? *later : *m_own),
          m_asOf(c, unitKind(o.kind), m_later)
    {
    }

    StagedRows build()
    {
        StagedRows out;
        // The visible types.
        const QStringList types = column(
            m_c, QStringLiteral("Select TIP_VS From TIPOVYE_DANNYE_VS Where Not Upper(TIP_VS) Like Upper('%Hide%') "
                                "Order By TIP_VS, ID;"),
            0);
        const QString typeCondition = QLatin1Char('(') + frames::orCondition(QStringLiteral("(TIP_VS)"), types) +
                                      QStringLiteral(") And ");
        // The operator's aircraft.
        const QString operatorId = m_o.operatorCode;
        const QStringList boards = column(m_c,
                                          QStringLiteral("Select * From REESTR Where EXPLUATANT=") +
                                              frames::sqlText(operatorId) +
                                              QStringLiteral(" And Not Upper(TIP_VS) Like Upper('%HIDE%') ") +
                                              QStringLiteral("Order By TIP_VS, BORTOVOI_NOMER, ID;"),
                                          pos::reestr::BORTOVOI_NOMER);
        if (boards.size() >= kReadAllFlightsFrom) m_later.readAll();
        const QString place = utf8(m_texts.placeColumn);
        const QString aircraftCondition = frames::orCondition(place, boards, QStringLiteral("11111"));
        const QString ownerCondition = frames::orCondition(QStringLiteral("SOBSTVENNOST"), ownerCodes(),
                                                           QStringLiteral("-1"));
        m_header = readHeader(m_c, operatorId);
        out.doubts << headerDoubts(m_header.found, operatorId);

        // Installed on the operator's aircraft, back-dated.
        const QString notStored = QStringLiteral("((%1) <> 'Склад' And (%1) <> 'Ремфонд' And (%1) <> 'Ремонт' And "
                                                 "(%1) <> 'Рекламация') And (")
                                      .arg(place);
        const QString ownerPart = m_o.installedOnly ? QString() : QStringLiteral(") And (") + ownerCondition;
        addSection(out, utf8(m_texts.installed) + typeCondition + notStored + aircraftCondition + ownerPart +
                            QStringLiteral(")) ") + utf8(m_texts.installedOrder),
                   true);
        if (m_o.installedOnly) return number(out);
        // In store, repair fund, repair or under a claim, as stored.
        addSection(out, utf8(m_texts.store ? m_texts.store : m_texts.installed) + typeCondition + utf8(m_texts.storePlaces) +
                            ownerCondition + QStringLiteral(")) ") +
                            utf8(m_texts.storeOrder ? m_texts.storeOrder : m_texts.installedOrder),
                   false);
        return number(out);
    }

private:
    // The running numbers, in the order of the table (the order of writing).
    static StagedRows number(StagedRows& out)
    {
        int n = 0;
        for (StagingRow& r : out.rows) r.set(f37::Number, QString::number(++n));
        return std::move(out);
    }

    // The owner codes of the chosen owner, or of every owner offered.
    QStringList ownerCodes()
    {
        auto owners = openQuery(m_c, QStringLiteral("Select * From SOBSTVENNIKI Order By ID;"));
        if (owners->locate(QStringLiteral("NAME"), m_o.ownerName))
            return column(m_c,
                          QStringLiteral("Select * From OBSHIE Where VLADELETS=") +
                              frames::sqlText(owners->str(pos::sobstvenniki::ID_NAME)) + QStringLiteral(" Order By ID;"),
                          pos::obshie::VLADELETS);
        return column(m_c, QStringLiteral("Select * From SOBSTVENNIKI Where HIDE=0 Order By ID;"),
                      pos::sobstvenniki::ID_NAME);
    }

    void addSection(StagedRows& out, const QString& query, bool installed)
    {
        auto ds = openQuery(m_c, query);
        for (; !ds->eof(); ds->next()) {
            const Dataset& u = *ds;
            const QString type = u.str(col::Type);
            if (type.left(4).toUpper() == QLatin1String("HIDE")) continue;
            out.rows.push_back(row(u, installed, static_cast<int>(out.rows.size()), out.doubts));
        }
    }

    StagingRow row(const Dataset& u, bool installed, int written, QStringList& doubts)
    {
        const bool ta14 = m_o.kind == F37Kind::Apu && frames::isSummedApu(u.str(col::Name));
        const int repairs = u.field(col::Repairs).asInteger();
        const bool overhauled = repairs > 0;
        const int newPos = ta14 ? col::ApuSumNew : col::SinceNew;
        const int overhaulPos = ta14 ? col::ApuSumOverhaul : col::SinceOverhaul;
        const char* newColumn = ta14 ? "SUMMA_SNE" : m_texts.sinceNewColumn;
        const char* overhaulColumn = ta14 ? "SUMMA_PPR" : m_texts.sinceOverhaulColumn;
        const QString board = u.str(col::Place).trimmed();
        const frames::UnitRef unit{u.str(col::Type), board, u.str(col::Name), u.str(col::Serial),
                                   m_o.kind == F37Kind::Engine ? u.str(col::EngineSelector) : QString()};

        // Hours on the date: the flights after it backed out (installed units only).
        auto hours = [&](int pos, const char* column) -> QString {
            if (u.str(pos).trimmed().isEmpty()) {
                doubts << QStringLiteral("%1 %2 (зав. № %3): не указана наработка %4")
                              .arg(m_asOf.kindWord(), u.str(col::Name).trimmed(), u.str(col::Serial).trimmed(),
                                   QString::fromLatin1(column));
                return {};
            }
            return m_asOf.hoursOn(unit, u.str(pos), QString::fromLatin1(column), installed);
        };

        StagingRow r;
        r.set(f37::Authority, m_header.imiaUga)
            .set(f37::OperatorCode, m_o.operatorCode == QLatin1String("-1") ? QString() : m_o.operatorCode)
            .set(f37::Address, m_header.address)
            .set(f37::Row, written + 1)
            .set(f37::ReportDate, m_o.date.toString(QStringLiteral("dd.MM.yyyy")))
            .set(f37::Name, u.str(col::Name))
            .set(f37::Serial, u.str(col::Serial))
            .set(f37::Made, shortYear(u.field(col::Made)))
            .set(f37::Arrived, shortYear(u.field(col::Arrived)));
        if (overhauled) r.set(f37::RepairDate, shortYear(u.field(col::RepairDate)));
        r.set(f37::RepairPlant, u.str(col::RepairPlant)).set(f37::Repairs, u.field(col::Repairs).isNull() ? QString() : QString::number(repairs));
        r.set(f37::HoursNew, hours(newPos, newColumn));
        if (overhauled) r.set(f37::HoursOverhaul, hours(overhaulPos, overhaulColumn));
        r.set(f37::Limit, limit(u, ta14, overhauled))
            .set(f37::Place, installed ? board : f37StoreCode(board))
            .set(f37::HeadName, m_header.headName)
            .set(f37::Addressee, m_o.kind == F37Kind::Gearbox ? m_header.gearboxAddressee : m_header.engineAddressee)
            .set(f37::AddresseeAddress, m_header.addresseeAddress)
            .set(f37::Certificate, m_header.certificate)
            .set(f37::Preparer, m_header.found ? m_header.preparerName + QStringLiteral(" тел.") + m_header.preparerPhone
                                               : QString())
            .set(f37::Type, u.str(col::Type))
            .set(f37::HeadPost, m_header.headPost);
        return r;
    }

    // The life limit: to the first overhaul while never overhauled (between
    // overhauls when that is not given), else between overhauls.
    QString limit(const Dataset& u, bool ta14, bool overhauled) const
    {
        int first = col::EngineFirst, between = col::BetweenOverhauls;
        if (m_o.kind == F37Kind::Gearbox) first = col::GearboxFirst;
        if (m_o.kind == F37Kind::Apu) {
            first = ta14 ? col::ApuSumFirst : col::ApuFirst;
            between = ta14 ? col::ApuSumBetween : col::BetweenOverhauls;
        }
        if (!overhauled && !u.str(first).trimmed().isEmpty()) return u.str(first).trimmed();
        return u.str(between).trimmed();
    }

    Connection* m_c;
    const F37Options& m_o;
    const KindTexts& m_texts;
    std::unique_ptr<frames::LaterFlights> m_own;
    frames::LaterFlights& m_later;
    frames::UnitAsOf m_asOf;
    F37Header m_header;
};

} // namespace

StagedRows buildForm37(Connection* c, const F37Options& o, frames::LaterFlights* later)
{
    if (later && later->asOf() != o.date) throw std::logic_error("form 37-GA: flights after another date");
    return F37Builder(c, o, later).build();
}

TfrPlanRepF37::TfrPlanRepF37() : TPlanFrame(QStringLiteral("frmPlanReport")), m_date(this)
{
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    bindShowButton(cmdReport);
}

TfrPlanRepF37::~TfrPlanRepF37() = default;

void TfrPlanRepF37::FunStart(const QString& caption)
{
    m_caption = caption;
    cboSobst = new frames::CodeSelector(QStringLiteral("cboSobst"), this, settingsPath(), QStringLiteral("MAIN"),
                                        QStringLiteral("SOBST_F37"));
    cboExpl = new frames::OperatorSelector(this, settingsPath(), QStringLiteral("MAIN"), QStringLiteral("EXPL_F37"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* lblSobst = new QLabel(QStringLiteral("Владелец:"), this);
    lblSobst->setObjectName(QStringLiteral("lblSobst"));
    auto* lblExpl = new QLabel(QStringLiteral("Эксплуатант:"), this);
    lblExpl->setObjectName(QStringLiteral("lblExpl"));
    layout->addWidget(lblSobst);
    layout->addWidget(cboSobst);
    layout->addWidget(lblExpl);
    layout->addWidget(cboExpl);
    layout->addWidget(m_date.lblDate);
    layout->addWidget(m_date.picDate);
    layout->addWidget(cmdReport);
    layout->addStretch(1);
    m_date.start();
    FunCboSobst();
    FunCboExpl();
}

void TfrPlanRepF37::FunCboSobst()
{
    // The owners of the operators' header rows, each once, then any owner.
    cboSobst->clearCodes();
    auto owners = openQuery(ADOConPdo, QStringLiteral("Select * From SOBSTVENNIKI Order By ID;"));
    auto headers = openQuery(ADOConPdo, QStringLiteral("Select * From OBSHIE Order By ID;"));
    QStringList added;
    for (; !headers->eof(); headers->next()) {
        if (!owners->locate(QStringLiteral("ID_NAME"), headers->str(pos::obshie::VLADELETS))) continue;
        const QString name = owners->str(pos::sobstvenniki::NAME);
        if (added.contains(name)) continue;
        added << name;
        cboSobst->addCode(name, owners->str(pos::sobstvenniki::ID_NAME));
    }
    cboSobst->addCode(anyOwnerText(), QStringLiteral("-1"));
    cboSobst->restoreIndex();
}

void TfrPlanRepF37::FunCboExpl() { cboExpl->FunCboExpl(ADOConPdo); }

F37Options TfrPlanRepF37::options() const
{
    F37Options o;
    o.kind = f37KindOf(m_caption);
    o.operatorCode = cboExpl ? cboExpl->code() : QStringLiteral("-1");
    o.ownerName = cboSobst ? cboSobst->currentText() : anyOwnerText();
    o.date = m_date.date();
    return o;
}

void TfrPlanRepF37::FunReport()
{
    const F37Options o = options();
    QString what;
    switch (o.kind) {
    case F37Kind::Apu: what = QStringLiteral("вспомогательных силовых установок"); break;
    case F37Kind::Gearbox: what = QStringLiteral("главных редукторов"); break;
    default: what = QStringLiteral("двигателей"); break;
    }
    runStagedReport(*this, QStringLiteral("SELECT * FROM REPORT_FORMA_37_GA ORDER BY ID, Gde_stoit;"),
                    f37Template(o.kind), o.operatorCode, QStringLiteral("Форма 37-ГА (СВ). Сведения о наличии ") + what, o.date,
                    {QStringLiteral("Владелец: ") + (o.ownerName.isEmpty() ? anyOwnerText() : o.ownerName),
                     QStringLiteral("По состоянию на ") + o.date.toString(QStringLiteral("dd.MM.yyyy"))},
                    [&] { return buildForm37(ADOConPdo, o); });
}

} // namespace plan::reports
