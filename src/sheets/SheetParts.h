#pragma once
// What the owner sheets of frmPlanSpravka (certificate expiry, weight and
// balance, replacement plan) share around their rows: the column of option
// controls under "Владелец:" and the short texts they print.
#include <QDate>
#include <QString>
#include <QVariantList>
#include <initializer_list>

class QComboBox;
class QPushButton;
class QWidget;

namespace plan {
class Connection;
}

namespace plan::sheets {

// Lays the frame's controls out top down: Label1 "Владелец:" with cboSobst,
// the further controls (the last one takes the height left), the show button.
void layOutOwnerOptions(QWidget* frame, QComboBox* cboSobst, std::initializer_list<QWidget*> more,
                        QPushButton* cmdReport);

// Who signs an owner's sheet: the post and name of the head of the planning
// office of the owner's OBSHIE row (25 and 11); none when the owner has no row.
QVariantList ownerSignatures(Connection* c, const QString& ownerCode);

// A date as the sheets print it, "dd.mm.yyyy"; "" for an invalid date.
QString dateText(const QDate& d);

} // namespace plan::sheets
