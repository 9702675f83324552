#pragma once
// Doubts about the data a report was built from: records the report met that
// it cannot trust (a running time that is negative or not "H:MM", a limit
// beyond any real life, a type missing from TIPOVYE_DANNYE_VS, ...). The
// report still follows its rules; the doubts travel with it: a line under
// the heading of its page ("Данные требуют проверки: ..."), the standard
// error of `plan run` (exit status 3 with --strict) and the status bar.
//
// One collector per report run: the show button of a frame starts it, the
// reading helpers of the frames (frames/DataChecks.h) fill it, the report
// component prints it.
//
//     plan::DataDoubts::add({"DVIGATEL", "ID 17 (№ 4512)", "NARABOTKA_PPR", "-5:00", "отрицательная наработка"});
#include <QString>
#include <QStringList>

namespace plan {

struct Doubt {
    QString table;  // "DVIGATEL"
    QString key;    // what finds the record: "ID 17 (№ 4512)", "ВС RA-22000"
    QString column; // "NARABOTKA_PPR"; "" when the record as a whole is doubtful
    QString value;  // the value as stored
    QString reason; // in Russian: what is wrong with it
    // "DVIGATEL, ID 17 (№ 4512), NARABOTKA_PPR = «-5:00»: отрицательная наработка"
    QString text() const;
};

class DataDoubts {
public:
    // Starts a new run: forgets the doubts of the one before.
    static void begin();
    // Adds a doubt; the same text twice is kept once.
    static void add(const Doubt& d);
    static bool any();
    static int count();
    // The texts, in the order they were met.
    static QStringList texts();
    // "Данные требуют проверки: a; b; ...": at most `shown` records named,
    // then "и еще N"; "" when there are none.
    static QString line(int shown = 10);
    static QString line(const QStringList& texts, int shown = 10);
    // The same without the words in front ("a; b; ... и еще N"), as the
    // heading of a page prints it after them.
    static QString listText(int shown = 10);
    static QString listText(const QStringList& texts, int shown = 10);
    static QString prefix() { return QStringLiteral("Данные требуют проверки: "); }
};

} // namespace plan
