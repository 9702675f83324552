#pragma once
// The forecast of one kind of component across the fleet: every installed
// component of the kind, type by type and aircraft by aircraft, then the
// spare ones in the store "Склад", store by store, and those without a store
// under "Расположение не указано". Eleven frames of frmPlanPrognoz are this
// one frame with a row of the table in TfrPlanPrognComponent.cpp each.
//
// Reads:    TIPOVYE_DANNYE_VS, REESTR (own or chosen ownership, by
//           MAIN/MOVE_ONLY_OWN), SPRAVKA (the flying of the last 30 days,
//           airframe ground rule), the kind's component table and reference
//           lists, MAIN/RESURS, MAIN/CALENDAR.
// Computes: per aircraft its daily rate and monthly flying; per component its
//           running time, remaining hours and (installed only) forecast date.
// Writes:   REPORT_PROGNOZ — "!Установленные на ВС", one row per installed
//           component (type and bold board number, the aircraft's running
//           time and monthly flying, the line of positions 5 to 11), the
//           stores title and one row per stored component (store, "-", ...,
//           date "-") — shown with the frame's template.
#include "forecast/ForecastMember.h"
#include "platform/TemplateRenderer.h"
#include "shell/PlanFrame.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QPushButton;

namespace plan::forecast {

class BasisControls;

// How a frame's filter list is filled and what its choice selects.
enum class FilterKind {
    Model,   // an all-models item, then the names; a name selects by its column
    Names,   // the names only; the choice always selects
    Vint,    // an all item, then prefix + "\n" + name; the part after "\n" selects
    Drawing, // name + " \n" + drawing number; the reference rows of that drawing give the ID_NAMEs
    Plain,   // the list's values; the choice always selects
};

struct ComponentFrameRow {
    const char* frameClass;
    MemberKind member;
    const char* table;
    const char* filterControl; // object name of the filter list
    FilterKind filter;
    QString allItem;           // Model / Vint
    QString listQuery;         // Drawing with chkResurs: the list while it is clear
    QString listQueryResurs;   // ... and while it is ticked
    bool listByTypes = false;  // the list query goes on with the condition over the types not hidden ...
    QString listTail;          // ... and ends with this
    QString itemPrefix;        // Vint
    QString conditionHead;     // Model, Names, Vint, Plain: the text before the chosen value
    QString conditionTail;     // ... and after it
    QString drawingQuery;      // Drawing: ID_NAMEs of a drawing number (before / after the number)
    QString drawingQueryTail;
    QString nameReference;     // reference list that names the components
    QString installedExtra;    // more of the installed (and stores) condition
    QString installedOrder;
    QString storeColumn;
    QString storesTitle;
    QString storeOrder;
    bool notOnEngine = false;  // stores: only components not mounted on an engine or APU
    bool prefixed = false;     // names keep the member's prefix
    bool zcuMark = false;      // "<b>=:=</b>" where a date cannot be given
    const char* templateCode;
    const char* title;         // the report's title
    const char* component;     // the head of the component column
    const char* filterLabel;   // names the filter's choice in the heading
};

// The row of the table for a frame class; nullptr for another class.
const ComponentFrameRow* componentFrame(const QString& frameClass);

class TfrPlanPrognComponent : public shell::TPlanFrame {
    Q_OBJECT
public:
    explicit TfrPlanPrognComponent(const ComponentFrameRow& row);
    ~TfrPlanPrognComponent() override;

    const ComponentFrameRow& frameRow() const { return m_row; }
    void FunStart() override;
    void FunReport() override;
    // Fills the filter list (FunCboDvigatel, FunCboReductor, FunCboLopast,
    // FunCboVint, FunAgrAdd); the first item is chosen.
    void fillFilterList();
    // The daily rate of an aircraft with its type's airframe ground rule.
    double FunLastMonth(const QString& board, const QString& type);

    // The condition of the chosen filter item, as it is put into the queries.
    QString filterCondition();
    QComboBox* filterList() const { return m_filter; }

private:
    void cboSelectChange();
    bool onlyOwn() const;
    QString ownershipCondition();
    // The filter's choice in words ("Все типы двигателей", "Втулка НВ, чертежный № 8-1930-00").
    QString filterChoiceText() const;
    // Title, operator, what the forecast covers, legend and signatures.
    ReportValues headingValues(const Thresholds& t, const QDate& today) const;
    QStringList typesNotHidden();

    const ComponentFrameRow& m_row;
    BasisControls* m_basis = nullptr;
    QComboBox* m_filter = nullptr;
    QCheckBox* chkResurs = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::forecast
