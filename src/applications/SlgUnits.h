#pragma once
// The units of a tuned list of the certificate documents as they stood on
// the document date: each installed engine, gearbox, APU measure, blade,
// tail rotor, hub and unit of the aircraft with its dates, makers, running
// time since new and since the last overhaul rolled back to the date and its
// stored limits. The documents word and place them each in their own way.
//
// Engines and gearboxes are rolled back with their own columns of the flight
// records (engine by ODIN_DVA, gearbox) and their family's ground setting;
// blades, tail rotors, hubs and units are counted continuously from their
// installation (FunNepNar...) and the flights after the date taken off again.
#include "applications/SlgCommon.h"
#include "frames/BoardSets.h"
#include "frames/LaterFlights.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <vector>

namespace plan {
class Connection;
}

namespace plan::applications {

struct SlgUnit {
    QString kind;    // the tuned kind code
    QString name;    // the tuned caption or the standard name (units, hubs)
    QString model;   // model of an engine, gearbox, APU, blade, rotor
    QString serial;
    QDate made;      // date of manufacture
    QDate calendarFrom; // engines and gearboxes: DATA_KALENDAR
    QString maker;   // engines and gearboxes
    QString plant;   // repair plant
    QDate repairDate;
    int repairs = 0;
    int engineIndex = 0, engineCount = 0; // engines: place in the board's list
    QString apuWord; // APU: the measure ("общая", "запуски", ...)
    bool counts = false; // running counted in landings or starts, not hours
    long long sinceNew = 0;
    bool hasSinceNew = false;
    long long sinceOverhaul = 0;
    bool hasSinceOverhaul = false;
    // Limits as stored (whole hours or counts; calendar "Y.MM").
    QString assigned, assignedCal, overhaul, overhaulCal;
    bool installed = true; // false: a tuned unit the aircraft does not carry

    bool repaired() const { return repairs > 0 && repairDate.isValid(); }
};

// Which document's query texts are sent.
enum class SlgQueries { LimitedLife, CheckFlight, Act };

class SlgUnitReader {
public:
    SlgUnitReader(Connection* c, const QString& type, const QString& board, const QDate& asOf, const SlgGround& ground,
                  SlgQueries queries);
    // The units of one tuned line, in the order of its query. A unit or hub
    // line the aircraft does not carry gives one row with installed false.
    std::vector<SlgUnit> units(const SlgTunedLine& line);

    frames::LaterFlights& later() { return m_later; }

private:
    std::vector<SlgUnit> engines(const QString& table, bool gearbox);
    std::vector<SlgUnit> apus();
    std::vector<SlgUnit> blades(bool main);
    std::vector<SlgUnit> tailRotors();
    std::vector<SlgUnit> byStandard(const SlgTunedLine& line, bool hub);
    rarozidi::GroundRule continuousRule(rarozidi::GroundKind k);
    QString standardName(bool hub, const QString& id);
    // The back-dated running times of a blade or tail rotor counted from the aircraft.
    void backDateRotorPart(SlgUnit& u, long long now, const QDate& installed, const QString& sinceOverhaulText,
                           const QString& unit, const rarozidi::GroundRule& rule);

    Connection* m_c;
    QString m_type, m_board;
    QDate m_asOf;
    SlgGround m_ground;
    SlgQueries m_q;
    frames::LaterFlights m_later;
    // The check flight's units of each standard come from one read of the
    // type's units in ID order, taken per ID_NAME: the rows and order of
    // each standard's own query (its order ends with the unique ID).
    frames::BoardSets m_typeUnits;
    QHash<int, rarozidi::GroundRule> m_rules;
    QHash<QString, QString> m_unitNames, m_hubNames;
    bool m_standardsRead = false;
};

} // namespace plan::applications
