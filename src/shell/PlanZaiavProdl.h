#pragma once
// TfrmPlanZaiavProdl: the host window of the applications for the extension of service life (no progress bar).
#include "shell/HostWindow.h"

namespace plan::shell {

class TfrmPlanZaiavProdl : public THostWindow {
    Q_OBJECT
public:
    explicit TfrmPlanZaiavProdl(QWidget* parent = nullptr);
    ~TfrmPlanZaiavProdl() override;
    static const HostTraits& itemTable();
};

} // namespace plan::shell
