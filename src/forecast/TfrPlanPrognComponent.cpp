#include "forecast/TfrPlanPrognComponent.h"

#include "forecast/BasisControls.h"
#include "forecast/FlyingBasis.h"
#include "forecast/ForecastHeading.h"
#include "forecast/ForecastMath.h"
#include "platform/Clock.h"
#include "frames/BoardSets.h"
#include "frames/DataChecks.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/IniFile.h"
#include "platform/ReportComponent.h"
#include "platform/ReportCycle.h"
#include "rarozidi/Flying.h"
#include "rarozidi/Func.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <memory>

namespace plan::forecast {
namespace {

const char* const kNotOnEngine =
    "And ((NUMER_DVIG_VSU Is Null) Or (NUMER_DVIG_VSU='') Or (NUMER_DVIG_VSU='0')) ";
// Separates the name from the value that selects in the items of the
// drawing-number and rotor lists: the two characters backslash and n.
const QString kItemSeparator = QStringLiteral("\\n");

// The eleven frames. Queries are written as the database receives them; the
// filter condition and the ownership condition go where the frame's queries
// leave a gap.
const ComponentFrameRow kFrames[] = {
    {.frameClass = "TfrPlanPrognDvig", .member = MemberKind::Dvigatel, .table = "DVIGATEL",
     .filterControl = "cboDvigatel", .filter = FilterKind::Model, .allItem = "Все типы двигателей",
     .listQuery = "Select Distinct NAZVANIE_DVIGATELYA From DVIGATEL Where Upper(TIP_VS) Not Like Upper('%HIDE%') "
                  "Order By TIP_VS, NAZVANIE_DVIGATELYA, ID;",
     .conditionHead = "And NAZVANIE_DVIGATELYA='", .conditionTail = "'", .installedOrder = "ZAVODSKOI_NOMER, ID",
     .storeColumn = "TEKUSHEE_RASPOLOGENIE", .storesTitle = "!Двигатели на складах",
     .storeOrder = "NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, ID", .zcuMark = true, .templateCode = "rep02",
     .title = "Прогноз на замену двигателей", .component = "Двигатель", .filterLabel = "Модель двигателя"},
    {.frameClass = "TfrPlanPrognRed", .member = MemberKind::Reductor, .table = "REDUCTOR",
     .filterControl = "cboReductor", .filter = FilterKind::Model, .allItem = "Все типы главных редукторов",
     .listQuery = "Select Distinct NAZVANIE_REDUCTORA From REDUCTOR Where Upper(TIP_VS) Not Like Upper('%HIDE%') "
                  "Order By TIP_VS, NAZVANIE_REDUCTORA, ID;",
     .conditionHead = "And NAZVANIE_REDUCTORA='", .conditionTail = "'", .installedOrder = "ZAVODSKOI_NOMER, ID",
     .storeColumn = "TEKUSHEE_RASPOLOGENIE", .storesTitle = "!Редукторы на складах",
     .storeOrder = "NAZVANIE_REDUCTORA, ZAVODSKOI_NOMER, ID", .templateCode = "rep03",
     .title = "Прогноз на замену главных редукторов", .component = "Главный редуктор", .filterLabel = "Модель главного редуктора"},
    {.frameClass = "TfrPlanPrognLopNV", .member = MemberKind::LopastNV, .table = "LOPAST",
     .filterControl = "cboLopast", .filter = FilterKind::Names,
     .listQuery = "Select Distinct NAZVANIE From LOPAST Where Upper(TIP_VS) Not Like Upper('%HIDE%') And "
                  "TIP_VINTA='Несущий' Order By TIP_VS, NAZVANIE, ID;",
     .conditionHead = "And NAZVANIE='", .conditionTail = "'", .installedOrder = "ZAVODSKOY_NOMER, ID",
     .storeColumn = "SKLAD_ARZ", .storesTitle = "!Лопасти на складах", .storeOrder = "NAZVANIE, ZAVODSKOY_NOMER, ID",
     .templateCode = "rep04",
     .title = "Прогноз на замену лопастей несущего винта", .component = "Лопасть несущего винта", .filterLabel = "Лопасть"},
    {.frameClass = "TfrPlanPrognLopRV", .member = MemberKind::LopastHV, .table = "LOPAST",
     .filterControl = "cboLopast", .filter = FilterKind::Names,
     .listQuery = "Select Distinct NAZVANIE From LOPAST Where Upper(TIP_VS) Not Like Upper('%HIDE%') And "
                  "TIP_VINTA='Хвостовой' Order By TIP_VS, NAZVANIE, ID;",
     .conditionHead = "And NAZVANIE='", .conditionTail = "'", .installedOrder = "ZAVODSKOY_NOMER, ID",
     .storeColumn = "SKLAD_ARZ", .storesTitle = "!Лопасти на складах", .storeOrder = "NAZVANIE, ZAVODSKOY_NOMER, ID",
     .templateCode = "rep04",
     .title = "Прогноз на замену лопастей рулевого винта", .component = "Лопасть рулевого винта", .filterLabel = "Лопасть"},
    {.frameClass = "TfrPlanPrognLopVV", .member = MemberKind::LopastVV, .table = "LOPAST",
     .filterControl = "cboLopast", .filter = FilterKind::Names,
     .listQuery = "Select Distinct NAZVANIE From LOPAST Where Upper(TIP_VS) Not Like Upper('%HIDE%') And "
                  "TIP_VINTA='Воздушный' Order By TIP_VS, NAZVANIE, ID;",
     .conditionHead = "And NAZVANIE='", .conditionTail = "'", .installedOrder = "ZAVODSKOY_NOMER, ID",
     .storeColumn = "SKLAD_ARZ", .storesTitle = "!Лопасти на складах", .storeOrder = "NAZVANIE, ZAVODSKOY_NOMER, ID",
     .templateCode = "rep04",
     .title = "Прогноз на замену лопастей воздушного винта", .component = "Лопасть воздушного винта", .filterLabel = "Лопасть"},
    {.frameClass = "TfrPlanPrognRV", .member = MemberKind::VintHV, .table = "HVOSTOVOY_VINT",
     .filterControl = "cboVint", .filter = FilterKind::Vint, .allItem = "Все рулевые винты",
     .listQuery = "Select Distinct NAZVANIE_VINTA From ETA_HVOST_VINT Where Upper(TIP_VS) Not Like Upper('%HIDE%') "
                  "Order By TIP_VS, NAZVANIE_VINTA, ID;",
     .itemPrefix = "Рулевой винт ", .conditionHead = " And NAZVANIE_VINT='", .conditionTail = "'",
     .installedExtra = "And ZAVODSKOY_NOMER_VTULKA Is Not Null ",
     .installedOrder = "GDE_STOIT, ZAVODSKOY_NOMER_VTULKA, ID", .storeColumn = "SKLAD_ARZ",
     .storesTitle = "!Рулевые винты на складах", .storeOrder = "SKLAD_ARZ, NAZVANIE_VINT, ID", .prefixed = true,
     .templateCode = "rep05",
     .title = "Прогноз на замену втулок рулевого винта", .component = "Рулевой винт", .filterLabel = "Винт"},
    {.frameClass = "TfrPlanPrognVV", .member = MemberKind::VintVV, .table = "VOZDUSHNY_VINT",
     .filterControl = "cboVint", .filter = FilterKind::Vint, .allItem = "Все воздушные винты",
     .listQuery = "Select Distinct NAZVANIE_VINTA From ETA_VOZD_VINT Where Upper(TIP_VS) Not Like Upper('%HIDE%') "
                  "Order By TIP_VS, NAZVANIE_VINTA, ID;",
     .itemPrefix = "Воздушный винт ", .conditionHead = " And NAZVANIE_VINTA='", .conditionTail = "'",
     .installedExtra = "And ZAVODSKOY_NOMER Is Not Null ", .installedOrder = "GDE_STOIT, ZAVODSKOY_NOMER, ID",
     .storeColumn = "SKLAD_ARZ", .storesTitle = "!Воздушные винты на складах",
     .storeOrder = "SKLAD_ARZ, NAZVANIE_VINTA, ID", .prefixed = true, .templateCode = "rep05",
     .title = "Прогноз на замену втулок воздушного винта", .component = "Воздушный винт", .filterLabel = "Винт"},
    {.frameClass = "TfrPlanPrognVtulkaNV", .member = MemberKind::VtulkaNV, .table = "VTULKA_NV",
     .filterControl = "cboAgregat", .filter = FilterKind::Drawing,
     .listQuery = "Select Distinct CHERT_NOMER, NAZVANIE From ETA_VTULKA_NV Order By NAZVANIE, CHERT_NOMER, ID;",
     .drawingQuery = "Select ID_NAME From ETA_VTULKA_NV Where (UPPER(CHERT_NOMER)=UPPER('",
     .drawingQueryTail = "')) Order By ID;", .nameReference = "Select * From ETA_VTULKA_NV Order By ID_NAME;",
     .installedOrder = "ZAVODSKOY_NOMER, ID", .storeColumn = "SKLAD_ARZ", .storesTitle = "!Втулки на складах",
     .storeOrder = "NAZVANIE, ZAVODSKOY_NOMER, ID", .notOnEngine = true, .templateCode = "rep07",
     .title = "Прогноз на замену втулок несущего винта", .component = "Втулка несущего винта", .filterLabel = "Втулка"},
    {.frameClass = "TfrPlanPrognLebedka", .member = MemberKind::Lebedka, .table = "LEBEDKA",
     .filterControl = "cboAgregat", .filter = FilterKind::Plain,
     .listQuery = "Select Distinct CHERT_NOMER_LEBEDKA From ETA_LEBEDKA Order By CHERT_NOMER_LEBEDKA, ID;",
     .conditionHead = "And NAZVANIE_LEBEDKA='", .conditionTail = "' ", .installedOrder = "ZAVODSKOY_NOMER_LEBEDKA, ID",
     .storeColumn = "SKLAD_ARZ", .storesTitle = "!Лебедки на складах",
     .storeOrder = "NAZVANIE_LEBEDKA, ZAVODSKOY_NOMER_LEBEDKA, ID", .prefixed = true, .templateCode = "rep07",
     .title = "Прогноз на замену электролебедок", .component = "Электролебедка", .filterLabel = "Электролебедка"},
    {.frameClass = "TfrPlanPrognZCU", .member = MemberKind::Zcu, .table = "ZCU", .filterControl = "cboAgregat",
     .filter = FilterKind::Drawing, .listQuery = "Select Distinct CHERT_NOMER, NAME From ETA_ZCU Where ",
     .listByTypes = true, .listTail = "Order By NAME, CHERT_NOMER, ID;",
     .drawingQuery = "Select ID_NAME From ETA_ZCU Where (UPPER(CHERT_NOMER) Like UPPER('",
     .drawingQueryTail = "')) Order By ID;", .nameReference = "Select * From ETA_ZCU Order By ID_NAME;",
     .installedOrder = "ZAVOD_NOMER, ID", .storeColumn = "SKLAD_ARZ", .storesTitle = "!Агрегаты на складах",
     .storeOrder = "ID_NAME, ZAVOD_NOMER, ID", .templateCode = "rep06",
     .title = "Прогноз на замену агрегатов ЗЧУ", .component = "Агрегат ЗЧУ", .filterLabel = "Агрегат ЗЧУ"},
    {.frameClass = "TfrPlanPrognAgregat", .member = MemberKind::Agregat, .table = "AGREGAT",
     .filterControl = "cboAgregat", .filter = FilterKind::Drawing,
     .listQuery = "Select Distinct CHERT_NOMER, NAZVANIE From ETAAGREGAT Where ((ED_IZMARENIA)='0') "
                  "Order By PRINADLEGNOST, NAZVANIE, CHERT_NOMER, ID;",
     .listQueryResurs = "Select Distinct CHERT_NOMER, NAZVANIE From ETAAGREGAT Where (((IND_UCHET)=1) And "
                        "((ED_IZMARENIA)='0')) Order By PRINADLEGNOST, NAZVANIE, CHERT_NOMER, ID;",
     .drawingQuery = "Select ID_NAME From ETAAGREGAT Where (UPPER(CHERT_NOMER) Like UPPER('",
     .drawingQueryTail = "')) Order By ID;", .nameReference = "Select * From ETAAGREGAT Order By ID_NAME;",
     .installedOrder = "ZAVODSKOY_NOMER, ID", .storeColumn = "SKLAD_ARZ", .storesTitle = "!Агрегаты на складах",
     .storeOrder = "NAZVANIE, ZAVODSKOY_NOMER, ID", .notOnEngine = true, .templateCode = "rep07",
     .title = "Прогноз на замену агрегатов", .component = "Агрегат", .filterLabel = "Агрегат"},
};

} // namespace

const ComponentFrameRow* componentFrame(const QString& frameClass)
{
    for (const ComponentFrameRow& s : kFrames)
        if (frameClass == QLatin1String(s.frameClass)) return &s;
    return nullptr;
}

TfrPlanPrognComponent::TfrPlanPrognComponent(const ComponentFrameRow& row)
    : TPlanFrame(QStringLiteral("frmPlanPrognoz")), m_row(row)
{
    auto* panel = new QGridLayout(this);
    panel->setContentsMargins(4, 4, 4, 4);
    m_basis = new BasisControls(this);
    m_filter = new QComboBox(this);
    m_filter->setObjectName(QLatin1String(row.filterControl));
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    int line = 0;
    panel->addWidget(m_basis->lblNalet, line++, 0);
    panel->addWidget(m_basis->row, line++, 0);
    panel->addWidget(m_filter, line++, 0);
    if (!row.listQueryResurs.isEmpty()) {
        chkResurs = new QCheckBox(QStringLiteral("Агрегаты с индивидуальным учетом ресурса"), this);
        chkResurs->setObjectName(QStringLiteral("chkResurs"));
        panel->addWidget(chkResurs, line++, 0);
        connect(chkResurs, &QCheckBox::toggled, this, [this] { guarded([this] { fillFilterList(); }); });
    }
    panel->addWidget(cmdReport, line++, 0);
    bindShowButton(cmdReport);
}

TfrPlanPrognComponent::~TfrPlanPrognComponent() = default;

void TfrPlanPrognComponent::FunStart()
{
    fillFilterList();
    setFixedHeight(sizeHint().height());
}

QStringList TfrPlanPrognComponent::typesNotHidden()
{
    auto ds = openQuery(ADOConPdo, QStringLiteral("Select TIP_VS From TIPOVYE_DANNYE_VS Where Not Upper(TIP_VS) Like "
                                                  "Upper('%Hide%') Order By TIP_VS, ID;"));
    QStringList t;
    for (; !ds->eof(); ds->next()) t << ds->str(0);
    return t;
}

void TfrPlanPrognComponent::fillFilterList()
{
    QString sql = chkResurs && chkResurs->isChecked() ? m_row.listQueryResurs : m_row.listQuery;
    if (m_row.listByTypes) {
        // "(TIP_VS='A' Or TIP_VS='B')" over the types not hidden.
        const QStringList types = typesNotHidden();
        QString c;
        for (const QString& t : types) c += (c.isEmpty() ? QStringLiteral("(") : QStringLiteral(" Or ")) +
                                            QStringLiteral("TIP_VS='") + frames::sqlEscape(t) + QLatin1Char('\'');
        sql = m_row.listQuery + (types.isEmpty() ? QStringLiteral("TIP_VS='!'") : c + QLatin1Char(')')) +
              m_row.listTail;
    }
    m_filter->clear();
    if (!m_row.allItem.isEmpty()) m_filter->addItem(m_row.allItem);
    auto ds = openQuery(ADOConPdo, sql);
    for (; !ds->eof(); ds->next()) {
        switch (m_row.filter) {
        case FilterKind::Drawing:
            m_filter->addItem(ds->str(1) + QLatin1Char(' ') + kItemSeparator + ds->str(0));
            break;
        case FilterKind::Vint: m_filter->addItem(m_row.itemPrefix + kItemSeparator + ds->str(0)); break;
        default: m_filter->addItem(ds->str(0)); break;
        }
    }
    m_filter->setCurrentIndex(0);
}

QString TfrPlanPrognComponent::filterCondition()
{
    const QString item = m_filter->currentText();
    const bool all = !m_row.allItem.isEmpty() && m_filter->currentIndex() == 0;
    switch (m_row.filter) {
    case FilterKind::Model:
    case FilterKind::Vint:
        if (all) return {};
        [[fallthrough]];
    case FilterKind::Names:
    case FilterKind::Plain: {
        const int sep = item.indexOf(kItemSeparator);
        const QString value = m_row.filter == FilterKind::Vint && sep >= 0 ? item.mid(sep + 2) : item;
        return m_row.conditionHead + frames::sqlEscape(value) + m_row.conditionTail;
    }
    case FilterKind::Drawing: break;
    }
    const int sep = item.indexOf(kItemSeparator);
    const QString drawing = sep >= 0 ? item.mid(sep + 2) : item;
    auto ids = openQuery(ADOConPdo, m_row.drawingQuery + frames::sqlEscape(drawing) + m_row.drawingQueryTail);
    QString c;
    for (; !ids->eof(); ids->next())
        c += (c.isEmpty() ? QStringLiteral("(") : QStringLiteral(" Or ")) + QStringLiteral("ID_NAME='") + frames::sqlEscape(ids->str(0)) +
             QLatin1Char('\'');
    return QStringLiteral("And ") + (c.isEmpty() ? QStringLiteral("(ID_NAME='0')") : c + QLatin1Char(')'));
}

bool TfrPlanPrognComponent::onlyOwn() const
{
    return IniFile(settingsPath()).readBool(QStringLiteral("MAIN"), QStringLiteral("MOVE_ONLY_OWN"), true);
}

QString TfrPlanPrognComponent::ownershipCondition()
{
    return onlyOwn() ? rarozidi::FunOnlyOwn(*ADOConPdo, QStringLiteral("And "))
                     : rarozidi::FunSobst(*ADOConPdo, QStringLiteral("And "));
}

QString TfrPlanPrognComponent::filterChoiceText() const
{
    const QString item = m_filter->currentText();
    const int sep = item.indexOf(kItemSeparator);
    if (sep < 0) return item;
    const QString name = item.left(sep).trimmed();
    const QString value = item.mid(sep + kItemSeparator.size()).trimmed();
    if (m_row.filter == FilterKind::Drawing)
        return (name.isEmpty() ? QString() : name + QStringLiteral(", ")) + QStringLiteral("чертежный № ") + value;
    return name + QLatin1Char(' ') + value;
}

ReportValues TfrPlanPrognComponent::headingValues(const Thresholds& t, const QDate& today) const
{
    QString filter = QString::fromUtf8(m_row.filterLabel) + QStringLiteral(": ") + filterChoiceText();
    if (chkResurs && chkResurs->isChecked()) filter += QStringLiteral(" (из агрегатов с индивидуальным учетом ресурса)");
    const QStringList covers{
        QStringLiteral("ВС и компоненты: ") + rarozidi::ownershipText(*ADOConPdo, onlyOwn()),
        filter,
        basisLine(m_basis->basis(), m_basis->plannedText(), today),
        QStringLiteral("Склады: компоненты на складе «Склад»; в ремонте и на рекламации не показаны"),
    };
    ReportValues v = forecastValues(*ADOConPdo, QString::fromUtf8(m_row.title), covers, t, m_row.zcuMark, true);
    v.insert(QStringLiteral("component"), QString::fromUtf8(m_row.component));
    return v;
}

double TfrPlanPrognComponent::FunLastMonth(const QString& board, const QString& type)
{
    FlyingBasis basis(*ADOConPdo, 0, QString(), Clock::today());
    const rarozidi::GroundRule rule = readAirframeGroundRule(*ADOConPdo, type);
    return basis.FunLastMonth(board, rule.counts, rule.share);
}

void TfrPlanPrognComponent::FunReport()
{
    const Thresholds t = readThresholds(settingsPath());
    const QDate today = Clock::today();
    const int basisIndex = m_basis->basis();
    FlyingBasis basis(*ADOConPdo, basisIndex, m_basis->plannedText(), today);
    // The planned basis gives every aircraft the same flying; the actual one
    // marks the titles "!" and gives each aircraft its own.
    const QString monthly = basisIndex == 1
                                ? monthlyFlyingText(plannedDailyRate(FlyingBasis::plannedHours(m_basis->plannedText())))
                                : QStringLiteral("!");
    ForecastMember m = member(m_row.member);
    m.zcuMark = m_row.zcuMark;
    const QString T = QLatin1String(m_row.table);
    const QString G = m_row.storeColumn;

    runSingleReport(reportHost(), *ADOQueryReport, QStringLiteral("Select * From REPORT_PROGNOZ ORDER BY ID;"),
                    QLatin1String(m_row.templateCode), [&](StagingWriter& w) {
                        const ReadTransaction reads(ADOConPdo);
                        // A type's rows are read once, not once per component.
                        const QueryMemo memo(ADOConPdo, {QStringLiteral("TIPOVYE_DANNYE_VS")});
                        frxReport->setValues(headingValues(t, today));
                        const rarozidi::FlightCache flights;
                        // What the fleet-wide report cannot reach is said on its page.
                        frames::noteFleetReach(*ADOConPdo, T);
                        const QString condition = filterCondition();
                        const QString own = ownershipCondition();
                        std::unique_ptr<Dataset> reference;
                        if (!m_row.nameReference.isEmpty()) reference = openQuery(ADOConPdo, m_row.nameReference);
                        const TypeGroundRules noRules; // the rate below takes the airframe rule itself

                        // Installed, type by type and aircraft by aircraft. With
                        // many aircraft the register, their components and their
                        // flights are read in sets.
                        const QString fleetSource = QStringLiteral("From REESTR Where (Not Upper(TIP_VS) Like Upper('%Hide%')) ") + own;
                        frames::BoardSets sets(ADOConPdo, frames::BoardSets::wanted(static_cast<std::size_t>(
                                                              queryScalar(ADOConPdo, QStringLiteral("Select Count(*) ") +
                                                                                         fleetSource + QLatin1Char(';'))
                                                                  .toInt())));
                        basis.readThrough(&sets);
                        const QStringList types = typesNotHidden();
                        progressStart(static_cast<int>(types.size()) + 1);
                        std::vector<rarozidi::GroundRule> airframe;
                        std::vector<std::unique_ptr<Dataset>> aircraftOf;
                        for (const QString& type : types) {
                            airframe.push_back(readAirframeGroundRule(*ADOConPdo, type));
                            aircraftOf.push_back(std::make_unique<Dataset>(ADOConPdo));
                            sets.openSorted(*aircraftOf.back(),
                                            QStringLiteral("Select * From REESTR Where TIP_VS='") + frames::sqlEscape(type) +
                                                QStringLiteral("' And ") +
                                                QStringLiteral("(Not Upper(TIP_VS) Like Upper('%Hide%')) ") + own +
                                                QStringLiteral("Order By BORTOVOI_NOMER, ID;"),
                                            fleetSource, QStringLiteral("BORTOVOI_NOMER, ID"), {{QStringLiteral("TIP_VS"), type}});
                        }
                        // The components on every aircraft, in the order they are written.
                        const QString installedTail = QStringLiteral(") ") + m_row.installedExtra + condition;
                        const QString everyAircraft =
                            QStringLiteral("From ") + T + QStringLiteral(" Where (Not GDE_STOIT Is Null") + installedTail;
                        std::vector<std::unique_ptr<Dataset>> installed;
                        std::vector<std::pair<QString, QDate>> continuous;
                        for (auto& aircraft : aircraftOf)
                            for (aircraft->first(); !aircraft->eof(); aircraft->next()) {
                                const QString board = aircraft->str(3);
                                auto rows = std::make_unique<Dataset>(ADOConPdo);
                                sets.openSorted(*rows,
                                                QStringLiteral("Select * From ") + T + QStringLiteral(" Where (GDE_STOIT='") +
                                                    frames::sqlEscape(board) + QLatin1Char('\'') + installedTail +
                                                    QStringLiteral(" Order By ") + m_row.installedOrder + QLatin1Char(';'),
                                                everyAircraft, m_row.installedOrder, {{QStringLiteral("GDE_STOIT"), board}});
                                for (; !rows->eof(); rows->next())
                                    if (const auto since = continuousSince(m, *rows)) continuous.push_back(*since);
                                rows->first();
                                installed.push_back(std::move(rows));
                            }
                        // The flights their continuous running counts, a few queries for all.
                        if (sets.sets()) rarozidi::FlightCache::readBoardsSince(*ADOConPdo, continuous);

                        bool titled = false;
                        std::size_t next = 0;
                        for (std::size_t i = 0; i < aircraftOf.size(); ++i) {
                            progressStep();
                            Dataset& aircraft = *aircraftOf[i];
                            for (aircraft.first(); !aircraft.eof(); aircraft.next()) {
                                Dataset& rows = *installed[next++];
                                const QString board = aircraft.str(3);
                                const QString who = aircraft.str(1) + QLatin1Char(' ') + board;
                                frames::noteRunningTime(aircraft, 22, frames::rowKey(aircraft, 3));
                                try {
                                    const double rate = basis.rate(board, airframe[i]);
                                    const QString own30 = basisIndex == 1 ? monthly : monthlyFlyingText(rate);
                                    const RateOf rateOf = [rate](const rarozidi::GroundRule&) { return rate; };
                                    for (; !rows.eof(); rows.next()) {
                                        const ForecastLine l =
                                            workLine(m, *ADOConPdo, rows, lineName(m, rows, reference.get()),
                                                     m_row.prefixed, noRules, rateOf, t, today);
                                        if (!titled) {
                                            w.addRow({QStringLiteral("!Установленные на ВС"), QString(), monthly,
                                                      basisIndex, l.name});
                                            titled = true;
                                        }
                                        w.addRow(QVariantList{aircraft.str(1) + QStringLiteral(" <b>") + board +
                                                                  QStringLiteral("</b>"),
                                                              aircraft.str(22), own30, basisIndex} +
                                                 l.cells());
                                    }
                                } catch (const ConversionError& e) {
                                    throw ConversionError(QStringLiteral("ВС ") + who + QStringLiteral(", ") +
                                                          e.message());
                                }
                            }
                        }

                        // The stores: "Склад" only, store by store, then those without a store.
                        progressStep();
                        const QString extra = m_row.installedExtra +
                                              (m_row.notOnEngine ? QLatin1String(kNotOnEngine) : QLatin1String(""));
                        const QString inStore = QStringLiteral("(Not Upper(TIP_VS) Like Upper('%HIDE%') And "
                                                               "((GDE_STOIT)='Склад')");
                        bool storesTitled = false;
                        const RateOf noRate = [](const rarozidi::GroundRule&) { return 0.0; };
                        auto writeStored = [&](const QString& store, Dataset& rows) {
                            for (; !rows.eof(); rows.next()) {
                                try {
                                    ForecastLine l = workLine(m, *ADOConPdo, rows, lineName(m, rows, reference.get()),
                                                              m_row.prefixed, noRules, noRate, t, today);
                                    l.date = QStringLiteral("-");
                                    if (!storesTitled) {
                                        w.addRow({m_row.storesTitle, QString(), monthly, basisIndex});
                                        storesTitled = true;
                                    }
                                    w.addRow(QVariantList{store, QStringLiteral("-"), monthly, basisIndex} + l.cells());
                                } catch (const ConversionError& e) {
                                    throw ConversionError(QStringLiteral("Склад ") + store + QStringLiteral(", ") +
                                                          e.message());
                                }
                            }
                        };
                        auto stores = openQuery(ADOConPdo, QStringLiteral("SELECT DISTINCT ") + G +
                                                               QStringLiteral(" FROM ") + T + QStringLiteral(" WHERE ") +
                                                               inStore + QStringLiteral(" And ") + G +
                                                               QStringLiteral("<>'') ") + extra + condition + own +
                                                               QStringLiteral(" Order By ") + G + QLatin1Char(';'));
                        for (; !stores->eof(); stores->next()) {
                            const QString store = stores->str(0);
                            auto rows = openQuery(ADOConPdo, QStringLiteral("SELECT * FROM ") + T +
                                                                 QStringLiteral(" WHERE ") + inStore +
                                                                 QStringLiteral(" And ") + G + QStringLiteral("='") +
                                                                 frames::sqlEscape(store) + QStringLiteral("') ") + extra + condition +
                                                                 own + QStringLiteral(" Order By ") +
                                                                 m_row.storeOrder + QLatin1Char(';'));
                            writeStored(store, *rows);
                        }
                        auto unnamed = openQuery(ADOConPdo, QStringLiteral("SELECT * FROM ") + T +
                                                                QStringLiteral(" WHERE ") + inStore +
                                                                QStringLiteral(") And (((") + G +
                                                                QStringLiteral(")='') Or ((") + G +
                                                                QStringLiteral(") Is Null)) ") + extra + condition +
                                                                own + QStringLiteral(" Order By ") + m_row.storeOrder +
                                                                QLatin1Char(';'));
                        writeStored(QStringLiteral("Расположение не указано"), *unnamed);
                    });
}

} // namespace plan::forecast
