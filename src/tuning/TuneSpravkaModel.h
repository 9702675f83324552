#pragma once
// The lists of TfrmTuneSpravka: the kinds and units the standards of all
// visible aircraft types hold (GridAgregat) and the lines of one tuned sheet
// (GridReport), saved as the rows of TUNE_DOCS. The window and
// `plan tune-sheets` both work through this class.
//
// Cells of both grids: 2 caption (NAZVANIE), 3 drawing number (CHERT_NOMER),
// 4 kind code (TIP_AGREGATA), 5 identifier (ID_ETALON); line r (1-based) is
// NUMBER_LINE r.
#include "tuning/TuneListModel.h"

namespace plan::tuning {

class TuneSpravkaModel : public TuneListModel {
public:
    enum Column { cCaption = 2, cDrawing, cKind, cId, cColumns };

    explicit TuneSpravkaModel(Connection* connection);

    // The sheets switched on in "reports.ini" of the installation folder;
    // the complex forecast is always offered.
    static QStringList offeredSheets();

    // The condition on TIP_VS that matches the visible types (names that
    // start with "HIDE" in any case are hidden); "TIP_VS='NULL'" with none.
    QString visibleTypesCondition() const;

    QString sheet() const { return m_sheet; }
    void setSheet(const QString& item) { m_sheet = item; }

    // The kinds and units of the standards of the visible types.
    void loadAvailable();
    // FunGridReport: the saved lines of the sheet.
    void loadLines();
    bool sheetOpen() const { return m_open && !m_sheet.isEmpty(); }

    // cmdAddClick: adds the checked available rows (the checks stay); the
    // indexes of the lines added.
    std::vector<int> addChecked();

    // FunSave: rewrites the rows of the sheet with the lines 1..n in one
    // transaction, then reloads. Throws DbError (nothing saved).
    void save();

private:
    QString m_sheet;
    bool m_open = false;
};

} // namespace plan::tuning
