#pragma once
// TfrmPlanUdoShum: the host window of the source data of the noise certificate. Its report panel is PanUdoShum; it asks for the switch file as "Reports.ini".
#include "shell/HostWindow.h"

namespace plan::shell {

class TfrmPlanUdoShum : public THostWindow {
    Q_OBJECT
public:
    explicit TfrmPlanUdoShum(QWidget* parent = nullptr);
    ~TfrmPlanUdoShum() override;
    static const HostTraits& itemTable();
};

} // namespace plan::shell
