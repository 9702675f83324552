#include "applications/SlgCommon.h"

#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/MessageService.h"
#include "rarozidi/Func.h"
#include "rarozidi/RunningTime.h"

#include <QApplication>
#include <QRegularExpression>

namespace plan::applications {

const QStringList& documentReferenceTables()
{
    static const QStringList tables{QStringLiteral("TIPOVYE_DANNYE_VS"), QStringLiteral("ETAAGREGAT"),
                                    QStringLiteral("ETA_VTULKA_NV"),     QStringLiteral("ETA_ZCU"),
                                    QStringLiteral("OBSHIE"),            QStringLiteral("EXPLUATANTY")};
    return tables;
}

SlgGround readSlgGround(Connection* c, const QString& type)
{
    SlgGround g;
    auto ds = openQuery(c, QStringLiteral("Select UCHITYVAT_ZEMLU, ZEMLIA_DVIGATEL, ZEMLIA_REDUCTOR, ZEMLIA_LOPASTY, "
                                          "ZEMLIA_SHLANG, ZEMLIA_ZCU, ZEMLIA_AGREGATY, ZEMLIA_AGR_DVIG, "
                                          "KOL_VO_ZEMLIA_PLANER, KOL_VO_ZEMLIA_DVIGATEL, KOL_VO_ZEMLIA_REDUCTOR, "
                                          "KOL_VO_ZEMLIA_LOPASTY, KOL_VO_ZEMLIA_SHLANG, KOL_VO_ZEMLIA_ZCU, "
                                          "KOL_VO_ZEMLIA_AGREGATY, KOL_VO_ZEMLIA_AGR_DVIG From TIPOVYE_DANNYE_VS "
                                          "Where TIP_VS=") +
                               frames::sqlText(type) + QStringLiteral(" Order By ID;"));
    if (ds->eof()) return g;
    rarozidi::GroundRule* rules[] = {&g.planer, &g.dvigatel, &g.reductor, &g.lopasty,
                                     &g.shlang, &g.zcu, &g.agregaty, &g.agrDvig};
    for (int i = 0; i < 8; ++i) {
        rules[i]->counts = ds->str(i).trimmed() == QLatin1String("1");
        rules[i]->share = ds->field(8 + i).isNull() ? 0.0 : ds->field(8 + i).asFloat();
    }
    return g;
}

std::vector<SlgTunedLine> readSlgTunedList(Connection* c, const QString& type, const QString& document,
                                           const QString& family)
{
    auto ds = openQuery(c, QStringLiteral("Select * From TUNE_REPORTS Where TIP_VS=") + frames::sqlText(type) +
                               QStringLiteral(" And Upper(TIP_REPORT) Like Upper(") + frames::sqlText(family) +
                               QStringLiteral(") And ") +
                               QStringLiteral("Upper(NAME_REPORT) Like Upper(") + frames::sqlText(document) +
                               QStringLiteral(") Order By NUMBER_LINE, ID;"));
    std::vector<SlgTunedLine> lines;
    namespace t = pos::tune_reports;
    for (; !ds->eof(); ds->next())
        lines.push_back({ds->str(t::NAZVANIE), ds->str(t::CHERT_NOMER), ds->str(t::TIP_AGREGATA).trimmed(),
                         ds->str(t::ID_ETALON).trimmed(), ds->str(t::SYSTEMA).trimmed(),
                         ds->str(t::SVODNY_PASPORT).trimmed(),
                         ds->str(t::KOL_VO_NA_VS).trimmed().toInt(),
                         ds->str(t::MESTA_USTANOVKI), static_cast<int>(ds->field(t::ID).asInteger())});
    return lines;
}

QString noTunedListText(const QString& type)
{
    return QStringLiteral("Перечень оборудования для типа ВС ") + type +
           QStringLiteral(" не найден, продолжение не возможно.");
}

void showNoTunedList(const QString& type)
{
    MessageService::show(noTunedListText(type), MessageService::Kind::Information, QApplication::activeWindow(),
                         QStringLiteral("Внимание!"));
}

bool isDuzOperator(const QString& operatorName)
{
    return operatorName.contains(QLatin1String("DUZ")) || operatorName.contains(QLatin1String("RevoRozuvaro"));
}

QString hoursMinutesText(long long minutes)
{
    const long long h = minutes / 60, m = minutes % 60;
    return QString::number(h) + QStringLiteral(" ч. ") + QString::number(m < 0 ? -m : m) + QStringLiteral(" м.");
}

QString wholeHoursText(long long minutes) { return QString::number(minutes / 60) + QStringLiteral(" час."); }

QString limitHoursText(const QString& hours)
{
    const QString h = hours.trimmed();
    return h.isEmpty() ? QStringLiteral("-") : h + QStringLiteral(" час.");
}

QString shortDate(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("dd.MM.yy")) : QString(); }
QString longDate(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString(); }
QString yearDate(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral("г.") : QString(); }

int calendarLimitMonths(const QString& text, const QString& board, const QString& unit, const QString& column)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d+)\\.(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        throw ConversionError(QStringLiteral("ВС %1, %2: календарный срок \"%3\" в столбце %4 записан не как годы, точка "
                                             "и месяцы (Г.ММ, например 5.06). Исправьте запись и повторите.")
                                  .arg(board, unit, text, column));
    return m.captured(1).toInt() * 12 + m.captured(2).toInt();
}

QString remainingCalendar(const QString& limit, const QDate& stored, const QDate& asOf, const QString& board,
                          const QString& unit, const QString& column)
{
    if (limit.trimmed().isEmpty() || !stored.isValid()) return {};
    return rarozidi::remainingCalendarText(calendarLimitMonths(limit, board, unit, column), stored, asOf);
}

QString calendarAge(const QDate& stored, const QDate& asOf)
{
    if (!stored.isValid()) return {};
    return rarozidi::yearsMonthsText(rarozidi::monthsBetween(stored, asOf));
}

QString engineCaption(int index, int count)
{
    static const char* const three[] = {"Двигатель первый", "Двигатель второй", "Двигатель третий"};
    static const char* const two[] = {"Двигатель левый", "Двигатель правый", "Двигатель третий"};
    const int i = index < 0 ? 0 : (index > 2 ? 2 : index);
    return QString::fromUtf8(count > 2 ? three[i] : two[i]);
}

long long runningMinutes(const QString& text, const QString& board, const QString& unit, const QString& column)
{
    try {
        return rarozidi::parseRunningTime(text, column);
    } catch (const ConversionError&) {
        throw ConversionError(QStringLiteral("ВС %1, %2: наработка \"%3\" в столбце %4 записана не как часы:минуты "
                                             "(например 1450:05). Исправьте запись и повторите.")
                                  .arg(board, unit, text, column));
    }
}

bool isTa14(const QString& model) { return model.trimmed() == QStringLiteral("ТА-14-130"); }

std::vector<ApuMeasureLine> apuMeasures(const QString& model)
{
    using frames::ApuMeasure;
    namespace v = pos::vsu;
    if (isTa14(model))
        return {{ApuMeasure::Summed, "суммарная", true, v::SUMMA_SNE, v::SUMMA_PPR, v::SUMMA_NAZN, v::SUMMA_MEGREM},
                {ApuMeasure::Starts, "запуски", false, v::ZAPUSKI_SNE, v::ZAPUSKI_PPR, v::ZAPUSKI_NAZN,
                 v::ZAPUSKI_MEGREMONTNY}};
    return {{ApuMeasure::Total, "общая", true, v::OBSHAIA_SNE, v::OBSHAIA_PPR, v::OBSHAIA_NAZN, v::OBSHAIA_MEGREMONTNY},
            {ApuMeasure::Generator, "генераторный", true, v::GENERATORNY_SNE, v::GENERATORNY_PPR, v::GENERAT_NAZN,
             v::GENERAT_MEZHREMONTNY},
            {ApuMeasure::Starts, "запуски", false, v::ZAPUSKI_SNE, v::ZAPUSKI_PPR, v::ZAPUSKI_NAZN, v::ZAPUSKI_MEGREMONTNY},
            {ApuMeasure::Bleeds, "отборы", false, v::OTBORY_SNE, v::OTBORY_PPR, v::OTBORY_NAZN, v::OTBORY_MEGREMONTNY}};
}

} // namespace plan::applications
