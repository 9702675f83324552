#include "applications/TfrPlanZaiavSLGActOtcenkiTS.h"

#include "applications/SlgCommon.h"
#include "applications/SlgUnits.h"
#include "data/Positions.h"
#include "frames/AircraftTree.h"
#include "frames/CodeSelector.h"
#include "frames/SqlText.h"
#include "platform/Clock.h"
#include "platform/Dataset.h"
#include "platform/ReportComponent.h"
#include "rarozidi/Flying.h"
#include "rarozidi/Func.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace plan::applications {
namespace {
using frames::sqlText;

const QString kNot = QStringLiteral("не реглам.");
const QString kNone = QStringLiteral("нет");
const QString kMissing = QStringLiteral("отсутствует");

QString orText(const QString& v, const QString& otherwise) { return v.trimmed().isEmpty() ? otherwise : v.trimmed(); }

// A limit in hours or landings: "N час." / "N п.", "не реглам." when 0 or NULL.
QString limitText(const Field& f, const char* unit)
{
    if (f.isNull() || f.asString().trimmed().isEmpty() || f.asString().trimmed() == QLatin1String("0")) return kNot;
    return f.asString().trimmed() + QString::fromUtf8(unit);
}
QString limitText(const QString& v, const char* unit)
{
    const QString t = v.trimmed();
    return t.isEmpty() || t == QLatin1String("0") ? kNot : t + QString::fromUtf8(unit);
}

QString actCaption(const SlgUnit& u)
{
    QString c;
    if (u.kind == QLatin1String("Dvigatel")) c = engineCaption(u.engineIndex, u.engineCount) + QLatin1Char(' ') + u.model;
    else if (u.kind == QLatin1String("Reductor")) c = QStringLiteral("Главный редуктор ") + u.model;
    else if (u.kind == QLatin1String("VSU")) c = QStringLiteral("ВСУ ") + u.model;
    else if (u.kind == QLatin1String("LopastHV")) c = QStringLiteral("Лопасти РВ ") + u.model;
    else if (u.kind == QLatin1String("HvostovoyVint")) c = QStringLiteral("Винт рулевой ") + u.model;
    else if (u.kind == QLatin1String("LopastNV")) c = QStringLiteral("Лопасть несущего винта ") + u.model;
    else c = u.name;
    QString serial = u.serial;
    if (u.kind == QLatin1String("LopastNV")) serial.replace(QLatin1Char('_'), QLatin1Char(' '));
    return c + QStringLiteral(" № ") + serial;
}

QString running(const SlgUnit& u, long long v)
{
    return u.counts ? QString::number(v) + QStringLiteral(" п.") : hoursMinutesText(v);
}
} // namespace

bool isEmptyDate(const QString& text) { return !text.contains(QRegularExpression(QStringLiteral("\\d"))); }

QDate parseMaskedDate(const QString& text)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    QDate d = QDate::fromString(t, QStringLiteral("dd.MM.yy"));
    if (d.isValid() && d.year() < 1950) d = d.addYears(100);
    return d;
}

std::optional<ActProblem> checkAct(const ActOptions& o)
{
    if (o.type.trimmed().isEmpty()) return ActProblem{QStringLiteral("cboTipVS"), QStringLiteral("тип ВС"), 6};
    if (o.board.trimmed().isEmpty()) return ActProblem{QStringLiteral("cboNumVS"), QStringLiteral("бортовой номер ВС"), 6};
    if (!parseMaskedDate(o.dataOsmotra).isValid())
        return ActProblem{QStringLiteral("txtDataOsmotra"), QStringLiteral("Дата осмотра"), 7};
    if (!isEmptyDate(o.dataTO) && !parseMaskedDate(o.dataTO).isValid())
        return ActProblem{QStringLiteral("txtDataTO"), QStringLiteral("Дата ТО"), 9};
    if (!isEmptyDate(o.raspData) && !parseMaskedDate(o.raspData).isValid())
        return ActProblem{QStringLiteral("txtRaspData"), QStringLiteral("Дата распоряжения"), 9};
    return std::nullopt;
}

QString actTemplate(const QString& operatorName)
{
    return isDuzOperator(operatorName) ? QStringLiteral("rep06") : QStringLiteral("rep01");
}

ActDocument buildSlgAct(Connection* c, const ActOptions& o)
{
    namespace r = pos::reestr;
    ActDocument doc;
    StagingRow& h = doc.header;
    auto head = openQuery(c, QStringLiteral("Select DOLGNOST_IAS, FIO_IAS From OBSHIE Where EXPLUATANT=") +
                                 sqlText(o.operatorCode) + QStringLiteral(" Order By ID;"));
    h.set(act::HeadPost, head->eof() ? QString() : head->str(0)).set(act::HeadName, head->eof() ? QString() : head->str(1));
    h.set(act::OrderAndDate, o.raspNomer.trimmed() + QLatin1Char('!') + longDate(o.date))
        .set(act::OrderNumber, o.raspNomer.trimmed()).set(act::ActDate, longDate(o.date))
        .set(act::OrderDate, isEmptyDate(o.raspData) ? kMissing : o.raspData)
        .set(act::ChairName, o.predFIO).set(act::ChairPost, o.predDolgn);
    for (int i = 0; i < 3; ++i) h.set(act::Member1Name + 2 * i, o.chlenFIO[i]).set(act::Member1Name + 2 * i + 1, o.chlenDolgn[i]);
    h.set(act::InspectionDate, o.dataOsmotra)
        .set(act::MaintenanceForm, orText(o.formaTO, QStringLiteral("не выполнялся")))
        .set(act::MaintenanceKind, o.vidTO)
        .set(act::MaintenanceCard, orText(o.numKN, kMissing))
        .set(act::MaintenanceDate, isEmptyDate(o.dataTO) ? kMissing : o.dataTO)
        .set(act::Type, o.type).set(act::Board, o.board);

    const SlgGround ground = readSlgGround(c, o.type);
    auto reg = openQuery(c, QStringLiteral("Select * From REESTR Where BORTOVOI_NOMER=") + sqlText(o.board) +
                                QStringLiteral(" Order By ID;"));
    SlgUnitReader reader(c, o.type.trimmed(), o.board, o.date, ground, SlgQueries::Act);
    frames::LaterFlights& later = reader.later();
    if (!reg->eof()) {
        const QString unit = QStringLiteral("планер");
        const QDate made = reg->field(r::DATA_IGOTOVLEN).asDate(), repair = reg->field(r::REMONT_DATA).asDate();
        const bool overhauled = reg->field(r::VSEGO_REMONTOV).asInteger() > 0;
        const long long after = later.of(o.board).empty()
                                    ? 0
                                    : later.minutesAfter(o.board, rarozidi::FlightColumns::Aircraft, ground.planer);
        const int landings = later.landingsAfter(o.board);
        auto hours = [&](int p, const char* column) {
            const QString t = reg->str(p).trimmed();
            return t.isEmpty() ? kMissing
                               : hoursMinutesText(runningMinutes(t, o.board, unit, QString::fromLatin1(column)) - after);
        };
        auto count = [&](int p) {
            return reg->field(p).isNull() ? kMissing : QString::number(reg->field(p).asInteger() - landings) + QStringLiteral(" п.");
        };
        h.set(act::Serial, orText(reg->str(r::ZAVODSKOI_NOMER), kMissing))
            .set(act::Made, made.isValid() ? longDate(made) : kMissing)
            .set(act::HoursSinceNew, hours(r::NARABOTKA_SNE, "NARABOTKA_SNE"))
            .set(act::LandingsSinceNew, count(r::POSADKI_SNE))
            .set(act::Age, made.isValid() ? calendarAge(made, o.date) : kMissing)
            .set(act::AssignedHours, limitText(reg->field(r::RESURS_NAZN_CHASOV), " час."))
            .set(act::AssignedLandings, limitText(reg->field(r::RESURS_NAZN_POSADOK), " п."))
            .set(act::AssignedLeft, reg->str(r::RESURS_NAZN_LET).trimmed().isEmpty()
                                        ? kNot
                                        : orText(remainingCalendar(reg->str(r::RESURS_NAZN_LET), made, o.date, o.board,
                                                                   unit, QStringLiteral("RESURS_NAZN_LET")),
                                                 kMissing))
            .set(act::HoursSinceOverhaul, overhauled ? hours(r::NARABOTKA_PPR, "NARABOTKA_PPR") : kNone)
            .set(act::LandingsSinceOverhaul, overhauled ? count(r::POSADKI_PPR) : kNone)
            .set(act::AgeSinceOverhaul, overhauled && repair.isValid() ? calendarAge(repair, o.date) : kNone)
            .set(act::OverhaulHours, limitText(reg->field(r::MEZHREM_CHASOV), " час."))
            .set(act::OverhaulLandings, limitText(reg->field(r::MEZHREM_POSADOK), " п."))
            .set(act::OverhaulLeft, reg->str(r::MEZHREM_LET).trimmed().isEmpty() ? kNot
                                    : !overhauled || !repair.isValid()
                                        ? kNone
                                        : remainingCalendar(reg->str(r::MEZHREM_LET), repair, o.date, o.board, unit,
                                                            QStringLiteral("MEZHREM_LET")))
            .set(act::Overhauls, overhauled ? reg->str(r::VSEGO_REMONTOV) : kNone)
            .set(act::RepairDate, overhauled && repair.isValid() ? longDate(repair) : kNone)
            .set(act::Plant, overhauled ? orText(reg->str(r::REMONT_ZAVOD), kMissing) : kNone);
    }

    const std::vector<SlgTunedLine> lines = readSlgTunedList(c, o.type.trimmed(), QString::fromUtf8(kActDocument));
    doc.tuned = !lines.empty();
    const bool duz = isDuzOperator(o.operatorName);
    for (const SlgTunedLine& line : lines) {
        for (const SlgUnit& u : reader.units(line)) {
            if (!u.installed) continue; // a row per installed component
            // An APU is stated by its running time (the total, or the summed
            // hours of the "ТА-14-130").
            if (u.kind == QLatin1String("VSU") && u.apuWord != QString::fromUtf8(apuMeasures(u.model).front().word)) continue;
            const bool engineLike = u.kind == QLatin1String("Dvigatel") || u.kind == QLatin1String("Reductor");
            const QDate made = engineLike && duz ? u.calendarFrom : u.made;
            const QString unit = actCaption(u);
            StagingRow row;
            row.set(act::Number, static_cast<int>(doc.components.size()) + 1).set(act::Caption, unit)
                .set(act::CMade, made.isValid() ? shortDate(made) : kMissing)
                .set(act::CRepair, u.repaired() ? shortDate(u.repairDate) : kNone)
                .set(act::CSinceNew, running(u, u.sinceNew))
                .set(act::CAge, u.made.isValid() ? calendarAge(u.made, o.date) : kMissing)
                .set(act::CSinceOverhaul, u.hasSinceOverhaul ? running(u, u.sinceOverhaul) : kNone)
                .set(act::CAgeSinceOverhaul, u.repaired() ? calendarAge(u.repairDate, o.date) : kNone)
                .set(act::CAssigned, limitText(u.assigned, u.counts ? " п." : " час."))
                .set(act::CAssignedLeft, u.assignedCal.trimmed().isEmpty()
                                             ? kNot
                                             : orText(remainingCalendar(u.assignedCal, u.made, o.date, o.board, unit,
                                                                        QStringLiteral("NAZNACHENNYI_LET")),
                                                      kMissing))
                .set(act::COverhaul, limitText(u.overhaul, u.counts ? " п." : " час."))
                .set(act::COverhaulLeft, u.overhaulCal.trimmed().isEmpty() ? kNot
                                         : !u.repaired()
                                             ? kNone
                                             : remainingCalendar(u.overhaulCal, u.repairDate, o.date, o.board, unit,
                                                                 QStringLiteral("MEZHREMONTNYI_LET")));
            doc.components.push_back(row);
        }
    }
    return doc;
}

// ---------------------------------------------------------------- the frame

TfrPlanZaiavSLGActOtcenkiTS::TfrPlanZaiavSLGActOtcenkiTS() : TPlanFrame(QStringLiteral("frmPlanZaiavSLG"))
{
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(4, 4, 4, 4);
    auto* form = new QFormLayout;
    top->addLayout(form);
    picDateAct = new QDateEdit(this);
    picDateAct->setObjectName(QStringLiteral("picDateAct"));
    picDateAct->setCalendarPopup(true);
    picDateAct->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    form->addRow(QStringLiteral("Дата сост. акта:"), picDateAct);
    cboTipVS = new QComboBox(this);
    cboTipVS->setObjectName(QStringLiteral("cboTipVS"));
    form->addRow(QStringLiteral("Тип ВС:"), cboTipVS);
    cboNumVS = new QComboBox(this);
    cboNumVS->setObjectName(QStringLiteral("cboNumVS"));
    form->addRow(QStringLiteral("Бортовой номер:"), cboNumVS);
    connect(cboTipVS, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { cboTipVSChange(); }); });

    auto group = [&](const QString& title) {
        auto* g = new QGroupBox(title, this);
        auto* f = new QFormLayout(g);
        top->addWidget(g);
        return f;
    };
    const QString mask = QStringLiteral("99.99.99; ");
    QFormLayout* to = group(QStringLiteral("Последнее ТО"));
    cboVidTO = new QComboBox(this);
    cboVidTO->setObjectName(QStringLiteral("cboVidTO"));
    cboVidTO->addItems({QStringLiteral("Оперативное ТО"), QStringLiteral("Периодическое ТО")});
    to->addRow(QStringLiteral("Вид ТО:"), cboVidTO);
    to->addRow(QStringLiteral("Форма ТО:"), edit("txtFormaTO"));
    to->addRow(QStringLiteral("Дата ТО:"), edit("txtDataTO", mask));
    to->addRow(QStringLiteral("Номер к/н:"), edit("txtNumKN"));
    QFormLayout* order = group(QStringLiteral("Номер и дата распоряжения"));
    order->addRow(QStringLiteral("Номер:"), edit("txtRaspNomer"));
    order->addRow(QStringLiteral("Дата:"), edit("txtRaspData", mask));
    QFormLayout* chair = group(QStringLiteral("Председатель комиссии"));
    chair->addRow(QStringLiteral("Фамилия И.О."), edit("txtPredFIO"));
    chair->addRow(QStringLiteral("Должность"), edit("txtPredDolgn"));
    QFormLayout* members = group(QStringLiteral("Члены комиссии"));
    for (int i = 1; i <= 3; ++i) {
        members->addRow(QStringLiteral("Фамилия И.О."), edit(QStringLiteral("txtChlen%1FIO").arg(i).toLatin1().constData()));
        members->addRow(QStringLiteral("Должность"), edit(QStringLiteral("txtChlen%1Dolgn").arg(i).toLatin1().constData()));
    }
    auto* last = new QFormLayout;
    top->addLayout(last);
    last->addRow(QStringLiteral("Дата осмотра"), edit("txtDataOsmotra", mask));
    cmdReport = new QPushButton(QStringLiteral("Сформировать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    top->addWidget(cmdReport);
    top->addStretch(1);
    bindShowButton(cmdReport);
}

QLineEdit* TfrPlanZaiavSLGActOtcenkiTS::edit(const char* name, const QString& mask)
{
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    if (!mask.isEmpty()) e->setInputMask(mask);
    return e;
}

void TfrPlanZaiavSLGActOtcenkiTS::FunStart()
{
    if (!cboExpl) {
        cboExpl = new frames::OperatorSelector(this, settingsPath());
        static_cast<QFormLayout*>(static_cast<QVBoxLayout*>(layout())->itemAt(0)->layout())
            ->addRow(QStringLiteral("Эксплуатант"), cboExpl);
    }
    picDateAct->setDate(Clock::today());
    cboExpl->FunCboExpl(ADOConPdo);
    cboTipVS->blockSignals(true);
    cboTipVS->clear();
    auto types = openQuery(ADOConPdo, QString::fromUtf8(frames::kVisibleTypesQuery));
    for (; !types->eof(); types->next()) cboTipVS->addItem(types->str(0));
    cboTipVS->setCurrentIndex(-1);
    cboTipVS->blockSignals(false);
    cboNumVS->clear();
}

void TfrPlanZaiavSLGActOtcenkiTS::cboTipVSChange()
{
    cboNumVS->clear();
    if (cboTipVS->currentText().isEmpty()) return;
    auto boards = openQuery(ADOConPdo, QStringLiteral("Select Distinct BORTOVOI_NOMER From REESTR Where TIP_VS=") +
                                           sqlText(cboTipVS->currentText()) +
                                           QStringLiteral(" Order By BORTOVOI_NOMER, ID;"));
    for (; !boards->eof(); boards->next()) cboNumVS->addItem(boards->str(0));
    cboNumVS->setCurrentIndex(-1);
}

ActOptions TfrPlanZaiavSLGActOtcenkiTS::options() const
{
    auto text = [this](const QString& name) {
        auto* e = findChild<QLineEdit*>(name);
        return e ? e->text() : QString();
    };
    ActOptions o;
    o.operatorCode = cboExpl ? cboExpl->code() : QStringLiteral("-1");
    o.operatorName = cboExpl ? cboExpl->currentText() : QString();
    o.date = picDateAct->date();
    o.type = cboTipVS->currentText();
    o.board = cboNumVS->currentText();
    o.vidTO = cboVidTO->currentText();
    o.formaTO = text(QStringLiteral("txtFormaTO"));
    o.dataTO = text(QStringLiteral("txtDataTO"));
    o.numKN = text(QStringLiteral("txtNumKN"));
    o.raspNomer = text(QStringLiteral("txtRaspNomer"));
    o.raspData = text(QStringLiteral("txtRaspData"));
    o.predFIO = text(QStringLiteral("txtPredFIO"));
    o.predDolgn = text(QStringLiteral("txtPredDolgn"));
    for (int i = 0; i < 3; ++i) {
        o.chlenFIO[i] = text(QStringLiteral("txtChlen%1FIO").arg(i + 1));
        o.chlenDolgn[i] = text(QStringLiteral("txtChlen%1Dolgn").arg(i + 1));
    }
    o.dataOsmotra = text(QStringLiteral("txtDataOsmotra"));
    return o;
}

bool TfrPlanZaiavSLGActOtcenkiTS::FunOK()
{
    const std::optional<ActProblem> p = checkAct(options());
    if (!p) return true;
    rarozidi::FunMsg(p->text, p->kind);
    if (auto* w = findChild<QWidget*>(p->control)) {
        w->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
    }
    return false;
}

void TfrPlanZaiavSLGActOtcenkiTS::FunReport()
{
    if (!FunOK()) return;
    const ActOptions o = options();
    rarozidi::FlightCache flights;
    const QueryMemo memo(ADOConPdo, documentReferenceTables());
    const ActDocument doc = buildSlgAct(ADOConPdo, o);
    // The header is written first; the component part needs the tuned list.
    {
        StagingWriter p1(*ADOQueryReport, QString::fromUtf8(kActP1Query));
        p1.addRow(doc.header);
        p1.finish();
    }
    if (!doc.tuned) {
        ADOQueryReport->close();
        showNoTunedList(o.type.trimmed());
        return;
    }
    ReportValues v = rarozidi::FunReportValues(*ADOConPdo, o.operatorCode);
    v.insert(QStringLiteral("report_title"), QStringLiteral("Акт оценки технического состояния ВС"));
    v.insert(QStringLiteral("as_of"), o.date);
    frxReport->setValues(v);
    BusyScope busy(reportHost());
    {
        Dataset own(ADOConPdo);
        StagingWriter p2(ADOQueryReport2 ? *ADOQueryReport2 : own, QString::fromUtf8(kActP2Query));
        for (const StagingRow& r : doc.components) p2.addRow(r);
        p2.finish();
        if (ADOQueryReport2) ADOQueryReport2->close();
    }
    // The template reads the header row and names the component table itself.
    showStagedReport(reportHost(), *ADOQueryReport, actTemplate(o.operatorName));
    busy.finish();
}

PLAN_REGISTER_FRAME(TfrPlanZaiavSLGActOtcenkiTS)

} // namespace plan::applications
