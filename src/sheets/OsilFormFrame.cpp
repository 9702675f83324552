#include "sheets/OsilFormFrame.h"

#include "frames/CodeSelector.h"
#include "frames/OptionsLayout.h"
#include "shell/StagedReport.h"

#include <QPushButton>

namespace plan::sheets {

OsilFormFrame::OsilFormFrame(const OsilForm& form) : TPlanFrame(QStringLiteral("frmPlanSpravka")), m_form(form), m_date(this)
{
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    bindShowButton(cmdReport);
}

OsilFormFrame::~OsilFormFrame() = default;

void OsilFormFrame::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath(), QStringLiteral("MAIN"),
                                           QString::fromLatin1(m_form.settingsKey));
    frames::layOutOptions(this, cboExpl, m_date, {}, cmdReport);
    m_date.start();
    FunCboExpl();
}

void OsilFormFrame::FunCboExpl() { cboExpl->FunCboExpl(ADOConPdo); }

OsilOptions OsilFormFrame::options() const
{
    OsilOptions o;
    o.operatorCode = cboExpl ? cboExpl->code() : QStringLiteral("-1");
    o.date = m_date.date();
    return o;
}

void OsilFormFrame::FunReport()
{
    const OsilOptions o = options();
    const QString date = o.date.toString(QStringLiteral("dd.MM.yyyy"));
    shell::runStagedReport(*this, QString::fromUtf8(m_form.query), QString::fromLatin1(m_form.code), o.operatorCode,
                           QString::fromUtf8(m_form.title) + QStringLiteral(" по состоянию на ") + date, o.date,
                           {QStringLiteral("Представляется в отдел сертификации и лицензирования (ОСиЛ)"),
                            QStringLiteral("ВС эксплуатанта, состоящие в реестре на ") + date,
                            QStringLiteral("Наработка на ") + date +
                                QStringLiteral(": полеты после этой даты вычтены из учтенной наработки")},
                           [&] { return m_form.build(ADOConPdo, o); });
}

} // namespace plan::sheets
