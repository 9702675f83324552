#pragma once
// TfrmTuneReports, the editor of the unit lists of the application
// documents: for one aircraft type (cboTipVS) and one document
// (cboTipReport) the units the type's standard offers (GridAgregat, left
// panel) and the lines of the document (GridReport), saved to TUNE_REPORTS
// (see TuneReportsModel.h). The lower panel holds the lists and the
// buttons. The user settings file keeps the panel sizes (section
// frmTuneReports: PanBottom_Heidht, PanAgregat_Width).
#include "platform/Connection.h"
#include "shell/PlanWindow.h"
#include "tuning/TuneReportsModel.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace plan::tuning {

class TuneActivation;

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

    // The lists behind the grids.
    TuneReportsModel& model() { return m_model; }
    TuneActivation* activation() const { return m_activation; }

    // Work routines and handlers.
    void FunClear();
    void FunCboTipVS();
    void FunCboTipReport();
    void FunGridAgregat();
    void FunGridReport();
    void FunGridReportAddRows();
    void FunSave();
    void cmdDeleteClick();
    void cmdRepairClick();
    void GridReportRowMoved(int from, int to);
    // Key release of the up or down arrow in GridReport.
    void GridReportKeyUp(bool up);
    void GridReportComboChange(int row, int column, const QString& value);
    // Asks about unsaved changes; true (close) in every case.
    bool FormCloseQuery();

    QComboBox* cboTipVS = nullptr;
    QComboBox* cboTipReport = nullptr;
    QLineEdit* txtTipReport = nullptr;
    QLineEdit* txtNameReport = nullptr;
    QTableWidget* GridAgregat = nullptr;
    QTableWidget* GridReport = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdRepair = nullptr;

protected:
    void FormCreate();
    // Panel sizes from the settings file.
    void FormShow();
    void FormClose() override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void fillLines(int selectRow = -1);
    void setChanged();
    void cboTipVSChange();
    void cboTipReportChange();

    QWidget* PanAgregat = nullptr;
    QWidget* PanMain = nullptr;
    QWidget* PanBottom = nullptr;
    TuneReportsModel m_model;
    TuneActivation* m_activation = nullptr;
    bool m_filling = false;
    int m_selectedRow = -1; // the row last selected in GridReport
};

} // namespace plan::tuning
