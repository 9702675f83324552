#pragma once
// The column of option controls of the frames dated by an operator's form:
// "Эксплуатант:" with cboExpl, "Дата составления:" with picDate, the further
// controls (the last one takes the height left), the show button.
#include <initializer_list>

class QComboBox;
class QPushButton;
class QWidget;

namespace plan::frames {

class ReportDateControl;

void layOutOptions(QWidget* frame, QComboBox* cboExpl, const ReportDateControl& date,
                   std::initializer_list<QWidget*> more, QPushButton* cmdReport);

} // namespace plan::frames
