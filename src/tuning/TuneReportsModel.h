#pragma once
// The lists of TfrmTuneReports: for one aircraft type and one application
// document, the units the type's standard offers (GridAgregat) and the lines
// of the document (GridReport), saved as the rows of TUNE_REPORTS. The
// window and `plan tune-reports` both work through this class.
//
// GridAgregat cells: 2 caption, 3 drawing number, 4 kind code, 5 system,
//   6 quantity, 7 installation positions, 8 standard-row identifier.
// GridReport cells: 2 NAZVANIE, 3 CHERT_NOMER, 4 SVODNY_PASPORT, 5 SYSTEMA,
//   6 KOL_VO_NA_VS, 7 MESTA_USTANOVKI, 8 TIP_AGREGATA, 9 ID_ETALON; line r
//   (1-based) is NUMBER_LINE r.
#include "tuning/TuneListModel.h"

namespace plan::tuning {

struct TuneDocument {
    const char* section; // of "reports.ini"
    const char* key;     // of "reports.ini"
    const char* item;    // shown in the document list
};

class TuneReportsModel : public TuneListModel {
public:
    enum AvailableColumn { aCaption = 2, aDrawing, aKind, aSystem, aQuantity, aPositions, aId, aColumns };
    enum LineColumn { lCaption = 2, lDrawing, lSvodny, lSystem, lQuantity, lPositions, lKind, lId, lColumns };

    explicit TuneReportsModel(Connection* connection);

    // The six documents in the order of the list.
    static const std::vector<TuneDocument>& documents();
    // The items switched on in "reports.ini" of the installation folder.
    static QStringList offeredDocuments();
    // Family code and document name of an item; both empty for other texts.
    static void deriveDocument(const QString& item, QString* code, QString* name);
    // The kinds whose lines have no editable attributes.
    static bool fixedKind(const QString& kind);
    // The positions list for a quantity: 2, 3, 4 give their lists, 1 gives
    // "", and other values give nothing (*known false).
    static QString positionsFor(int quantity, bool* known = nullptr);

    // Aircraft types offered (names containing "HIDE" in any case are hidden).
    QStringList types() const;

    QString type() const { return m_type; }
    QString documentItem() const { return m_item; }
    QString familyCode() const { return m_code; }
    QString documentName() const { return m_name; }
    void setType(const QString& type) { m_type = type; }
    void setDocument(const QString& item);

    // FunGridAgregat: the units of the type's standard.
    void loadAvailable();
    // FunGridReport: the saved lines of the type and document.
    void loadLines();
    // A document is chosen and its lines are loaded (Save and Repair work).
    bool documentOpen() const { return m_open && !m_code.isEmpty(); }

    // FunGridReportAddRows: adds the checked available rows, clears the
    // checks; the indexes of the lines added.
    std::vector<int> addChecked();

    // Columns 4 to 7 of a line can be edited.
    bool canEditAttributes(int line) const;
    // FunEditCel: the entries of the drop-down list of a cell and the one
    // preselected (-1: none). May set an empty quantity to "1" first.
    QStringList editList(int line, int column, int* preselect = nullptr);
    // GridReportComboChange: a value chosen in column 4 to 7.
    void comboChange(int line, int column, const QString& value);

    // FunSave: rewrites the rows of the type and document with the lines
    // 1..n in one transaction, then reloads. Throws DbError (nothing saved).
    void save();
    // cmdRepairClick: re-links the unit lines to the standard rows of the
    // same name and drawing number and saves; the texts of the lines with no
    // match (" в эталоне не найден!").
    QStringList repair();

private:
    // The standard row of a unit identifier: quantity (0 when none) and positions text.
    bool standardRow(const QString& id, int* quantity, QString* positions) const;

    QString m_type;
    QString m_item;
    QString m_code;
    QString m_name;
    bool m_open = false;
};

} // namespace plan::tuning
