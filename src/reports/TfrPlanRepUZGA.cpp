#include "reports/TfrPlanRepUZGA.h"

#include "data/Positions.h"
#include "frames/CodeSelector.h"
#include "frames/LaterFlights.h"
#include "frames/OperatorHeader.h"
#include "frames/SqlText.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/RunningTime.h"
#include "reports/FrameParts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepUZGA)

namespace D = pos::dvigatel; // REDUCTOR has the same positions
namespace O = pos::obshie;

QStringList uzgaModels()
{
    return {QStringLiteral("ТВ2-117А(АГ)"), QStringLiteral("ТВ3-117ВМ"), QStringLiteral("ВР-8А"), QStringLiteral("ВР-14")};
}

QString uzgaAddressee()
{
    return QStringLiteral("Главному инженеру\nАО «Уральский завод гражданской авиации»\n"
                          "службе учета ресурса авиационной техники");
}

namespace {
const QString kInstalled = QStringLiteral(
    "Upper(TIP_VS) Not Like Upper('%HIDE%') And "
    "GDE_STOIT<>'Склад' And GDE_STOIT<>'Ремфонд' And GDE_STOIT<>'Ремонт' And GDE_STOIT<>'Рекламация' Order By GDE_STOIT, ");

// A running time of the unit ("H:MM") in minutes.
long long unitMinutes(const Dataset& u, bool engine, int pos, const char* column, const char* meaning)
{
    const QString v = u.str(pos);
    try {
        return rarozidi::parseRunningTime(v, QString::fromLatin1(column));
    } catch (const ConversionError&) {
        throw ConversionError(QStringLiteral("%1 %2 № %3 (место установки %4): %5 (%6) «%7» не в виде «часы:минуты». "
                                             "Исправьте значение в карточке агрегата и повторите отчет.")
                                  .arg(engine ? QStringLiteral("Двигатель") : QStringLiteral("Редуктор"),
                                       u.str(D::NAZVANIE_DVIGATELYA), u.str(D::ZAVODSKOI_NOMER), u.str(D::GDE_STOIT),
                                       QString::fromUtf8(meaning), QString::fromLatin1(column), v));
    }
}
} // namespace

StagedRows buildUzga(Connection* c, const UzgaOptions& o, QDate* effectiveDate, const std::function<void(int)>& progress)
{
    StagedRows out;
    const frames::OperatorHeader h = frames::OperatorHeader::ofOwner(c, o.ownerCode);
    if (!h.found() && o.ownerCode != QLatin1String("-1"))
        out.doubts << QStringLiteral("Для владельца %1 нет строки общих данных (OBSHIE): должность и исполнитель "
                                     "не заполнены")
                          .arg(o.ownerCode);
    const bool engines = o.model.contains(QStringLiteral("ТВ"));
    const QString owner = frames::sqlText(o.ownerCode);
    auto units = openQuery(
        c, engines ? QStringLiteral("Select * From DVIGATEL Where Upper(NAZVANIE_DVIGATELYA) Like Upper('%") +
                         frames::sqlEscape(o.model.left(7)) + QStringLiteral("%') And SOBSTVENNOST=") + owner +
                         QStringLiteral(" And ") + kInstalled + QStringLiteral("ODIN_DVA, ID;")
                   : QStringLiteral("Select * From REDUCTOR Where Upper(NAZVANIE_REDUCTORA) Like Upper('%") +
                         frames::sqlEscape(o.model) + QStringLiteral("%') And SOBSTVENNOST=") + owner +
                         QStringLiteral(" And ") + kInstalled + QStringLiteral("ID;"));
    Dataset& u = *units;
    rarozidi::GroundRule rule;
    QDate date = o.date;
    if (!u.eof()) {
        // The first unit's type gives the ground rule of the run, its date the effective date.
        auto r = openQuery(c, engines ? QStringLiteral("Select ZEMLIA_DVIGATEL, KOL_VO_ZEMLIA_DVIGATEL From "
                                                       "TIPOVYE_DANNYE_VS Where TIP_VS=") +
                                            frames::sqlText(u.str(D::TIP_VS)) + QStringLiteral(" Order By ID;")
                                      : QStringLiteral("Select ZEMLIA_REDUCTOR, KOL_VO_ZEMLIA_REDUCTOR From "
                                                       "TIPOVYE_DANNYE_VS Where TIP_VS=") +
                                            frames::sqlText(u.str(D::TIP_VS)) + QStringLiteral(" Order By ID;"));
        if (!r->eof()) {
            rule.counts = r->str(0).trimmed() == QLatin1String("1");
            rule.share = r->str(1).trimmed().isEmpty() ? 0.0 : r->field(1).asFloat();
        }
        const QDate first = u.field(D::DATA_KALENDAR).asDate();
        if (first.isValid() && first > date) date = first;
    }
    if (effectiveDate) *effectiveDate = date;
    frames::LaterFlights later(c, date);
    QSet<QString> boards;
    for (const auto& row : u.rows()) boards.insert(row[D::GDE_STOIT].toString());
    if (boards.size() >= kReadAllFlightsFrom) later.readAll();
    if (progress) progress(u.recordCount());
    for (; !u.eof(); u.next()) {
        int selector = 3;
        if (engines && !u.str(D::ODIN_DVA).trimmed().isEmpty()) selector = u.str(D::ODIN_DVA).trimmed().toInt();
        const long long sne = unitMinutes(u, engines, D::NARABOTKA_SNE, "NARABOTKA_SNE", "наработка СНЭ");
        const long long ppr = unitMinutes(u, engines, D::NARABOTKA_PPR, "NARABOTKA_PPR", "наработка ППР");
        // FunCorrectNarAll: the totals less the flights after the date.
        const auto [newMinutes, overhaulMinutes] =
            later.correctMinutes(u.str(D::GDE_STOIT), sne, ppr, frames::selectorColumns(selector), rule);
        StagingRow row;
        row.set(uzga::Addressee, uzgaAddressee())
            .set(uzga::Owner, o.ownerCode == QLatin1String("-1") ? QString() : o.ownerCode)
            .set(uzga::Date, dateText(date))
            .set(uzga::Model, u.str(D::NAZVANIE_DVIGATELYA))
            .set(uzga::Serial, u.str(D::ZAVODSKOI_NOMER))
            .set(uzga::HoursNew, QString::number(newMinutes / 60))
            .set(uzga::HoursOverhaul, QString::number(overhaulMinutes / 60))
            .set(uzga::Board, u.str(D::GDE_STOIT))
            .set(uzga::Post, h.at(O::DOLGNOST_IAS))
            .set(uzga::Preparer, h.at(O::NACH_PDO) + QStringLiteral(" тел.") + h.at(O::PHONE_PDO))
            .set(uzga::Email, h.at(O::EMAIL_PREDPRIATIE));
        if (overhaulMinutes < 0 || newMinutes < 0)
            out.doubts << QStringLiteral("%1 № %2: наработка на %3 отрицательна — полеты после даты больше "
                                         "записанной наработки")
                              .arg(u.str(D::NAZVANIE_DVIGATELYA), u.str(D::ZAVODSKOI_NOMER), dateText(date));
        out.rows.push_back(row);
        if (progress) progress(-1);
    }
    return out;
}

TfrPlanRepUZGA::TfrPlanRepUZGA() : TPlanFrame(QStringLiteral("frmPlanReport")), m_date(this)
{
    cboTipDvig = new QComboBox(this);
    cboTipDvig->setObjectName(QStringLiteral("cboTipDvig"));
    cboTipDvig->addItems(uzgaModels());
    cboTipDvig->setCurrentIndex(0);
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    bindShowButton(cmdReport);
}

void TfrPlanRepUZGA::FunStart()
{
    cboSobst = new frames::OwnerSelector(this, settingsPath());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* lblSobst = new QLabel(QStringLiteral("Владелец:"), this);
    lblSobst->setObjectName(QStringLiteral("lblSobst"));
    auto* lblTipDvig = new QLabel(QStringLiteral("Тип агрегата:"), this);
    lblTipDvig->setObjectName(QStringLiteral("lblTipDvig"));
    layout->addWidget(lblSobst);
    layout->addWidget(cboSobst);
    layout->addWidget(lblTipDvig);
    layout->addWidget(cboTipDvig);
    layout->addWidget(m_date.lblDate);
    layout->addWidget(m_date.picDate);
    layout->addWidget(cmdReport);
    layout->addStretch(1);
    FunCboSobst();
    m_date.start();
}

// cboSobstChange: the selector keeps its index in MAIN/CBOSOBST itself.
void TfrPlanRepUZGA::FunCboSobst() { cboSobst->FunCboSobst(ADOConPdo); }

UzgaOptions TfrPlanRepUZGA::options() const
{
    UzgaOptions o;
    o.ownerCode = cboSobst ? cboSobst->code() : QStringLiteral("-1");
    o.model = cboTipDvig->currentText();
    o.date = m_date.date();
    return o;
}

void TfrPlanRepUZGA::FunReport()
{
    const UzgaOptions o = options();
    // The signatures are those of the owner's header row.
    const frames::OperatorHeader h = frames::OperatorHeader::ofOwner(ADOConPdo, o.ownerCode);
    const QString operatorCode = h.found() && !h.operatorCode().isEmpty() ? h.operatorCode() : QStringLiteral("-1");
    // The heading's "as of" is the effective date the rows are back-dated to
    // (the chosen date, or a later first-unit date): the cycle reads it after
    // build() has set it.
    QDate effective;
    runStagedReport(*this, QStringLiteral("SELECT * FROM REPORT_TV2_117_UZGA ORDER BY ID;"), QStringLiteral("rep11"),
                    operatorCode, QStringLiteral("Сведения о наработке двигателей и редукторов для АО «УЗГА»"), effective,
                    {QStringLiteral("Владелец: ") + (cboSobst ? cboSobst->currentText() : QString()),
                     QStringLiteral("Тип агрегата: ") + o.model},
                    [&] {
                        return buildUzga(ADOConPdo, o, &effective, [this](int n) {
                            if (n < 0) progressStep();
                            else progressStart(n);
                        });
                    });
}

} // namespace plan::reports
