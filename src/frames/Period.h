#pragma once
// Reporting periods: quarters and months of a year, the report date of a
// period, and the controls that choose them (cboCvartal, cboMonth, cboYear).
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QDate>
#include <QString>
#include <QStringList>

namespace plan {
class Connection;
}

namespace plan::frames {

struct Period {
    QDate first;
    QDate last;
    bool contains(const QDate& d) const { return d >= first && d <= last; }
    int days() const { return static_cast<int>(first.daysTo(last)) + 1; }
};

// Quarter by its index 0..3 (any other index is the first quarter): from day
// 1 of month 1, 4, 7 or 10 to the last day of the month two months later.
Period quarterOf(int year, int quarterIndex);
// Month by its index 0..11 ("Январь" .. "Декабрь").
Period monthOf(int year, int monthIndex);
// The date a report of the period is made for: its last day when that is
// before today, otherwise today.
QDate reportDate(const Period& p, const QDate& today);

QStringList quarterNames(); // "1-й квартал" .. "4-й квартал"
QStringList monthNames();   // "Январь" .. "Декабрь"

// The year list: every year from the year of the first flight record to the
// current year of the clock; with no flight record, the current year only.
// The query's first row and column give the date.
inline const char* const kFirstFlightQuery = "SELECT MIN(SPRAVKA.DATA_POLETA) AS MIN_DATA_POLETA FROM SPRAVKA;";
QStringList yearList(Connection* c, const QString& firstFlightQuery = QString::fromUtf8(kFirstFlightQuery));

// cboCvartal, cboMonth and cboYear: created on the parent, the frame puts
// them where its form has them.
class PeriodControls {
public:
    explicit PeriodControls(QWidget* parent);
    QComboBox* cboCvartal;
    QComboBox* cboMonth;
    QComboBox* cboYear;

    // Fills cboYear and selects the last (current) year; cboCvartal index 0;
    // cboMonth on the current month of the clock (FunCalendar).
    void FunCalendar(Connection* c, const QString& firstFlightQuery = QString::fromUtf8(kFirstFlightQuery));
    int year() const;
    Period quarter() const { return quarterOf(year(), cboCvartal->currentIndex()); }
    Period month() const { return monthOf(year(), cboMonth->currentIndex()); }
    // "<quarter> <year>г." as the forms print it.
    QString quarterCaption() const;
};

// picDate with its label "Дата составления:", created on the parent: today
// of the clock at start; every change keeps the short-date text
// (dd.mm.yyyy), and the report takes its date back from that text.
class ReportDateControl {
public:
    explicit ReportDateControl(QWidget* parent);
    ReportDateControl(const ReportDateControl&) = delete;
    ReportDateControl& operator=(const ReportDateControl&) = delete;
    QLabel* lblDate;
    QDateEdit* picDate;

    // Today of the clock.
    void start();
    QString text() const { return m_text; }
    QDate date() const;

private:
    QString m_text;
};

} // namespace plan::frames
