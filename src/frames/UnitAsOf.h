#pragma once
// Engines, main gearboxes and APUs as they stood on a past date: the stored
// "H:MM" totals less what the unit ran in the flights recorded after the
// date on the aircraft it is installed on. Engines take the columns of
// their position (ODIN_DVA 1 -> engine 2, 2 -> engine 3, anything else ->
// engine 1) and the engines' ground-running rule of the type, gearboxes the
// gearbox columns and the gearboxes' rule, APUs the APU total time (the
// model "ТА-14-130" its summed time, kept in SUMMA_SNE / SUMMA_PPR).
// Shared by form 37-GA and the authority's register of engines.
//
//     LaterFlights later(conn, date);
//     UnitAsOf asOf(conn, UnitKind::Engine, later);
//     const QString h = asOf.hoursOn(unit, u.str(pos::dvigatel::NARABOTKA_SNE), "NARABOTKA_SNE");
#include "frames/LaterFlights.h"
#include "rarozidi/Life.h"

#include <QHash>
#include <QString>

namespace plan {
class Connection;
}

namespace plan::frames {

enum class UnitKind { Engine, Apu, Gearbox };

// The APU model whose life is kept in summed hours.
bool isSummedApu(const QString& model);

// One installed (or stored) unit, as messages name it and back-dating needs it.
struct UnitRef {
    QString type;     // TIP_VS
    QString board;    // where installed (GDE_STOIT / MESTO_USTANOVKI)
    QString model;    // NAZVANIE_DVIGATELYA / NAZVANIE_REDUCTORA / NAZVANIE
    QString serial;
    QString selector; // ODIN_DVA of an engine
};

class UnitAsOf {
public:
    UnitAsOf(Connection* c, UnitKind kind, LaterFlights& later) : m_c(c), m_kind(kind), m_later(later) {}

    UnitKind kind() const { return m_kind; }
    // "Двигатель", "Редуктор", "ВСУ".
    QString kindWord() const;

    // The ground-running rule of the kind for a type (read once per type; a
    // type without a row counts no ground running).
    const rarozidi::GroundRule& rule(const QString& type);
    // Counted minutes the unit ran in the flights after the date.
    long long minutesAfter(const UnitRef& u);

    // Minutes of a stored "H:MM" total; a text of another form raises
    // ConversionError naming the unit, its serial number, the column and the value.
    long long minutesOf(const UnitRef& u, const QString& stored, const QString& column) const;
    // Whole hours of a stored total on the date: unchanged (the text without
    // its minutes) when `backDate` is false or the aircraft has no flight
    // after the date, otherwise (stored - minutesAfter) / 60, at least 0.
    // An empty total gives "".
    QString hoursOn(const UnitRef& u, const QString& stored, const QString& column, bool backDate = true);

private:
    Connection* m_c;
    UnitKind m_kind;
    LaterFlights& m_later;
    QHash<QString, rarozidi::GroundRule> m_rules;
};

} // namespace plan::frames
