#include "reports/TfrPlanRep8OASU.h"

#include "data/Positions.h"
#include "frames/CodeSelector.h"
#include "frames/OperatorHeader.h"
#include "frames/SqlText.h"
#include "platform/Clock.h"
#include "platform/Dataset.h"
#include "platform/SqlQuote.h"
#include "rarozidi/Flying.h"
#include "reports/FrameParts.h"

#include <QHBoxLayout>
#include <QSet>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRep8OASU)

namespace M = pos::dvigenie_v_ekspluatacii;
namespace O = pos::obshie;

MovementEvent movementEvent(const QString& fromText, const QString& toText, bool fromBoard, bool toBoard)
{
    const QString from = fromText.trimmed(), to = toText.trimmed();
    const QString store = QStringLiteral("На склад");
    MovementEvent e;
    if (fromBoard) e.board = from;
    if (toBoard) e.board = to;
    if (fromBoard) {
        e.toStore = store;
        e.event = to.contains(QStringLiteral("Склад")) ? QStringLiteral("Снят с ВС по производственной необходимости")
                                                       : QStringLiteral("Снят с ВС по выработке ресурса");
    }
    if (toBoard) e.event = QStringLiteral("Установлен на ВС");
    if (e.board.isEmpty()) {
        if (!to.isEmpty() && !to.contains(QStringLiteral("Склад")) && !to.contains(QStringLiteral("Ремфонд")))
            e.event = QStringLiteral("Направлен в ремонт");
        if (!from.isEmpty() && (from.contains(QStringLiteral("Ремонт")) || from.contains(QStringLiteral("Рекламация")))) {
            e.event = QStringLiteral("Поступил на склад из ремонта");
            e.toStore = store;
        }
    }
    if (!from.isEmpty() && !to.isEmpty() && from == to) {
        e.event = QStringLiteral("Приобретен в собственность");
        e.toStore = store;
    }
    if (to == QStringLiteral("Списание")) {
        e.event = QStringLiteral("Списан по выработке ресурса");
        e.toStore.clear();
    }
    if (to == QStringLiteral("В АРЗ с ВС без ремонта")) e.event = to;
    if (to == QStringLiteral("В АРЗ")) e.event = QStringLiteral("Направлен в ремонт");
    return e;
}

namespace {
QString dmy(const QDate& d) { return d.toString(QStringLiteral("dd.MM.yyyy")); }

// The header positions of every row (8 to 13, 15 to 17).
void setHeader(StagingRow& r, const frames::OperatorHeader& h, const QString& operatorCode, const QDate& reportDate)
{
    auto put = [&r](int pos, const QString& v) {
        if (!v.isEmpty()) r.set(pos, v);
    };
    put(f8::OperatorCode, h.at(O::EXPLUATANT));
    put(f8::Authority, h.at(O::IMIA_UGA));
    QString head = h.at(O::FIO_IAS);
    if (!h.at(O::VLADELETS).isEmpty() && operatorCode != QLatin1String("-1"))
        head += QLatin1Char(' ') + operatorCode;
    put(f8::Head, head);
    put(f8::Address, h.at(O::ADRES_PREDPR));
    r.set(f8::ReportDate, dmy(reportDate));
    put(f8::HeadPost, h.at(O::DOLGNOST_IAS));
    r.set(f8::ReportDate2, dmy(reportDate));
    if (!h.preparerName().isEmpty() || !h.preparerPhone().isEmpty())
        r.set(f8::Preparer, h.preparerName() + QStringLiteral(" тел.") + h.preparerPhone());
    put(f8::Email, h.companyEmail());
}
} // namespace

StagedRows buildForm8Oasu(Connection* c, const Form8Options& o)
{
    StagedRows out;
    const QDate reportDate = frames::reportDate(o.month, o.today);
    const frames::OperatorHeader h = frames::OperatorHeader::ofOperator(c, o.operatorCode);
    out.doubts << headerDoubts(h.found(), o.operatorCode);
    const QString owner = h.ownerCode().isEmpty() ? QStringLiteral("-1") : h.ownerCode();
    auto headerOnly = [&] {
        StagingRow r;
        setHeader(r, h, o.operatorCode, reportDate);
        out.rows.push_back(r);
    };

    auto m = openQuery(c, QStringLiteral("Select * From DVIGENIE_V_EKSPLUATACII Where SOBSTVENNOST=") +
                              frames::sqlText(owner) + QStringLiteral(" And (DATA_PEREVODA Between ") +
                              frames::sqlDate(o.month.first) + QStringLiteral(" And ") + frames::sqlDate(o.month.last) +
                              QStringLiteral(")") +
                              QStringLiteral(" And (NAIMENOVANIE='Dvigatel' Or NAIMENOVANIE='Reductor' Or "
                                             "NAIMENOVANIE='VSU')") +
                              QStringLiteral(" Order By DATA_PEREVODA, ID;"));
    if (m->eof()) {
        headerOnly();
        return out;
    }
    // FunIsBN's test (a place that is not a store word and is a board number
    // of the register) against the register's board numbers read once, as
    // the database compares them (trailing blanks do not count).
    QSet<QString> boards;
    auto reg = openQuery(c, QStringLiteral("Select BORTOVOI_NOMER From REESTR;"));
    for (; !reg->eof(); reg->next()) boards.insert(sqlCompared(reg->str(0)));
    auto isBoard = [&](int pos) {
        const QString t = m->str(pos).trimmed();
        return !t.isEmpty() && !rarozidi::isStoreWord(t) && boards.contains(t);
    };
    int number = 0;
    for (; !m->eof(); m->next()) {
        const MovementEvent e = movementEvent(m->str(M::OTKUDA), m->str(M::KUDA), isBoard(M::OTKUDA), isBoard(M::KUDA));
        if (e.dropped()) continue; // the clean-up of rows naming no aircraft and no event
        StagingRow r;
        const QDate date = m->field(M::DATA_PEREVODA).asDate();
        if (date.isValid()) r.set(f8::Date, dmy(date));
        auto put = [&r](int pos, const QString& v) {
            if (!v.isEmpty()) r.set(pos, v);
        };
        put(f8::Board, e.board);
        put(f8::Model, m->str(M::NAZVANIE));
        put(f8::Serial, m->str(M::ZAVODSKOY_NOMER));
        put(f8::Reason, m->str(M::PRICHINA));
        put(f8::ToStore, e.toStore);
        put(f8::Event, e.event);
        setHeader(r, h, o.operatorCode, reportDate);
        r.set(f8::Number, QString::number(++number));
        out.rows.push_back(r);
    }
    if (out.rows.empty()) headerOnly();
    return out;
}

TfrPlanRep8OASU::TfrPlanRep8OASU() : TPlanFrame(QStringLiteral("frmPlanReport"))
{
    m_period = std::make_unique<frames::PeriodControls>(this);
    m_period->cboCvartal->hide();
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    bindShowButton(cmdReport);
}

TfrPlanRep8OASU::~TfrPlanRep8OASU() = default;

void TfrPlanRep8OASU::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* lblExpl = new QLabel(QStringLiteral("Эксплуатант:"), this);
    lblExpl->setObjectName(QStringLiteral("lblExpl"));
    layout->addWidget(lblExpl);
    layout->addWidget(cboExpl);
    auto* periodRow = new QHBoxLayout;
    periodRow->addWidget(m_period->cboMonth, 1);
    periodRow->addWidget(m_period->cboYear, 1);
    layout->addLayout(periodRow);
    layout->addWidget(cmdReport);
    layout->addStretch(1);
    FunCboExpl();
    FunCalendar();
}

void TfrPlanRep8OASU::FunCboExpl() { cboExpl->FunCboExpl(ADOConPdo); }

void TfrPlanRep8OASU::FunCalendar()
{
    m_period->FunCalendar(ADOConPdo, QStringLiteral("Select Min(DATA_POLETA) As MIN_DATA_POLETA From SPRAVKA Group By "
                                                    "DATA_POLETA;"));
}

Form8Options TfrPlanRep8OASU::options() const
{
    Form8Options o;
    o.operatorCode = cboExpl ? cboExpl->code() : QStringLiteral("-1");
    o.month = m_period->month();
    o.today = Clock::today();
    return o;
}

void TfrPlanRep8OASU::FunReport()
{
    const Form8Options o = options();
    const QString monthName = m_period->cboMonth->currentText().toLower();
    runStagedReport(*this, QStringLiteral("Select * From REPORT_FORMA_8_OASU Order By ID;"), QStringLiteral("rep06"),
                    o.operatorCode,
                    QStringLiteral("Форма 8-ОАСУ. Движение двигателей, главных редукторов и ВСУ"), o.month.last,
                    {QStringLiteral("Отчетный период: %1 %2 г. (с %3 по %4)")
                         .arg(monthName)
                         .arg(o.month.first.year())
                         .arg(dmy(o.month.first), dmy(o.month.last))},
                    [&] { return buildForm8Oasu(ADOConPdo, o); });
}

} // namespace plan::reports
