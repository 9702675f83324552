#include "frames/Period.h"

#include "platform/Clock.h"
#include "platform/Dataset.h"

namespace plan::frames {

Period quarterOf(int year, int quarterIndex)
{
    if (quarterIndex < 0 || quarterIndex > 3) quarterIndex = 0;
    const QDate first(year, quarterIndex * 3 + 1, 1);
    const QDate lastMonth(year, quarterIndex * 3 + 3, 1);
    return {first, QDate(year, lastMonth.month(), lastMonth.daysInMonth())};
}

Period monthOf(int year, int monthIndex)
{
    if (monthIndex < 0 || monthIndex > 11) monthIndex = 0;
    const QDate first(year, monthIndex + 1, 1);
    return {first, QDate(year, monthIndex + 1, first.daysInMonth())};
}

QDate reportDate(const Period& p, const QDate& today) { return p.last < today ? p.last : today; }

QStringList quarterNames()
{
    return {QStringLiteral("1-й квартал"), QStringLiteral("2-й квартал"), QStringLiteral("3-й квартал"),
            QStringLiteral("4-й квартал")};
}

QStringList monthNames()
{
    return {QStringLiteral("Январь"), QStringLiteral("Февраль"), QStringLiteral("Март"),    QStringLiteral("Апрель"),
            QStringLiteral("Май"),    QStringLiteral("Июнь"),    QStringLiteral("Июль"),    QStringLiteral("Август"),
            QStringLiteral("Сентябрь"), QStringLiteral("Октябрь"), QStringLiteral("Ноябрь"), QStringLiteral("Декабрь")};
}

QStringList yearList(Connection* c, const QString& firstFlightQuery)
{
    const int current = Clock::today().year();
    int from = current;
    Dataset ds(c);
    ds.setCommandText(firstFlightQuery);
    ds.open();
    if (!ds.eof() && !ds.field(0).isNull()) {
        const QDate first = ds.field(0).asDate();
        if (first.isValid() && first.year() < current) from = first.year();
    }
    QStringList years;
    for (int y = from; y <= current; ++y) years << QString::number(y);
    return years;
}

PeriodControls::PeriodControls(QWidget* parent)
    : cboCvartal(new QComboBox(parent)), cboMonth(new QComboBox(parent)), cboYear(new QComboBox(parent))
{
    cboCvartal->setObjectName(QStringLiteral("cboCvartal"));
    cboMonth->setObjectName(QStringLiteral("cboMonth"));
    cboYear->setObjectName(QStringLiteral("cboYear"));
    cboCvartal->addItems(quarterNames());
    cboMonth->addItems(monthNames());
}

void PeriodControls::FunCalendar(Connection* c, const QString& firstFlightQuery)
{
    cboYear->clear();
    cboYear->addItems(yearList(c, firstFlightQuery));
    cboYear->setCurrentIndex(cboYear->count() - 1);
    cboCvartal->setCurrentIndex(0);
    cboMonth->setCurrentIndex(Clock::today().month() - 1);
}

int PeriodControls::year() const
{
    bool ok = false;
    const int y = cboYear->currentText().toInt(&ok);
    return ok ? y : Clock::today().year();
}

QString PeriodControls::quarterCaption() const
{
    return cboCvartal->currentText() + QLatin1Char(' ') + cboYear->currentText() + QStringLiteral("г.");
}

ReportDateControl::ReportDateControl(QWidget* parent)
    : lblDate(new QLabel(QStringLiteral("Дата составления:"), parent)), picDate(new QDateEdit(parent))
{
    lblDate->setObjectName(QStringLiteral("lblDate"));
    picDate->setObjectName(QStringLiteral("picDate"));
    picDate->setCalendarPopup(true);
    picDate->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    QObject::connect(picDate, &QDateEdit::dateChanged, picDate,
                     [this](const QDate& d) { m_text = d.toString(QStringLiteral("dd.MM.yyyy")); });
}

void ReportDateControl::start()
{
    picDate->setDate(Clock::today());
    m_text = picDate->date().toString(QStringLiteral("dd.MM.yyyy"));
}

QDate ReportDateControl::date() const { return QDate::fromString(m_text, QStringLiteral("dd.MM.yyyy")); }

} // namespace plan::frames
