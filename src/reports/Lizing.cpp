#include "reports/Lizing.h"

#include "data/Positions.h"
#include "frames/AircraftTree.h"
#include "frames/CodeSelector.h"
#include "frames/SqlText.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/PeriodFlying.h"
#include "rarozidi/RunningTime.h"
#include "reports/AirframeRegister.h"
#include "reports/TfrPlanRepLizPSBEgMesOtch.h"
#include "shell/HostWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace plan::reports {

namespace L = pos::lopast;

QString registerRowQuery(const QString& type, const QString& board)
{
    return QStringLiteral("Select * From REESTR Where TIP_VS=") + frames::sqlText(type) +
           QStringLiteral(" And BORTOVOI_NOMER=") + frames::sqlText(board) + QStringLiteral(" Order By ID;");
}

LizPsbPeriod lizPsbPeriod(Connection* c, const QString& type, const QString& board, int year, int monthIndex)
{
    LizPsbPeriod p;
    p.start = QDate(year, monthIndex + 1, 1);
    auto reg = openQuery(c, registerRowQuery(type, board));
    if (!reg->eof()) {
        const QDate overhaul = reg->field(pos::reestr::REMONT_DATA).asDate();
        if (overhaul.isValid() && overhaul > p.start) p.start = overhaul;
    }
    p.year = p.start.year();
    p.monthIndex = p.start.month() - 1;
    p.end = QDate(p.year, p.start.month(), p.start.daysInMonth());
    return p;
}

QStringList builtInAccounts()
{
    return {QStringLiteral("Администратор"), QStringLiteral("User"), QStringLiteral("SYSDBA")};
}

QString preparerName(Connection* c, const QString& userName)
{
    if (builtInAccounts().contains(userName)) return {};
    auto u = openQuery(c, QStringLiteral("Select * From USERS Where FAMILIA=") + frames::sqlText(userName) +
                              QStringLiteral(" Order By ID;"));
    if (u->eof()) return userName;
    QString name = u->str(pos::users::FAMILIA).trimmed() + QLatin1Char(' ');
    for (int p : {pos::users::IMIA, pos::users::OTCHESTVO}) {
        const QString part = u->str(p).trimmed();
        if (!part.isEmpty()) name += part.left(1) + QLatin1Char('.');
    }
    return name.trimmed();
}

LessorRules readLessorRules(Connection* c, const QString& type)
{
    LessorRules r;
    auto ds = openQuery(c, QStringLiteral("Select UCHITYVAT_ZEMLU, ZEMLIA_DVIGATEL, ZEMLIA_REDUCTOR, ZEMLIA_LOPASTY, "
                                          "ZEMLIA_AGREGATY, KOL_VO_ZEMLIA_PLANER, KOL_VO_ZEMLIA_DVIGATEL, "
                                          "KOL_VO_ZEMLIA_REDUCTOR, KOL_VO_ZEMLIA_LOPASTY, KOL_VO_ZEMLIA_AGREGATY From "
                                          "TIPOVYE_DANNYE_VS Where TIP_VS=") +
                               frames::sqlText(type) + QStringLiteral(" Order By ID;"));
    if (ds->eof()) return r;
    rarozidi::GroundRule* rules[] = {&r.planer, &r.engine, &r.gearbox, &r.blades, &r.units};
    for (int i = 0; i < 5; ++i) {
        rules[i]->counts = ds->str(i).trimmed() == QLatin1String("1");
        rules[i]->share = ds->str(5 + i).trimmed().isEmpty() ? 0.0 : ds->field(5 + i).asFloat();
    }
    return r;
}

long long lessorMinutes(const QString& value, const QString& owner, const char* column, bool emptyIsZero)
{
    try {
        return emptyIsZero ? rarozidi::parseRunningTimeOrZero(value, QString::fromLatin1(column))
                           : rarozidi::parseRunningTime(value, QString::fromLatin1(column));
    } catch (const ConversionError&) {
        throw ConversionError(QStringLiteral("%1: наработка (%2) «%3» не в виде «часы:минуты». Исправьте значение и "
                                             "повторите отчет.")
                                  .arg(owner, QString::fromLatin1(column), value));
    }
}

QDate countFrom(const QDate& installed, const QDate& start, const QDate& end)
{
    const QDate from = installed.isValid() && installed > start ? installed : start;
    return from > end ? QDate() : from;
}

long long totalAt(long long stored, bool continuous, const QDate& installed, const QDate& day,
                  const rarozidi::BoardFlying& flying, const QString& measure, int selector,
                  const rarozidi::GroundRule& rule)
{
    if (continuous)
        return stored + (installed.isValid() ? flying.sum(installed, day, measure, selector, rule.counts, rule.share) : 0);
    return stored - flying.FunNarDateStopPer(day, measure, selector, rule.counts, rule.share);
}

long long bladeTotalAt(const Dataset& b, const QDate& day, const rarozidi::BoardFlying& flying,
                       const rarozidi::GroundRule& rule, const QString& owner)
{
    return totalAt(lessorMinutes(b.str(L::NARABOTKA_SNE), owner, "NARABOTKA_SNE"),
                   b.field(L::NEPRERYVNO).asInteger() == 1, b.field(L::DATA_USTANOVKI).asDate(), day, flying,
                   QStringLiteral("HOUR"), -1, rule);
}

LeaseContract leaseContract(Connection* c, const QString& board)
{
    LeaseContract l;
    auto ds = openQuery(c, QStringLiteral("Select * From LIZING Order By ID;"));
    for (; !ds->eof(); ds->next()) {
        if (ds->str(pos::lizing::BORTOVOI_NOMER).trimmed() != board.trimmed()) continue;
        l.found = true;
        l.lessor = ds->str(pos::lizing::LIZINGODATEL).trimmed();
        l.number = ds->str(pos::lizing::NOMER_DOGOVORA).trimmed();
        l.date = ds->field(pos::lizing::DATA_DOGOVORA).asDate();
        break;
    }
    return l;
}

QString leaseLine(const LeaseContract& l)
{
    if (!l.found) return QStringLiteral("Договор лизинга: не найден");
    QString s = QStringLiteral("Лизингодатель: ") + (l.lessor.isEmpty() ? QStringLiteral("не указан") : l.lessor);
    s += QStringLiteral("; договор лизинга № ") + (l.number.isEmpty() ? QStringLiteral("б/н") : l.number);
    if (l.date.isValid()) s += QStringLiteral(" от ") + dateText(l.date);
    return s;
}

QString noLeaseDoubt(const QString& type, const QString& board)
{
    return QStringLiteral("ВС %1 %2 нет в списке договоров лизинга (LIZING): внесите договор или выберите другое ВС")
        .arg(type, board);
}

LessorMonthFrame::LessorMonthFrame(const QString& section)
    : TPlanFrame(QStringLiteral("frmPlanReport")), m_period(this), m_section(section)
{
    m_period.cboCvartal->hide();
    TreeView = new frames::AircraftTree(this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    cmdReport->setEnabled(false);
    bindShowButton(cmdReport);
    // Picking an aircraft shows its report at once.
    connect(TreeView, &frames::AircraftTree::picked, this, [this](const frames::AircraftRef&) {
        cmdReport->setEnabled(true);
        guarded([this] { FunReport(); });
    });
}

void LessorMonthFrame::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath(), m_section, QStringLiteral("CBOEXPL"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    auto* lblExpl = new QLabel(QStringLiteral("Эксплуатант:"), this);
    lblExpl->setObjectName(QStringLiteral("lblExpl"));
    grid->addWidget(lblExpl, 0, 0, 1, 2);
    grid->addWidget(cboExpl, 1, 0, 1, 2);
    grid->addWidget(m_period.cboMonth, 2, 0);
    grid->addWidget(m_period.cboYear, 2, 1);
    grid->addWidget(TreeView, 3, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->addWidget(cmdReport, 4, 0, 1, 2);
    TreeView->fill(ADOConPdo);
    FunCboExpl();
    FunCalendar();
}

// cboExplChange: the selector keeps its index (−1 after "Очистить поле") under the frame's section.
void LessorMonthFrame::FunCboExpl() { cboExpl->FunCboExpl(ADOConPdo, true); }

void LessorMonthFrame::FunCalendar()
{
    m_period.FunCalendar(ADOConPdo,
                         QStringLiteral("Select Min(DATA_POLETA) As MIN_DATA_POLETA From SPRAVKA Group By DATA_POLETA;"));
}

LizPsbOptions LessorMonthFrame::options() const
{
    LizPsbOptions o;
    o.operatorName = cboExpl ? cboExpl->currentText() : QString();
    const frames::AircraftRef a = TreeView->current();
    o.type = a.type;
    o.board = a.board;
    o.year = m_period.year();
    o.monthIndex = m_period.cboMonth->currentIndex();
    if (const shell::THostWindow* w = host()) o.userName = w->userName();
    return o;
}

LizPsbOptions LessorMonthFrame::optionsForRun(LizPsbPeriod& p)
{
    LizPsbOptions o = options();
    if (o.board.isEmpty()) return o; // nothing picked: the button stays disabled
    p = lizPsbPeriod(ADOConPdo, o.type, o.board, o.year, o.monthIndex);
    const QString year = QString::number(p.year);
    if (m_period.cboYear->findText(year) < 0) m_period.cboYear->addItem(year);
    m_period.cboYear->setCurrentText(year);
    m_period.cboMonth->setCurrentIndex(p.monthIndex);
    o.year = p.year;
    o.monthIndex = p.monthIndex;
    return o;
}

QString LessorMonthFrame::operatorCode() const { return cboExpl ? cboExpl->code() : QStringLiteral("-1"); }

} // namespace plan::reports
