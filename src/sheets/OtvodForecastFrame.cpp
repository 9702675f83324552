#include "sheets/OtvodForecastFrame.h"

#include "frames/AircraftTree.h"
#include "frames/CodeSelector.h"
#include "frames/SqlText.h"
#include "platform/Clock.h"
#include "platform/Dataset.h"
#include "rarozidi/Func.h"
#include "sheets/FormReckoning.h"
#include "sheets/WithdrawalPlanFrames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace plan::sheets {

OtvodForecastFrame::OtvodForecastFrame(PlanGrain grain) : TPlanFrame(QStringLiteral("frmPlanSpravka")), m_grain(grain)
{
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(4, 4, 4, 4);
    auto named = [](QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    Label1 = static_cast<QLabel*>(named(new QLabel(QStringLiteral("Эксплуатант:"), this), "Label1"));
    cboTipVS = static_cast<QComboBox*>(named(new QComboBox(this), "cboTipVS"));
    cboNumVS = static_cast<QComboBox*>(named(new QComboBox(this), "cboNumVS"));
    m_grid->addWidget(Label1, 0, 0, 1, 2);
    m_grid->addWidget(new QLabel(QStringLiteral("Тип ВС"), this), 2, 0);
    m_grid->addWidget(cboTipVS, 2, 1);
    m_grid->addWidget(new QLabel(QStringLiteral("Бортовой номер"), this), 3, 0);
    m_grid->addWidget(cboNumVS, 3, 1);
    m_grid->addWidget(new QLabel(QStringLiteral("Планируемый налет"), this), 4, 0);
    m_grid->addWidget(new QLabel(QStringLiteral("(часов):"), this), 4, 1);
    for (int i = 0; i < 12; ++i) {
        lbl[i] = new QLabel(this);
        lbl[i]->setObjectName(QStringLiteral("lbl%1").arg(i + 1));
        txt[i] = new QLineEdit(this);
        txt[i]->setObjectName(QStringLiteral("txt%1").arg(i + 1));
        m_grid->addWidget(lbl[i], 5 + i, 0);
        m_grid->addWidget(txt[i], 5 + i, 1);
    }
    cmdReport = static_cast<QPushButton*>(named(new QPushButton(QStringLiteral("Показать"), this), "cmdReport"));
    m_grid->addWidget(cmdReport, 17, 0, 1, 2);
    m_grid->setRowStretch(18, 1);
    bindShowButton(cmdReport);
    connect(cboTipVS, &QComboBox::activated, this, [this] { guarded([this] { cboTipVSChange(); }); });
}

void OtvodForecastFrame::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath());
    m_grid->addWidget(cboExpl, 1, 0, 1, 2);
    cboExpl->FunCboExpl(ADOConPdo);
    FunCboTipVS();
    FunCboNumVS();
    FunCboMonth();
}

void OtvodForecastFrame::FunCboTipVS()
{
    cboTipVS->clear();
    for (auto ds = openQuery(ADOConPdo, QString::fromUtf8(frames::kVisibleTypesQuery)); !ds->eof(); ds->next())
        cboTipVS->addItem(ds->str(0).trimmed());
    if (cboTipVS->count() > 0) cboTipVS->setCurrentIndex(0);
}

void OtvodForecastFrame::FunCboNumVS()
{
    cboNumVS->clear();
    auto ds = openQuery(ADOConPdo, QStringLiteral("Select BORTOVOI_NOMER From REESTR Where TIP_VS=") +
                                       frames::sqlText(cboTipVS->currentText()) +
                                       QStringLiteral(" Order By BORTOVOI_NOMER, ID;"));
    for (; !ds->eof(); ds->next()) cboNumVS->addItem(ds->str(0).trimmed());
    if (cboNumVS->count() > 0) cboNumVS->setCurrentIndex(0);
}

void OtvodForecastFrame::FunCboMonth()
{
    const QStringList captions = periodCaptions(m_grain, Clock::today());
    for (int i = 0; i < 12; ++i) lbl[i]->setText(captions.value(i));
}

void OtvodForecastFrame::cboTipVSChange()
{
    FunCboNumVS();
}

void OtvodForecastFrame::FunReport()
{
    if (cboTipVS->currentText().isEmpty()) {
        rarozidi::FunMsg(QStringLiteral("тип ВС"), 2);
        return;
    }
    if (cboNumVS->currentText().isEmpty()) {
        rarozidi::FunMsg(QStringLiteral("бортовой номер ВС"), 6);
        return;
    }
    ForecastPlanOptions o;
    o.op = otvodOperator(cboExpl);
    o.aircraft = {cboTipVS->currentText(), cboNumVS->currentText()};
    o.grain = m_grain;
    for (QLineEdit* t : txt) o.hours << t->text();
    const QDate today = Clock::today();
    const bool months = m_grain == PlanGrain::Month;
    showSheetRows(reportHost(), ADOConPdo, *ADOQueryReport, QString::fromUtf8(kOtvodGodQuery), 1, o.op,
                  months ? QStringLiteral("Годовой план-прогноз отвода ВС на ТО")
                         : QStringLiteral("Квартальный план-прогноз отвода ВС на ТО"),
                  {QStringLiteral("ВС: %1 %2").arg(o.aircraft.type, o.aircraft.board),
                   QStringLiteral("С %1; по планируемому налету на %2: %3")
                       .arg(today.toString(QStringLiteral("dd.MM.yyyy")),
                            months ? QStringLiteral("12 месяцев") : QStringLiteral("12 недель"),
                            o.hours.join(QStringLiteral(", ")))},
                  {overdueLegend(), QStringLiteral("Даты форм — <b><i>дд.мм.гг</i></b>")},
                  [&](const Progress& step, QString& code) {
                      code = QStringLiteral("rep17");
                      auto rows = buildForecastPlan(*ADOConPdo, o, today);
                      step();
                      return rows;
                  });
}

} // namespace plan::sheets
