// `plan nalet`: the flight-hour report of one component, without a window.
#include "app/Driver.h"

#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/MessageService.h"
#include "platform/ReportComponent.h"
#include "platform/ReportHost.h"
#include "platform/StagingExport.h"
#include "rarozidi/Func.h"
#include "rarozidi/Report.h"

#include <QDir>
#include <functional>
#include <map>

namespace plan {
namespace {

// The report host of a run without a window: a report component and nothing to draw.
class HeadlessHost : public ReportHost {
public:
    QString windowKey() const override { return QString::fromLatin1(rarozidi::kReportWindowKey); }
    ReportComponent* reportComponent() override { return &m_report; }
    void progressStart(int) override {}
    void progressStep() override {}
    void progressReset() override {}
    void beginBusy() override {}
    void endBusy() override {}

private:
    ReportComponent m_report;
};

using NaletFn = void (*)(Connection&, ReportHost&, Dataset&, const QString&, const QString&, const QString&);

const std::map<QString, NaletFn>& kinds()
{
    static const std::map<QString, NaletFn> k = {
        {QStringLiteral("planer"), &rarozidi::FunNaletReportPlaner},
        {QStringLiteral("dvigatel"), &rarozidi::FunNaletReportDvigatel},
        {QStringLiteral("reductor"), &rarozidi::FunNaletReportReductor},
        {QStringLiteral("lopast"), &rarozidi::FunNaletReportLopast},
        {QStringLiteral("vsu"), &rarozidi::FunNaletReportVSU},
        {QStringLiteral("vsu_ta14"), &rarozidi::FunNaletReportVSU_TA14},
    };
    return k;
}
} // namespace

int cmdNalet(const DriverContext&, const QStringList& args)
{
    QStringList pos;
    QString pdf, pngDir, csv;
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args[i];
        auto value = [&](QString* v) { return optionValue(args, &i, v); };
        if (a == QLatin1String("--pdf")) { if (!value(&pdf)) return 2; }
        else if (a == QLatin1String("--png-dir")) { if (!value(&pngDir)) return 2; }
        else if (a == QLatin1String("--staging")) { if (!value(&csv)) return 2; }
        else if (a.startsWith(QLatin1String("--"))) { err(QStringLiteral("plan nalet: неизвестный параметр %1").arg(a)); return 2; }
        else pos << a;
    }
    const auto it = pos.size() == 4 ? kinds().find(pos[0].toLower()) : kinds().end();
    if (it == kinds().end()) {
        if (pos.size() == 4) err(QStringLiteral("plan nalet: вида «%1» нет").arg(pos[0]));
        err(commandUsage(QStringLiteral("nalet")));
        return 2;
    }
    Connection c;
    rarozidi::FunConnection(c);
    Dataset reportDs(&c);
    HeadlessHost host;
    host.reportComponent()->setConnection(&c);
    it->second(c, host, reportDs, pos[1], pos[2], pos[3]);
    if (!pdf.isEmpty()) host.reportComponent()->exportPdf(pdf);
    if (!pngDir.isEmpty()) {
        QDir().mkpath(pngDir);
        host.reportComponent()->exportPng(pngDir);
    }
    if (!csv.isEmpty()) {
        reportDs.open();
        exportCsv(reportDs, csv);
    }
    const QStringList messages = MessageService::recorded();
    for (const QString& m : messages) err(m);
    out(QStringLiteral("страниц: %1").arg(host.reportComponent()->preparedPages()));
    if (pdf.isEmpty() && pngDir.isEmpty() && csv.isEmpty())
        err(QStringLiteral("Отчет построен, но ничего не записано: укажите --pdf ФАЙЛ, --png-dir ПАПКА или --staging "
                           "ФАЙЛ.csv"));
    return messages.isEmpty() ? 0 : 1;
}

} // namespace plan
