#pragma once
// TfrmPlanZaiavSLG: the host window of the documents of the airworthiness-certificate application (no progress bar; Enter moves on as Tab does).
#include "shell/HostWindow.h"

namespace plan::shell {

class TfrmPlanZaiavSLG : public THostWindow {
    Q_OBJECT
public:
    explicit TfrmPlanZaiavSLG(QWidget* parent = nullptr);
    ~TfrmPlanZaiavSLG() override;
    static const HostTraits& itemTable();

    // Enter moves the focus to the next control, as Tab does; the window
    // sees keys before its controls. Returns true when the key was used.
    bool FormKeyDown(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace plan::shell
