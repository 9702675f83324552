#pragma once
// The frame of the authority's register forms Г3 and Г4 (frmPlanSpravka):
// "Эксплуатант:" (cboExpl, its index kept under MAIN and the form's key),
// "Дата составления:" (picDate, today at start), "Показать" (cmdReport).
// The form's rows come from its builder (OsilRegisters.h) and are shown
// through the report cycle with the heading of the operator.
#include "sheets/OsilRegisters.h"
#include "frames/Period.h"
#include "shell/PlanFrame.h"

#include <functional>

class QPushButton;

namespace plan::frames {
class OperatorSelector;
}

namespace plan::sheets {

struct OsilForm {
    const char* settingsKey; // under MAIN: the index of cboExpl
    const char* query;       // the staging table's query
    const char* code;        // the template
    const char* title;
    frames::StagedRows (*build)(Connection*, const OsilOptions&);
};

class OsilFormFrame : public shell::TPlanFrame {
    Q_OBJECT
public:
    explicit OsilFormFrame(const OsilForm& form);
    ~OsilFormFrame() override;

    void FunStart() override;
    void FunReport() override;
    void FunCboExpl();
    OsilOptions options() const;

private:
    const OsilForm& m_form;
    frames::OperatorSelector* cboExpl = nullptr; // made in FunStart, once the settings file is known
    frames::ReportDateControl m_date;             // picDate
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::sheets
