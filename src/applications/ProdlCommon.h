#pragma once
// What the documents of the service-life extension application share: the
// tuned lists "PRODLENIE", the aircraft wording of the type, the program
// appendix titles, the operator's texts, the engine places, the bulletin
// notes and the data of an installed unit (AGREGAT, VTULKA_NV) by its
// accounting kind. Values are taken as they stand in the database.
#include "applications/SlgCommon.h"

#include <QHash>
#include <QString>
#include <utility>
#include <vector>

namespace plan {
class Connection;
class Dataset;
} // namespace plan

namespace plan::applications {

inline const char* const kProdlFamily = "PRODLENIE";

// The tuned list of an extension document for the type.
std::vector<SlgTunedLine> readProdlList(Connection* c, const QString& type, const QString& document);

// KOD_VS of the type ("SELECT KOD_VS From TIPOVYE_DANNYE_VS Where
// ((TIP_VS)='<type>')ORDER BY ID;"): 1 helicopter, 0 aeroplane; a type
// without a row or code counts as a helicopter.
int readKodVS(Connection* c, const QString& type);

// The program-appendix title of the main units (equipment false) or of the
// equipment list; empty for other types than "Ми-8", "Ми-8АМТ", "Ми-8МТВ-1".
QString appendixTitle(const QString& type, bool equipment);

// The place of an engine by its ODIN_DVA character: more than two engines on
// the board -> " (первый)", " (второй)", " (третий)" for "0", "1", "2";
// otherwise " (левый)" for "0" and " (правый)" for any other value.
QString enginePlace(const QString& odinDva, int engineCount);

// "(из перечня приложения к бюллетеню № ...)" of the type; empty for others.
QString bulletinNote(const QString& type);

// The operator's texts of OBSHIE (its header row "Select * From OBSHIE Where
// EXPLUATANT='<code>' Order By ID;"): who prepared the list ("post~name",
// DOLGNOST_PDO~NACH_PDO), the name alone, " тел." with the phone and the
// post alone.
struct ProdlOperator {
    QString prepared, name, phone, post;
};
ProdlOperator readProdlOperator(Connection* c, const QString& operatorCode);

// The standard rows of a type's units ("Select * From ETAAGREGAT Where
// ((TIP_VS)='<type>') Order By ID_NAME;", ETA_VTULKA_NV likewise): ID_NAME ->
// name (NAME) and drawing number (CHERT_NOMER); the first row of an ID_NAME.
using StandardNames = QHash<QString, std::pair<QString, QString>>;
StandardNames readStandardNames(Connection* c, const QString& table, const QString& type);

// "-" for an empty text.
QString dashIfEmpty(const QString& s);
// A date column as "dd.mm.yyyy", "" for NULL.
QString dateText(const Dataset& ds, int column);

// The running times of an installed AGREGAT or VTULKA_NV record by its
// accounting kind (ED_IZMERENIA): "0" hours and "1" landings from
// NARABOTKA_SNE / NARABOTKA_PPR, counted on from the installation
// (FunNepNarAgr) when `continuous`, else as stored ("00" as "0"); "2" years:
// the calendar time from manufacture / from the last overhaul. Since the
// overhaul is "-" when there was none.
struct UnitRunning {
    QString sinceNew, sinceOverhaul;
    QString measure; // "в часах", "посадки", "в годах"
};
// A running time that is not "H:MM" stops the document with a message naming
// the aircraft, the unit (by its serial) and the column.
UnitRunning unitRunning(Connection& c, const Dataset& unit, bool continuous, const QString& board);

// A continuous count (FunNepNarAgr, FunNepNarLopast, ...) of the stored value
// at column, checked first: a value that is not "H:MM" stops the document
// with a message naming the aircraft, the unit and the column.
using ContinuousCount = QString (*)(Connection&, const Dataset&, int);
QString countChecked(Connection& c, const Dataset& ds, int column, ContinuousCount count, const QString& board,
                     const QString& unit);
// Whether an AGREGAT / VTULKA_NV record was overhauled (VSEGO_REMONTOV > 0).
bool unitOverhauled(const Dataset& unit);

} // namespace plan::applications
