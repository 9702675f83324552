#pragma once
// The basis controls every forecast frame shows: the underlined label
// "Основание для расчета:", the basis list cboSelect (the flying of the last
// 30 days, or the planned flying) and beside it txtNalet, the planned hours
// per month (digits only; shown, enabled and set to "0" only while the
// planned basis is chosen).
#include <QObject>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace plan::forecast {

class BasisControls : public QObject {
    Q_OBJECT
public:
    // The controls are made children of `frame`.
    explicit BasisControls(QWidget* frame);

    QLabel* lblNalet = nullptr;
    QComboBox* cboSelect = nullptr;
    QLineEdit* txtNalet = nullptr;
    // cboSelect (86 % of the row) and txtNalet (14 %) side by side.
    QWidget* row = nullptr;

    // 0: flying of the last 30 days; 1: planned flying.
    int basis() const;
    QString plannedText() const;

    void cboSelectChange();
};

} // namespace plan::forecast
