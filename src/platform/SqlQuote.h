#pragma once
// The one rule by which a value goes between single quotes in a query text:
// every quote inside it is doubled, so that a board number such as RA-0'1 is
// an ordinary value and no value can change what a query means. Frames reach
// it as plan::frames::sqlText / sqlEscape (frames/SqlText.h); the calculation
// library, which lies below the frames, calls it here.
#include <QString>

namespace plan {

inline QString sqlQuotesDoubled(const QString& value)
{
    QString v = value;
    return v.replace(QLatin1Char('\''), QStringLiteral("''"));
}

// A text as the engine compares it: blanks at the end do not count
// ('RA-1 ' = 'RA-1'); blanks at the start and letter case do. Rows read once
// and matched in memory are keyed by it, as their own queries would match.
inline QString sqlCompared(const QString& value)
{
    qsizetype n = value.size();
    while (n > 0 && value[n - 1] == QLatin1Char(' ')) --n;
    return value.left(n);
}

} // namespace plan
