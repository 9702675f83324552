#include "platform/ReadOnlySelect.h"

#include "platform/Connection.h"
#include "platform/DbError.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDriver>
#include <QTime>
#include <ibase.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace plan {
namespace {

QString engineText(const ISC_STATUS* status)
{
    QStringList parts;
    char buf[1024];
    const ISC_STATUS* p = status;
    while (fb_interpret(buf, sizeof buf, &p) > 0) parts << QString::fromUtf8(buf);
    return parts.join(QStringLiteral("; "));
}

[[noreturn]] void fail(const QString& sql, const QString& why)
{
    throw DbError(QStringLiteral("Ошибка базы данных в запросе «%1»: %2").arg(sql.left(300), why));
}

isc_db_handle attachmentOf(Connection* c, const QString& sql)
{
    // The Firebird driver hands out its attachment handle (a typedef of an
    // unsigned int, so the variant names the plain type).
    const QSqlDatabase db = c->database();
    const QVariant h = db.driver()->handle();
    if (db.driverName() != QStringLiteral("QIBASE") || !h.isValid() || h.metaType().sizeOf() != sizeof(isc_db_handle))
        fail(sql, QStringLiteral("соединение не дает доступа к базе Firebird для чтения только на просмотр (%1)")
                      .arg(QString::fromLatin1(h.typeName())));
    return *static_cast<const isc_db_handle*>(h.constData());
}

// The output description, sized for the statement's columns.
struct Sqlda {
    std::unique_ptr<char[]> raw;
    XSQLDA* da = nullptr;
    explicit Sqlda(short n)
    {
        raw = std::make_unique<char[]>(XSQLDA_LENGTH(n));
        std::memset(raw.get(), 0, XSQLDA_LENGTH(n));
        da = reinterpret_cast<XSQLDA*>(raw.get());
        da->version = SQLDA_VERSION1;
        da->sqln = n;
    }
};

double scaled(qint64 v, short scale) { return static_cast<double>(v) / std::pow(10.0, -scale); }

QDate iscDate(ISC_DATE d) { return QDate(1858, 11, 17).addDays(d); }
QTime iscTime(ISC_TIME t) { return QTime::fromMSecsSinceStartOfDay(static_cast<int>(t / 10)); }

QString blobText(ISC_STATUS* status, isc_db_handle* db, isc_tr_handle* tr, ISC_QUAD id, const QString& sql)
{
    isc_blob_handle blob = 0;
    if (isc_open_blob2(status, db, tr, &blob, &id, 0, nullptr)) fail(sql, engineText(status));
    QByteArray bytes;
    char seg[8192];
    unsigned short got = 0;
    for (;;) {
        const ISC_STATUS r = isc_get_segment(status, &blob, &got, sizeof seg, seg);
        if (r != 0 && r != isc_segment) break;
        bytes.append(seg, got);
    }
    const bool ended = status[1] == isc_segstr_eof;
    ISC_STATUS_ARRAY closing;
    isc_close_blob(closing, &blob);
    if (!ended) fail(sql, engineText(status));
    return QString::fromUtf8(bytes);
}

} // namespace

SelectRows readOnlySelect(Connection* c, const QString& sql)
{
    isc_db_handle db = attachmentOf(c, sql);
    ISC_STATUS_ARRAY status{};
    isc_tr_handle tr = 0;
    // Read only, read committed: what the report has committed is seen, and
    // the engine refuses any write.
    static char tpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_nowait};
    if (isc_start_transaction(status, &tr, 1, &db, static_cast<unsigned short>(sizeof tpb), tpb))
        fail(sql, engineText(status));
    isc_stmt_handle st = 0;
    struct End {
        isc_tr_handle& tr;
        isc_stmt_handle& st;
        ~End()
        {
            ISC_STATUS_ARRAY s;
            if (st) isc_dsql_free_statement(s, &st, DSQL_drop);
            if (tr) isc_rollback_transaction(s, &tr);
        }
    } end{tr, st};

    if (isc_dsql_allocate_statement(status, &db, &st)) fail(sql, engineText(status));
    const QByteArray text = sql.toUtf8();
    Sqlda out(20);
    if (isc_dsql_prepare(status, &tr, &st, 0, text.constData(), SQL_DIALECT_V6, out.da)) fail(sql, engineText(status));

    // The engine says what the statement is; only a SELECT runs.
    static char askType[] = {isc_info_sql_stmt_type};
    char info[16]{};
    if (isc_dsql_sql_info(status, &st, sizeof askType, askType, sizeof info, info)) fail(sql, engineText(status));
    int type = 0;
    if (info[0] == isc_info_sql_stmt_type) {
        const short len = static_cast<short>(isc_vax_integer(info + 1, 2));
        type = static_cast<int>(isc_vax_integer(info + 3, len));
    }
    if (type != isc_info_sql_stmt_select)
        fail(sql, QStringLiteral("разрешен только запрос SELECT"));

    if (out.da->sqld > out.da->sqln) {
        Sqlda wider(out.da->sqld);
        if (isc_dsql_describe(status, &st, SQL_DIALECT_V6, wider.da)) fail(sql, engineText(status));
        out = std::move(wider);
    }
    const int n = out.da->sqld;
    SelectRows result;
    std::vector<std::unique_ptr<char[]>> buffers;
    std::vector<short> nulls(static_cast<size_t>(n), 0);
    for (int i = 0; i < n; ++i) {
        XSQLVAR& v = out.da->sqlvar[i];
        result.columns << QString::fromUtf8(v.aliasname, v.aliasname_length);
        const int type = v.sqltype & ~1;
        const size_t size = static_cast<size_t>(v.sqllen) + (type == SQL_VARYING ? 2 : 0);
        buffers.push_back(std::make_unique<char[]>(size + 1));
        v.sqldata = buffers.back().get();
        v.sqlind = &nulls[static_cast<size_t>(i)];
    }
    if (isc_dsql_execute(status, &tr, &st, SQL_DIALECT_V6, nullptr)) fail(sql, engineText(status));
    for (;;) {
        const ISC_STATUS r = isc_dsql_fetch(status, &st, SQL_DIALECT_V6, out.da);
        if (r == 100) break;
        if (r != 0) fail(sql, engineText(status));
        std::vector<QVariant> row;
        row.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            const XSQLVAR& v = out.da->sqlvar[i];
            if ((v.sqltype & 1) && *v.sqlind < 0) {
                row.emplace_back();
                continue;
            }
            const char* d = v.sqldata;
            switch (v.sqltype & ~1) {
            case SQL_TEXT: row.emplace_back(QString::fromUtf8(d, v.sqllen)); break;
            case SQL_VARYING: {
                short len;
                std::memcpy(&len, d, sizeof len);
                row.emplace_back(QString::fromUtf8(d + 2, len));
                break;
            }
            case SQL_SHORT: {
                short x;
                std::memcpy(&x, d, sizeof x);
                row.emplace_back(v.sqlscale < 0 ? QVariant(scaled(x, v.sqlscale)) : QVariant(int(x)));
                break;
            }
            case SQL_LONG: {
                ISC_LONG x;
                std::memcpy(&x, d, sizeof x);
                row.emplace_back(v.sqlscale < 0 ? QVariant(scaled(x, v.sqlscale)) : QVariant(int(x)));
                break;
            }
            case SQL_INT64: {
                ISC_INT64 x;
                std::memcpy(&x, d, sizeof x);
                row.emplace_back(v.sqlscale < 0 ? QVariant(scaled(x, v.sqlscale)) : QVariant(qlonglong(x)));
                break;
            }
            case SQL_FLOAT: {
                float x;
                std::memcpy(&x, d, sizeof x);
                row.emplace_back(double(x));
                break;
            }
            case SQL_DOUBLE:
            case SQL_D_FLOAT: {
                double x;
                std::memcpy(&x, d, sizeof x);
                row.emplace_back(x);
                break;
            }
            case SQL_TYPE_DATE: {
                ISC_DATE x;
                std::memcpy(&x, d, sizeof x);
                row.emplace_back(iscDate(x));
                break;
            }
            case SQL_TYPE_TIME: {
                ISC_TIME x;
                std::memcpy(&x, d, sizeof x);
                row.emplace_back(iscTime(x));
                break;
            }
            case SQL_TIMESTAMP: {
                ISC_TIMESTAMP x;
                std::memcpy(&x, d, sizeof x);
                row.emplace_back(QDateTime(iscDate(x.timestamp_date), iscTime(x.timestamp_time)));
                break;
            }
            case SQL_BOOLEAN: row.emplace_back(*d != 0); break;
            case SQL_BLOB: {
                ISC_QUAD id;
                std::memcpy(&id, d, sizeof id);
                row.emplace_back(blobText(status, &db, &tr, id, sql));
                break;
            }
            default: row.emplace_back(); break;
            }
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

} // namespace plan
