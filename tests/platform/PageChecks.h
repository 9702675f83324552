// Helpers of the tests that look at laid-out pages.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

namespace plan::test {

// The shared style sheet of the shipped templates.
inline QString houseStyle()
{
    QFile f(QStringLiteral(PLAN_SOURCE_DIR "/templates/_style.html"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The characters the pages print, without blanks, line breaks and soft
// hyphens: what two layouts of one document must share.
inline QString printedCharacters(const QStringList& pages)
{
    QString out;
    for (const QString& page : pages)
        for (const QChar c : page)
            if (!c.isSpace() && c != QChar(0x00AD) && c != QChar(QChar::LineSeparator)) out += c;
    return out;
}

} // namespace plan::test
