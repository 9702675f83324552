#include "sheets/TfrPlanSprSvedVSforZAdAv.h"

#include "frames/TuneDocs.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/DbError.h"
#include "platform/ReportComponent.h"
#include "rarozidi/Func.h"
#include "sheets/SvedVSSheet.h"

#include <QHash>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprSvedVSforZAdAv)


QString svedVSZTemplate(const SvedVSZOptions& o) { return o.a4 ? QStringLiteral("rep12") : QStringLiteral("rep13"); }

QString latinType(const QString& text)
{
    static const QHash<QChar, QString> letters = [] {
        QHash<QChar, QString> h;
        const QString ru = QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
        const char* const en[] = {"a", "b", "v", "g", "d", "e", "e", "zh", "z", "i", "y", "k", "l", "m", "n", "o", "p",
                                  "r", "s", "t", "u", "f", "kh", "ts", "ch", "sh", "shch", "", "y", "", "e", "yu", "ya"};
        for (int i = 0; i < ru.size(); ++i) h.insert(ru[i], QString::fromLatin1(en[i]));
        return h;
    }();
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const auto it = letters.constFind(ch.toLower());
        if (it == letters.constEnd()) {
            out += ch;
        } else if (!ch.isUpper()) {
            out += *it;
        } else if (i + 1 < text.size() && text[i + 1].isLower()) {
            // A capital before small letters: "Хищник" -> "Khishchnik".
            out += it->left(1).toUpper() + it->mid(1);
        } else {
            out += it->toUpper(); // within capitals: "ЩИТ" -> "SHCHIT"
        }
    }
    return out;
}

QString englishRowName(const QString& section, const QString& rowName)
{
    const QString name = rowName.trimmed();
    static const QHash<QString, QString> byName = {
        {QStringLiteral("Первый двигатель"), QStringLiteral("Engine No. 1")},
        {QStringLiteral("Второй двигатель"), QStringLiteral("Engine No. 2")},
        {QStringLiteral("Третий двигатель"), QStringLiteral("Engine No. 3")},
        {QStringLiteral("Первый воздушный винт"), QStringLiteral("Propeller No. 1")},
        {QStringLiteral("Второй воздушный винт"), QStringLiteral("Propeller No. 2")},
        {QStringLiteral("Третий воздушный винт"), QStringLiteral("Propeller No. 3")},
        {QStringLiteral("Шланги систем"), QStringLiteral("System hoses")},
    };
    if (const auto it = byName.constFind(name); it != byName.constEnd()) return *it;
    static const QHash<QString, QString> bySection = {
        {QStringLiteral("Plane"), QStringLiteral("Aircraft")},
        {QStringLiteral("Dvigatel"), QStringLiteral("Engine")},
        {QStringLiteral("Reductor"), QStringLiteral("Main gearbox")},
        {QStringLiteral("VSU"), QStringLiteral("APU")},
        {QStringLiteral("LopastVV"), QStringLiteral("Propeller blades")},
        {QStringLiteral("VozdVint"), QStringLiteral("Propeller")},
        {QStringLiteral("LopastNV"), QStringLiteral("Main rotor blade")},
        {QStringLiteral("VtulkaNV"), QStringLiteral("Main rotor hub")},
        {QStringLiteral("LopastHV"), QStringLiteral("Tail rotor blades")},
        {QStringLiteral("HvostovoyVint"), QStringLiteral("Tail rotor")},
        {QStringLiteral("Lebedka"), QStringLiteral("Hoist")},
        {QStringLiteral("Agregat"), QStringLiteral("Component")},
        {QStringLiteral("ZCU"), QStringLiteral("ZCU unit")},
        {QStringLiteral("Shlang"), QStringLiteral("Hoses")},
    };
    return bySection.value(section);
}

SvedVSZSheet buildSvedVSforZAdAv(Connection* c, const SvedVSZOptions& o, const QDate& today)
{
    const QString tuneName = QString::fromUtf8(kSvedVSZTuneName);
    if (o.tuned && frames::readTuneDocs(c, tuneName).empty())
        throw DbError(QStringLiteral("Для справки «%1» не задан список разделов (таблица TUNE_DOCS): составьте его в окне "
                                     "настройки справок или снимите флажок «Индивидуальные настройки отчета».")
                          .arg(tuneName));
    SvedVSOptions so;
    so.aircraft = o.aircraft;
    so.tuned = o.tuned;
    so.a4 = o.a4;
    so.tuneName = tuneName;
    const SvedVSSheet sheet = buildSvedVS(c, so, today);

    const QString type = o.aircraft.type, board = o.aircraft.board;
    SvedVSZSheet out;
    out.operatorCode = sheet.operatorCode;
    out.title = QStringLiteral("Сведения о ВС ") + type + QLatin1Char(' ') + board +
                QStringLiteral(", его основных агрегатах и комплектующих изделиях");
    out.titleEn = QStringLiteral("Aircraft ") + latinType(type) + QLatin1Char(' ') + latinType(board) +
                  QStringLiteral(": main components and equipment");
    const QString last = sheet.lastFlight.isValid() ? sheet.lastFlight.toString(QStringLiteral("dd.MM.yyyy")) : QStringLiteral("-");
    out.covers = QStringList{
        QStringLiteral("ВС / Aircraft: %1 %2 (%3 %4)").arg(type, board, latinType(type), latinType(board)),
        QStringLiteral("Наработка ВС за предыдущий месяц / Flight hours in the previous month (%1 – %2): %3")
            .arg(sheet.month.first.toString(QStringLiteral("dd.MM.yyyy")), sheet.month.last.toString(QStringLiteral("dd.MM.yyyy")),
                 sheet.monthFlying),
        QStringLiteral("Дата последнего полета / Date of the last flight: %1").arg(last)};

    namespace S = SvedVS;
    namespace Z = SvedVSZ;
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        const StagingRow& r = sheet.rows[i];
        const QString limits = r.at(S::Limits).toString();
        const int bang = limits.indexOf(QLatin1Char('!'));
        StagingRow z;
        z.set(Z::NomerPP, r.at(S::NomerPP)).set(Z::RowName, r.at(S::RowName))
            .set(Z::RowNameEn, englishRowName(sheet.sections[i], r.at(S::RowName).toString()))
            .set(Z::Model, r.at(S::Model)).set(Z::Serial, r.at(S::Serial)).set(Z::Made, r.at(S::Made))
            .set(Z::Repairs, r.at(S::Repairs)).set(Z::RepairDate, r.at(S::RepairDate)).set(Z::RepairPlace, r.at(S::RepairPlace))
            .set(Z::SinceNew, r.at(S::SinceNew)).set(Z::SinceRepair, r.at(S::SinceRepair))
            .set(Z::Limits, bang < 0 ? limits : limits.left(bang)).set(Z::Remainders, bang < 0 ? QString() : limits.mid(bang + 1))
            .set(Z::Title, out.title).set(Z::TitleEn, out.titleEn).set(Z::MonthFlying, sheet.monthFlying)
            .set(Z::LastFlight, last);
        out.rows.push_back(z);
    }
    return out;
}

TfrPlanSprSvedVSforZAdAv::TfrPlanSprSvedVSforZAdAv()
    : TunedSheetFrame({"TUNE_PLAN_SPRAVKA", "SVEDENIA_O_VS_VU_Z_UZ", true, "PARER_SIZE", "A4_VU_Z_UZ"})
{
}

void TfrPlanSprSvedVSforZAdAv::FunReport()
{
    if (!chosen() || aircraft().board.isEmpty()) return;
    SvedVSZOptions o;
    o.aircraft = aircraft();
    o.tuned = tuned();
    o.a4 = a4();
    runSingleReport(reportHost(), *ADOQueryReport, QString::fromUtf8(kSvedVSZQuery), svedVSZTemplate(o),
                    [&](StagingWriter& w) {
                        const ReadTransaction reads(ADOConPdo);
                        const SvedVSZSheet sheet = buildSvedVSforZAdAv(ADOConPdo, o, Clock::today());
                        ReportValues v = rarozidi::FunReportValues(*ADOConPdo, sheet.operatorCode);
                        v.insert(QStringLiteral("report_title"), sheet.title + QStringLiteral(" / ") + sheet.titleEn);
                        v.insert(QStringLiteral("covers"), sheet.covers);
                        v.insert(QStringLiteral("legend"),
                                 QStringList{QStringLiteral("общ. — общая наработка / total hours; сум. — суммарная / summed hours; "
                                                            "ген. — в генераторном режиме / generator hours"),
                                             QStringLiteral("зап. — запуски / starts; цикл. — циклы / cycles; отб. — отборы "
                                                            "воздуха / air bleeds; пос. — посадки / landings"),
                                             QStringLiteral("г., л. — годы / years; м. — месяцы / months; «-» — не "
                                                            "установлено или не было / not set or none")});
                        reportComponent()->setValues(v);
                        for (const StagingRow& r : sheet.rows) w.addRow(r);
                    });
}

} // namespace plan::sheets
