#pragma once
// TfrmPlanSpravka: the host window of the reference sheets. Its bar, splitter and report panel sit in PanBottom, which its frames disable while they work; it has no end-of-document handler.
#include "shell/HostWindow.h"

namespace plan::shell {

class TfrmPlanSpravka : public THostWindow {
    Q_OBJECT
public:
    explicit TfrmPlanSpravka(QWidget* parent = nullptr);
    ~TfrmPlanSpravka() override;
    static const HostTraits& itemTable();
};

} // namespace plan::shell
