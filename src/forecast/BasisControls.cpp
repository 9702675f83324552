#include "forecast/BasisControls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace plan::forecast {

BasisControls::BasisControls(QWidget* frame) : QObject(frame)
{
    lblNalet = new QLabel(QStringLiteral("Основание для расчета:"), frame);
    lblNalet->setObjectName(QStringLiteral("lblNalet"));
    QFont f = lblNalet->font();
    f.setUnderline(true);
    lblNalet->setFont(f);

    row = new QWidget(frame);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    cboSelect = new QComboBox(row);
    cboSelect->setObjectName(QStringLiteral("cboSelect"));
    cboSelect->addItem(QStringLiteral("Наработка ВС за последние 30 дней"));
    cboSelect->addItem(QStringLiteral("Планируемая наработка ВС (час/мес)"));
    cboSelect->setCurrentIndex(0);
    txtNalet = new QLineEdit(QStringLiteral("0"), row);
    txtNalet->setObjectName(QStringLiteral("txtNalet"));
    txtNalet->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtNalet));
    txtNalet->setVisible(false);
    txtNalet->setEnabled(false);
    h->addWidget(cboSelect, 86);
    h->addWidget(txtNalet, 14);
    connect(cboSelect, &QComboBox::currentIndexChanged, this, [this] { cboSelectChange(); });
}

int BasisControls::basis() const { return cboSelect->currentIndex() == 1 ? 1 : 0; }

QString BasisControls::plannedText() const { return txtNalet->text(); }

void BasisControls::cboSelectChange()
{
    const bool planned = basis() == 1;
    txtNalet->setVisible(planned);
    txtNalet->setEnabled(planned);
    txtNalet->setText(planned ? QStringLiteral("0") : QString());
}

} // namespace plan::forecast
