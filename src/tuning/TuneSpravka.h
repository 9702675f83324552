#pragma once
// TfrmTuneSpravka, the editor of the lists of the tuned reference sheets.
// This is its frame: the window key, the connection, the window size and the
// two inner panels that the user settings file keeps (section
// frmTuneSpravka: Heidht, Width, PanBottom_Heidht, PanAgregat_Width). The
// editor's content goes into these panels.
#include "platform/Connection.h"
#include "shell/PlanWindow.h"

namespace plan::tuning {

class TfrmTuneSpravka : public shell::TPlanWindow {
    Q_OBJECT
public:
    explicit TfrmTuneSpravka(QWidget* parent = nullptr);

    void FunStart() override;
    // The window and both panels go back to their default sizes.
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
