#include "reports/TfrPlanRepSostParkVS.h"

#include "data/Positions.h"
#include "frames/BoardSets.h"
#include "frames/CodeSelector.h"
#include "frames/OperatorHeader.h"
#include "frames/SqlText.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/ReportComponent.h"
#include "rarozidi/Func.h"

#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <QHash>
#include <map>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepSostParkVS)

namespace obshie = pos::obshie;

namespace {

// The number of rows of "Select * From REESTR Where TIP_VS='<type>' And
// <condition>" for every type from one read of the types the condition keeps
// ("Select TIP_VS From REESTR Where <condition>"), a type's rows being those
// whose TIP_VS equals it as the engine compares texts. The form asks eleven
// conditions of every type: eleven reads of one column instead of eleven
// reads of whole register rows per type.
class TypeCounts {
public:
    explicit TypeCounts(Connection* c) : m_c(c) {}
    // condition: what follows "TIP_VS='<type>' And " in the type's query.
    int count(const QString& type, const QString& condition)
    {
        auto it = m_counts.find(condition);
        if (it == m_counts.end()) {
            QHash<QString, int> byType;
            for (QueryStream q(m_c, QStringLiteral("Select TIP_VS From REESTR Where ") + condition); q.next();)
                if (!q.field(0).isNull()) ++byType[frames::comparedText(q.field(0).value())];
            it = m_counts.emplace(condition, std::move(byType)).first;
        }
        return it->second.value(frames::comparedText(type));
    }

private:
    Connection* m_c;
    std::map<QString, QHash<QString, int>> m_counts;
};

// A count as the form prints it: "-" for none.
QVariant countOrDash(int n) { return n == 0 ? QVariant(QStringLiteral("-")) : QVariant(n); }

} // namespace

SostParkResult buildSostParkVS(Connection* c, const SostParkOptions& o)
{
    const ReadTransaction reads(c);
    const QString op = frames::sqlEscape(o.operatorId);
    const QString date = frames::sqlDate(o.date);
    // The ownership conditions without their connector (the queries join them with "And ").
    const QString own = rarozidi::FunOnlyOwn(*c, QString());
    const QString leased = rarozidi::FunArenda(*c, QString());
    const frames::OperatorHeader h = frames::OperatorHeader::ofOperator(c, o.operatorId);
    // "... And (DATE_REESTR_VYVOD Is Null Or DATE_REESTR_VYVOD>'<date>');", with ">=" for state 0 only.
    const QString inService = QStringLiteral("' And (DATE_REESTR_VYVOD Is Null Or DATE_REESTR_VYVOD>") + date +
                              QStringLiteral(");");

    SostParkResult out;
    QStringList known;
    TypeCounts counts(c);
    auto types = openQuery(c, QStringLiteral("Select * From TIPOVYE_DANNYE_VS Where Not Upper(TIP_VS) Like "
                                             "Upper('%Hide%') Order By TIP_VS;"));
    for (; !types->eof(); types->next()) {
        const QString type = types->str(pos::tipovye_dannye_vs::TIP_VS);
        known << type.trimmed();
        // Each count is that of "Select * From REESTR Where TIP_VS='<type>' And <condition>".
        auto count = [&](const QString& condition) { return counts.count(type, condition); };
        const int total = count(QStringLiteral("EXPLUATANT='") + op + inService);
        if (total == 0) continue;
        StagingRow r;
        r.set(sostpark::Type, type).set(sostpark::Total, total);
        r.set(sostpark::State0, countOrDash(count(QStringLiteral("STATUS_TO=0 And EXPLUATANT='") + op +
                                                  QStringLiteral("' And (DATE_REESTR_VYVOD Is Null Or DATE_REESTR_VYVOD>=") +
                                                  date + QStringLiteral(");"))));
        for (int state = 1; state <= 6; ++state)
            r.set(sostpark::State0 + state,
                  countOrDash(count(QStringLiteral("STATUS_TO=%1 And EXPLUATANT='").arg(state) + op + inService)));
        r.set(sostpark::OwnState12,
              countOrDash(count(own + QStringLiteral(" And EXPLUATANT='") + op + QStringLiteral("' And STATUS_TO='12") + inService)));
        r.set(sostpark::Leased, countOrDash(count(leased + QStringLiteral(" And EXPLUATANT='") + op + inService)));
        r.set(sostpark::OtherStates,
              countOrDash(count(QStringLiteral("STATUS_TO>6 And STATUS_TO<>12 And EXPLUATANT='") + op + inService)));
        r.set(sostpark::PreparerPost, h.at(obshie::DOLGNOST_PDO))
            .set(sostpark::PreparerName, h.at(obshie::NACH_PDO))
            .set(sostpark::ObshieOperator, h.at(obshie::EXPLUATANT))
            .set(sostpark::OperatorCode, o.operatorId)
            .set(sostpark::Email, h.at(obshie::EMAIL_PREDPRIATIE))
            .set(sostpark::HeadPost, h.at(obshie::DOLGNOST_IAS))
            .set(sostpark::Contacts, h.at(obshie::NACH_PDO) + QStringLiteral(" тел.") + h.at(obshie::PHONE_PDO))
            .set(sostpark::Date, o.date.toString(QStringLiteral("dd.MM.yyyy")));
        out.rows.push_back(r);
    }

    // The operator's aircraft whose type the per-type data does not know are
    // in no row: the heading names them.
    auto unknown = openQuery(c, QStringLiteral("Select TIP_VS, BORTOVOI_NOMER From REESTR Where EXPLUATANT='") + op +
                                    QStringLiteral("' And Not Upper(TIP_VS) Like Upper('%Hide%') And (DATE_REESTR_VYVOD "
                                                   "Is Null Or DATE_REESTR_VYVOD>") +
                                    date + QStringLiteral(") Order By TIP_VS, BORTOVOI_NOMER;"));
    QString type;
    QStringList boards;
    auto flush = [&] {
        if (!boards.isEmpty()) out.typesWithoutData << type + QStringLiteral(" (") + boards.join(QStringLiteral(", ")) + QLatin1Char(')');
        boards.clear();
    };
    for (; !unknown->eof(); unknown->next()) {
        if (known.contains(unknown->str(0).trimmed())) continue;
        if (unknown->str(0) != type) flush();
        type = unknown->str(0);
        boards << unknown->str(1);
    }
    flush();
    return out;
}

TfrPlanRepSostParkVS::TfrPlanRepSostParkVS() : TPlanFrame(QStringLiteral("frmPlanReport"))
{
    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(4, 4, 4, 4);
    auto* lblExpl = new QLabel(QStringLiteral("Эксплуатант:"), this);
    lblExpl->setObjectName(QStringLiteral("lblExpl"));
    auto* lblDate = new QLabel(QStringLiteral("Дата составления:"), this);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    picDate = new QDateEdit(this);
    picDate->setObjectName(QStringLiteral("picDate"));
    picDate->setCalendarPopup(true);
    picDate->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    panel->addWidget(lblExpl);
    panel->addWidget(lblDate);
    panel->addWidget(picDate);
    panel->addWidget(cmdReport);
    panel->addStretch(1);
    bindShowButton(cmdReport);
    connect(picDate, &QDateEdit::dateChanged, this, [this] { picDateChange(); });
}

void TfrPlanRepSostParkVS::FunStart()
{
    // The operator list keeps its index in the user settings file, known
    // once the frame is in its host: MAIN/CBOEXPL.
    cboExpl = new frames::OperatorSelector(this, settingsPath());
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, cboExpl);
    cboExpl->FunCboExpl(ADOConPdo);
    picDate->setDate(Clock::today());
    picDateChange();
}

void TfrPlanRepSostParkVS::picDateChange() { m_dateText = picDate->date().toString(QStringLiteral("dd.MM.yyyy")); }

SostParkOptions TfrPlanRepSostParkVS::options() const
{
    SostParkOptions o;
    o.operatorId = cboExpl ? cboExpl->code() : QStringLiteral("-1");
    o.date = QDate::fromString(m_dateText, QStringLiteral("dd.MM.yyyy"));
    return o;
}

void TfrPlanRepSostParkVS::FunReport()
{
    const SostParkOptions o = options();
    ReportValues v = rarozidi::FunReportValues(*ADOConPdo, o.operatorId);
    if (o.operatorId == QLatin1String("-1")) v.remove(QStringLiteral("operator"));
    v.insert(QStringLiteral("report_title"), QStringLiteral("Состояние парка ВС на %1").arg(m_dateText));
    v.insert(QStringLiteral("as_of"), picDate->date());
    runSingleReport(reportHost(), *ADOQueryReport, QStringLiteral("Select * From REPORT_SOST_PARKA_VS;"),
                    QStringLiteral("rep07"), [&](StagingWriter& w) {
                        const SostParkResult r = buildSostParkVS(ADOConPdo, o);
                        QStringList doubts;
                        for (const QString& t : r.typesWithoutData)
                            doubts << QStringLiteral("ВС типа %1 не учтены: для типа нет типовых данных "
                                                     "(TIPOVYE_DANNYE_VS); внесите тип в типовые данные.")
                                          .arg(t);
                        v.insert(QStringLiteral("doubts"), doubts);
                        if (ReportComponent* rc = reportComponent()) rc->setValues(v);
                        for (const StagingRow& row : r.rows) w.addRow(row);
                    });
}

} // namespace plan::reports
