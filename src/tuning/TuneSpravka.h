#pragma once
// TfrmTuneSpravka, the editor of the lists of the tuned reference sheets:
// the kinds and units the standards of all visible types hold (GridAgregat,
// left panel) and the lines of the sheet chosen in cboTipReport
// (GridReport), saved to TUNE_DOCS (see TuneSpravkaModel.h). The lower
// panel holds the sheet list and the buttons. The user settings file keeps
// the window size and the two panel sizes (section frmTuneSpravka: Heidht,
// Width, PanBottom_Heidht, PanAgregat_Width).
#include "platform/Connection.h"
#include "shell/PlanWindow.h"
#include "tuning/TuneSpravkaModel.h"

class QComboBox;
class QPushButton;
class QTableWidget;

namespace plan::tuning {

class TuneActivation;

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

    TuneSpravkaModel& model() { return m_model; }
    TuneActivation* activation() const { return m_activation; }

    void FunClear();
    void FunGridAgregat();
    void FunGridReport();
    void cmdAddClick();
    void cmdDeleteClick();
    void FunSave();
    void GridReportRowMoved(int from, int to);
    void GridReportKeyUp(bool up);
    bool FormCloseQuery();

    QComboBox* cboTipReport = nullptr;
    QTableWidget* GridAgregat = nullptr;
    QTableWidget* GridReport = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdRefresh = nullptr;

protected:
    void FormCreate();
    // Window and panel sizes from the settings file.
    void FormShow();
    void FormClose() override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void fillAvailable();
    void fillLines(int selectRow = -1);
    void setChanged();
    void cboTipReportChange();

    QWidget* PanAgregat = nullptr;
    QWidget* PanMain = nullptr;
    QWidget* PanBottom = nullptr;
    TuneSpravkaModel m_model;
    TuneActivation* m_activation = nullptr;
    bool m_filling = false;
    int m_selectedRow = -1;
};

} // namespace plan::tuning
