#pragma once
// What the documents of the airworthiness-certificate application share: the
// ground-running settings of a type for the eight component families, the
// tuned lists "SLG" of TUNE_REPORTS, the text forms of running times, limits
// and calendar values as of the document date, the engine captions by count
// and the template choice by the operator's name.
#include "frames/LaterFlights.h"
#include "rarozidi/Life.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace plan {
class Connection;
class Dataset;
} // namespace plan

namespace plan::applications {

// The tables an application document only reads for reference (type data,
// reference lists, the operator's header): while one document is made, each
// of their queries is sent once (QueryMemo).
const QStringList& documentReferenceTables();

// The eight families of "Select UCHITYVAT_ZEMLU, ZEMLIA_DVIGATEL, ... From
// TIPOVYE_DANNYE_VS Where TIP_VS='<type>' Order By ID;": a family counts
// ground running when its own column is "1" (UCHITYVAT_ZEMLU for the
// airframe); the share is its KOL_VO_ZEMLIA_... (0 when NULL). A type
// without a row counts none.
struct SlgGround {
    rarozidi::GroundRule planer, dvigatel, reductor, lopasty, shlang, zcu, agregaty, agrDvig;
};
SlgGround readSlgGround(Connection* c, const QString& type);

// One line of a tuned list, in NUMBER_LINE order.
struct SlgTunedLine {
    QString caption; // NAZVANIE
    QString drawing; // CHERT_NOMER
    QString kind;    // TIP_AGREGATA, trimmed
    QString etalonId; // ID_ETALON
    QString system;   // SYSTEMA, trimmed
    QString combined; // SVODNY_PASPORT, trimmed ("Сводный" for a combined passport)
    int quantity = 0; // KOL_VO_NA_VS, 0 when empty
    QString places;   // MESTA_USTANOVKI, ";"-separated
    int id = 0;       // ID
};
// The tuned list of a document for a type ("Select * From TUNE_REPORTS Where
// TIP_VS='<type>' And Upper(TIP_REPORT) Like Upper('<family>') And
// Upper(NAME_REPORT) Like Upper('<document>') Order By NUMBER_LINE, ID;"):
// family "SLG" for the certificate documents, "PRODLENIE" for the extension.
std::vector<SlgTunedLine> readSlgTunedList(Connection* c, const QString& type, const QString& document,
                                           const QString& family = QStringLiteral("SLG"));
// "Перечень оборудования для типа ВС <type> не найден, продолжение не возможно."
QString noTunedListText(const QString& type);
// Shows it, titled "Внимание!", with the information icon.
void showNoTunedList(const QString& type);

// "Агрегаты с ограниченным ресурсом" and the act choose the second template
// for the operators whose name contains "DUZ" or "RevoRozuvaro".
bool isDuzOperator(const QString& operatorName);

// Text forms of the documents.
QString hoursMinutesText(long long minutes);          // 1234 -> "20 ч. 34 м."
QString wholeHoursText(long long minutes);            // 1234 -> "20 час."
QString limitHoursText(const QString& hours);         // "1500" -> "1500 час.", "" -> "-"
QString shortDate(const QDate& d);                    // "dd.mm.yy", "" when not valid
QString longDate(const QDate& d);                     // "dd.mm.yyyy", "" when not valid
QString yearDate(const QDate& d);                     // "dd.mm.yyyyг.", "" when not valid

// Months of a calendar limit "Y.MM" (years, a point, months). Anything else
// (no point, letters, an empty months part) raises plan::ConversionError
// naming the aircraft, the unit, the column and the value, and what to do.
int calendarLimitMonths(const QString& text, const QString& board, const QString& unit, const QString& column);
// Remaining calendar life (FunOstatLet) as of asOf: limit months less the
// months from the stored date (month numbers only): years, FunBookYear,
// months, "м."; "0" below one month; "" when the limit or the date is empty.
QString remainingCalendar(const QString& limit, const QDate& stored, const QDate& asOf, const QString& board,
                          const QString& unit, const QString& column);
// Calendar age (FunNarabLet): the months from the stored date to asOf as
// years and months, "0" when not positive, "" without a date.
QString calendarAge(const QDate& stored, const QDate& asOf);

// The caption of the engine at index i (0-based) of the board's engine list
// of `count` engines: more than two -> "Двигатель первый", "второй",
// "третий"; otherwise "Двигатель левый", "правый".
QString engineCaption(int index, int count);

// Reads an "H:MM" total of a component and names the aircraft, unit and
// column when it is not one.
long long runningMinutes(const QString& text, const QString& board, const QString& unit, const QString& column);

// The APU measures of the certificate documents. The model "ТА-14-130"
// counts its hours as summed hours and starts only; other models total,
// generator, starts and bleeds.
struct ApuMeasureLine {
    frames::ApuMeasure measure;
    const char* word;    // "общая", "суммарная", ...
    bool hours;          // "H:MM" (true) or a count
    int sinceNew, sinceOverhaul, assigned, betweenOverhauls; // VSU positions
};
std::vector<ApuMeasureLine> apuMeasures(const QString& model);
bool isTa14(const QString& model);

} // namespace plan::applications
