#pragma once
// TfrmPlanReport: the host window of the statutory and fleet reports. The three quarterly reports share one switch.
#include "shell/HostWindow.h"

namespace plan::shell {

class TfrmPlanReport : public THostWindow {
    Q_OBJECT
public:
    explicit TfrmPlanReport(QWidget* parent = nullptr);
    ~TfrmPlanReport() override;
    static const HostTraits& itemTable();
};

} // namespace plan::shell
