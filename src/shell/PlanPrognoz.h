#pragma once
// TfrmPlanPrognoz: the host window of the forecasts: complex forecast of chosen aircraft and the forecasts of each kind of component.
#include "shell/HostWindow.h"

namespace plan::shell {

class TfrmPlanPrognoz : public THostWindow {
    Q_OBJECT
public:
    explicit TfrmPlanPrognoz(QWidget* parent = nullptr);
    ~TfrmPlanPrognoz() override;
    static const HostTraits& itemTable();
};

} // namespace plan::shell
