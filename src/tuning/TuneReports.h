#pragma once
// TfrmTuneReports, the editor of the unit lists of the application
// documents. This is its frame: the window key, the connection, and the two
// inner panels whose sizes the user settings file keeps (section
// frmTuneReports: PanBottom_Heidht, PanAgregat_Width). The editor's content
// goes into these panels.
#include "platform/Connection.h"
#include "shell/PlanWindow.h"

namespace plan::tuning {

class TfrmTuneReports : public shell::TPlanWindow {
    Q_OBJECT
public:
    explicit TfrmTuneReports(QWidget* parent = nullptr);

    void FunStart() override;
    // Only the two panels go back to their default sizes; the window keeps its size.
    void restoreDefaultPosition(double scale) override;

    QWidget* panBottom() const { return PanBottom; }
    QWidget* panAgregat() const { return PanAgregat; }
    int panBottomHeight() const;
    int panAgregatWidth() const;
    void setPanelSizes(int panBottomHeight, int panAgregatWidth);

    Connection ADOConPdo;

protected:
    void FormCreate();
    // Panel sizes from the settings file.
    void FormShow();
    void FormClose() override;
    void showEvent(QShowEvent* e) override;

private:
    QWidget* PanAgregat = nullptr;
    QWidget* PanMain = nullptr;
    QWidget* PanBottom = nullptr;
};

} // namespace plan::tuning
