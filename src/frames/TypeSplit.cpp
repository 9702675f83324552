#include "frames/TypeSplit.h"

namespace plan::frames {
namespace {
// Index just past the first run of digits; -1 when the type has no digit.
int endOfFirstDigits(const QString& type)
{
    int i = 0;
    while (i < type.size() && !type[i].isDigit()) ++i;
    if (i == type.size()) return -1;
    while (i < type.size() && type[i].isDigit()) ++i;
    return i;
}

TypeSplit splitAt(const QString& type)
{
    const int end = endOfFirstDigits(type);
    if (end < 0) return {QString(), type, true};
    const QString suffix = type.mid(end);
    return {type.left(end), suffix.isEmpty() ? QStringLiteral("Т") : suffix, true};
}
} // namespace

TypeSplit splitTypeMi8(const QString& type)
{
    if (!type.contains(QStringLiteral("Ми-8"))) return {type, QString(), false};
    return splitAt(type);
}

TypeSplit splitTypeAny(const QString& type) { return splitAt(type); }

} // namespace plan::frames
