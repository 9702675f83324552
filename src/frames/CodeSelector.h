#pragma once
// A drop-down list of names that stand for codes: the operator list
// (cboExpl, names of EXPLUATANTY, codes ID_NAME), the owner list (cboSobst,
// SOBSTVENNIKI) and the like. The list remembers its index in the user
// settings file under the section and key the frame gives, writing it back
// at every change; the code of the chosen name is "-1" when the name is not
// among the rows (an empty list, a cleared choice, "Очистить поле"), which
// matches no row in any query.
//
//     OperatorSelector cboExpl(this, settingsPath(), "MAIN", "CBOEXPL");
//     cboExpl.FunCboExpl(ADOConPdo);
//     ... "Where EXPLUATANT=" + sqlText(cboExpl.code())
#include <QComboBox>
#include <QString>
#include <vector>

namespace plan {
class Connection;
}

namespace plan::frames {

class CodeSelector : public QComboBox {
    Q_OBJECT
public:
    // The settings file, section and key that keep the index.
    CodeSelector(const QString& objectName, QWidget* parent, const QString& settingsPath, const QString& section,
                 const QString& key);

    // Fills the list with the nameColumn of every row of the query (codes
    // from codeColumn), adds the clearing item when withClear, and selects
    // the saved index (nothing when it is out of range).
    void fill(Connection* c, const QString& query, const QString& nameColumn = QStringLiteral("NAME"),
              const QString& codeColumn = QStringLiteral("ID_NAME"), bool withClear = false);
    // Adds one name with its code (lists composed by a frame).
    void addCode(const QString& name, const QString& code);
    void clearCodes();
    // Selects the saved index (default when the key is absent).
    void restoreIndex(int def = 0);

    // The code of the chosen name, "-1" when the name is not one of the rows.
    QString code() const;
    // The code of a name, "-1" when it is not one of the rows.
    QString codeOf(const QString& name) const;
    // The name of a code, "" when none.
    QString nameOf(const QString& code) const;

    static const QString& clearItem();

private:
    void changed(int index);
    QString m_settings;
    QString m_section;
    QString m_key;
    std::vector<std::pair<QString, QString>> m_rows; // name, code
    bool m_filling = false;
};

// cboExpl: operators "Select * From EXPLUATANTY Where HIDE=0 Order By ID_NAME, ID;".
class OperatorSelector : public CodeSelector {
    Q_OBJECT
public:
    OperatorSelector(QWidget* parent, const QString& settingsPath, const QString& section = QStringLiteral("MAIN"),
                     const QString& key = QStringLiteral("CBOEXPL"));
    // Fills the operators; withClear adds "Очистить поле" at the end.
    void FunCboExpl(Connection* c, bool withClear = false);
};

// cboSobst: owners "Select * From SOBSTVENNIKI Where HIDE=0 Order By ID_NAME, ID;".
class OwnerSelector : public CodeSelector {
    Q_OBJECT
public:
    OwnerSelector(QWidget* parent, const QString& settingsPath, const QString& section = QStringLiteral("MAIN"),
                  const QString& key = QStringLiteral("CBOSOBST"));
    void FunCboSobst(Connection* c, bool withClear = false);
};

} // namespace plan::frames
