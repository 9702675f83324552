#include "sheets/SheetParts.h"

#include "data/Positions.h"
#include "frames/OperatorHeader.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plan::sheets {

void layOutOwnerOptions(QWidget* frame, QComboBox* cboSobst, std::initializer_list<QWidget*> more,
                        QPushButton* cmdReport)
{
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* label = new QLabel(QStringLiteral("Владелец:"), frame);
    label->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(label);
    layout->addWidget(cboSobst);
    int i = 0;
    for (QWidget* w : more) layout->addWidget(w, ++i == static_cast<int>(more.size()) ? 1 : 0);
    layout->addWidget(cmdReport);
    if (more.size() == 0) layout->addStretch(1);
}

QVariantList ownerSignatures(Connection* c, const QString& ownerCode)
{
    const frames::OperatorHeader h = frames::OperatorHeader::ofOwner(c, ownerCode);
    if (h.at(pos::obshie::NACH_PDO).trimmed().isEmpty()) return {};
    return {QVariantHash{{QStringLiteral("post"), h.at(pos::obshie::DOLGNOST_PDO)},
                         {QStringLiteral("name"), h.at(pos::obshie::NACH_PDO)}}};
}

QString dateText(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString(); }

} // namespace plan::sheets
