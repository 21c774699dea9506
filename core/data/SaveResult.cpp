#include "core/data/SaveResult.h"

#include "core/data/JetSql.h"
#include "core/data/Query.h"
#include "core/data/Schema.h"

namespace velbrisk {

bool nameTaken(Query& q, const QString& table, const QString& nameColumn, const QString& name, int exceptIndex)
{
    QString sql = QStringLiteral("Select * From %1 Where (%2 = %3)").arg(table, nameColumn, quoted(name));
    if (exceptIndex > 0)
        sql += QStringLiteral(" And (%1 <> %2)").arg(keyColumnOf(table)).arg(exceptIndex);
    QueryLease lease(q);
    return !lease.open(sql).isEmpty();
}

SaveResult attempt(Query& q, const std::function<SaveResult()>& work, const QString& failure)
{
    QueryLease lease(q);
    try {
        return work();
    } catch (const Failure& e) {
        return SaveResult::refused(failure.isEmpty() ? e.message() : failure);
    }
}

SaveResult writeAll(Query& q, const std::function<SaveResult()>& write, const QString& failurePrefix)
{
    QueryLease lease(q);
    try {
        WriteScope scope(q.connection());
        Transaction tx(q.connection());
        SaveResult r = write();
        if (r.saved)
            tx.commit();
        return r;
    } catch (const Failure& e) {
        return SaveResult::refused(failurePrefix + e.message());
    }
}

}  // namespace velbrisk
