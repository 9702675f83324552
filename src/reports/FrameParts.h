#pragma once
// What the frames of the register reports (the airframe form, the research
// institute's annex, the regional authority's form, the search-and-rescue
// annex) share around their rows: the column of option controls and the
// values of the printed heading.
#include "platform/TemplateRenderer.h"

#include <QString>
#include <QStringList>
#include <initializer_list>

class QComboBox;
class QPushButton;
class QWidget;

namespace plan {
class Connection;
}

namespace plan::frames {
class ReportDateControl;
}

namespace plan::reports {

// Lays the frame's controls out top down: "Эксплуатант:" with cboExpl,
// "Дата составления:" with picDate, the further controls (the last one takes
// the height left), the show button.
void layOutOptions(QWidget* frame, QComboBox* cboExpl, const frames::ReportDateControl& date,
                   std::initializer_list<QWidget*> more, QPushButton* cmdReport);

// The heading of a printed form: the operator and the signatures of its
// OBSHIE row (rarozidi::FunReportValues), the title, the lines of what the
// form covers, and the data that needs checking when there is any.
ReportValues headingValues(Connection* c, const QString& operatorCode, const QString& title, const QStringList& covers,
                           const QStringList& doubts);

} // namespace plan::reports
