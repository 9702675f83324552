#pragma once
// The pieces that frames put into their query texts. The texts themselves
// are written in the frames as the database receives them; these helpers
// only turn a value into SQL text, the same way everywhere:
//
//     "Select * From REESTR Where BORTOVOI_NOMER=" + sqlText(board) + " Order By ID;"
//
// A value between single quotes has each quote inside it doubled, so that a
// board number such as RA-0'1 is an ordinary value and no value can change
// what a query means.
#include <QDate>
#include <QString>
#include <QStringList>

namespace plan::frames {

// 'value' with every single quote inside doubled.
QString sqlText(const QString& value);
// The value with its quotes doubled, without the enclosing quotes, for the
// places where a query text already holds them ("...='" + sqlEscape(v) + "'").
QString sqlEscape(const QString& value);
// 'm,d,yyyy': the form in which dates go into query texts.
QString sqlDate(const QDate& date);

// "COLUMN='a' Or COLUMN='b'" over the values, in their order; with no value
// "COLUMN='<fallback>'" (by default "!", which matches no row).
QString orCondition(const QString& column, const QStringList& values, const QString& fallback = QStringLiteral("!"));

// "(COLUMN=1 Or COLUMN=4)" over identifiers written as numbers (a value that
// is not a whole number goes in quoted); with none "COLUMN=0", which matches
// no row.
QString idCondition(const QString& column, const QStringList& ids);

} // namespace plan::frames
