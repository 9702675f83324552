#pragma once
// What the owner sheets of frmPlanSpravka (certificate expiry, weight and
// balance, replacement plan) share around their rows: the column of option
// controls under "Владелец:" and the short texts they print.
#include <QDate>
#include <QString>
#include <initializer_list>

class QComboBox;
class QPushButton;
class QWidget;

namespace plan::sheets {

// Lays the frame's controls out top down: Label1 "Владелец:" with cboSobst,
// the further controls (the last one takes the height left), the show button.
void layOutOwnerOptions(QWidget* frame, QComboBox* cboSobst, std::initializer_list<QWidget*> more,
                        QPushButton* cmdReport);

// A date as the sheets print it, "dd.mm.yyyy"; "" for an invalid date.
QString dateText(const QDate& d);

} // namespace plan::sheets
