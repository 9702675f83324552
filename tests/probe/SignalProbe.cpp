// Holds a write in flight for the signal tests: opens the database given,
// inserts a row into PROBE_T in a transaction it never commits, says "ready"
// and waits. SIGTERM or SIGINT must end it with 143 or 130 and the row gone.
#include "platform/Connection.h"
#include "platform/DbError.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: signal_probe DATABASE\n");
        return 2;
    }
    try {
        plan::Connection c;
        c.open(QString::fromLocal8Bit(argv[1]));
        QSqlDatabase db = c.database();
        db.transaction();
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("INSERT INTO PROBE_T (C1) VALUES ('in flight')"))) return 3;
        std::printf("ready\n");
        std::fflush(stdout);
        for (int i = 0; i < 300; ++i) QThread::msleep(100);
        std::printf("still running\n");
        return 0;
    } catch (const plan::DbError& e) {
        std::fprintf(stderr, "%s\n", e.message().toUtf8().constData());
        return 1;
    }
}
