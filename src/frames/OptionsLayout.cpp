#include "frames/OptionsLayout.h"

#include "frames/Period.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plan::frames {

void layOutOptions(QWidget* frame, QComboBox* cboExpl, const ReportDateControl& date,
                   std::initializer_list<QWidget*> more, QPushButton* cmdReport)
{
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* lblExpl = new QLabel(QStringLiteral("Эксплуатант:"), frame);
    lblExpl->setObjectName(QStringLiteral("lblExpl"));
    layout->addWidget(lblExpl);
    layout->addWidget(cboExpl);
    layout->addWidget(date.lblDate);
    layout->addWidget(date.picDate);
    int i = 0;
    for (QWidget* w : more) layout->addWidget(w, ++i == static_cast<int>(more.size()) ? 1 : 0);
    layout->addWidget(cmdReport);
}

} // namespace plan::frames
