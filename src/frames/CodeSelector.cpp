#include "frames/CodeSelector.h"

#include "platform/Dataset.h"
#include "platform/IniFile.h"

#include <QSignalBlocker>

namespace plan::frames {

const QString& CodeSelector::clearItem()
{
    static const QString text = QStringLiteral("Очистить поле");
    return text;
}

CodeSelector::CodeSelector(const QString& objectName, QWidget* parent, const QString& settingsPath,
                           const QString& section, const QString& key)
    : QComboBox(parent), m_settings(settingsPath), m_section(section), m_key(key)
{
    setObjectName(objectName);
    setEditable(false);
    connect(this, &QComboBox::currentIndexChanged, this, &CodeSelector::changed);
}

void CodeSelector::clearCodes()
{
    const QSignalBlocker block(this);
    clear();
    m_rows.clear();
}

void CodeSelector::addCode(const QString& name, const QString& code)
{
    const QSignalBlocker block(this);
    m_rows.emplace_back(name, code);
    addItem(name);
}

void CodeSelector::fill(Connection* c, const QString& query, const QString& nameColumn, const QString& codeColumn,
                        bool withClear)
{
    clearCodes();
    Dataset ds(c);
    ds.setCommandText(query);
    ds.open();
    for (; !ds.eof(); ds.next()) addCode(ds.str(nameColumn), ds.str(codeColumn));
    if (withClear) {
        const QSignalBlocker block(this);
        addItem(clearItem());
    }
    restoreIndex();
}

void CodeSelector::restoreIndex(int def)
{
    const int saved = IniFile(m_settings).readInteger(m_section, m_key, def);
    const QSignalBlocker block(this);
    setCurrentIndex(saved >= 0 && saved < count() ? saved : -1);
}

void CodeSelector::changed(int index)
{
    // "Очистить поле" clears the choice; the index is kept at once.
    if (index >= 0 && itemText(index) == clearItem() && index >= static_cast<int>(m_rows.size())) {
        const QSignalBlocker block(this);
        setCurrentIndex(-1);
        index = -1;
    }
    IniFile ini(m_settings);
    ini.writeInteger(m_section, m_key, index);
}

QString CodeSelector::codeOf(const QString& name) const
{
    for (const auto& [n, code] : m_rows)
        if (n == name) return code;
    return QStringLiteral("-1");
}

QString CodeSelector::code() const { return currentIndex() < 0 ? QStringLiteral("-1") : codeOf(currentText()); }

QString CodeSelector::nameOf(const QString& code) const
{
    for (const auto& [n, c] : m_rows)
        if (c == code) return n;
    return {};
}

OperatorSelector::OperatorSelector(QWidget* parent, const QString& settingsPath, const QString& section,
                                   const QString& key)
    : CodeSelector(QStringLiteral("cboExpl"), parent, settingsPath, section, key)
{
}

void OperatorSelector::FunCboExpl(Connection* c, bool withClear)
{
    fill(c, QStringLiteral("Select * From EXPLUATANTY Where HIDE=0 Order By ID_NAME, ID;"), QStringLiteral("NAME"),
         QStringLiteral("ID_NAME"), withClear);
}

OwnerSelector::OwnerSelector(QWidget* parent, const QString& settingsPath, const QString& section, const QString& key)
    : CodeSelector(QStringLiteral("cboSobst"), parent, settingsPath, section, key)
{
}

void OwnerSelector::FunCboSobst(Connection* c, bool withClear)
{
    fill(c, QStringLiteral("Select * From SOBSTVENNIKI Where HIDE=0 Order By ID_NAME, ID;"), QStringLiteral("NAME"),
         QStringLiteral("ID_NAME"), withClear);
}

} // namespace plan::frames
