#pragma once
// The header data of an operator's or owner's documents: the first OBSHIE
// row of the operator ("Select * From OBSHIE Where EXPLUATANT='<code>' Order
// By ID;") or of the owner ("... Where VLADELETS='<code>' ..."), read once
// per report. Positions are those of plan::pos::obshie; a missing row reads
// as empty texts.
#include "data/Positions.h"

#include <QString>
#include <QStringList>

namespace plan {
class Connection;
}

namespace plan::frames {

class OperatorHeader {
public:
    OperatorHeader() = default;
    static OperatorHeader ofOperator(Connection* c, const QString& operatorCode);
    static OperatorHeader ofOwner(Connection* c, const QString& ownerCode);

    bool found() const { return !m_values.isEmpty(); }
    // The text at a position of the row ("" without a row).
    QString at(int pos) const { return pos >= 0 && pos < m_values.size() ? m_values[pos] : QString(); }

    QString operatorCode() const { return at(pos::obshie::EXPLUATANT); }
    QString ownerCode() const { return at(pos::obshie::VLADELETS); }
    QString headName() const { return at(pos::obshie::FIO_IAS); }      // engineering head
    QString headPost() const { return at(pos::obshie::DOLGNOST_IAS); }
    QString preparerName() const { return at(pos::obshie::NACH_PDO); } // head of the planning office
    QString preparerPost() const { return at(pos::obshie::DOLGNOST_PDO); }
    QString preparerPhone() const { return at(pos::obshie::PHONE_PDO); }
    QString companyEmail() const { return at(pos::obshie::EMAIL_PREDPRIATIE); }

private:
    static OperatorHeader read(Connection* c, const QString& query);
    QStringList m_values;
};

} // namespace plan::frames
