#pragma once
// What an edit window's save gives back, and the one check of a unique name
// that every catalogue (rooms, items, users, accounts, customers) makes.
#include <QString>
#include <functional>

namespace velbrisk {

class Query;

struct SaveResult {
    bool saved = false;
    QString message;  // shown when not empty: what was saved, or why not
    QString focus;    // the field for the cursor when refused ("Name", "Price"...)

    static SaveResult done(const QString& message = QString()) { return {true, message, QString()}; }
    static SaveResult refused(const QString& message, const QString& focus = QString())
    {
        return {false, message, focus};
    }
};

// True when a row of `table` other than the one keyed `exceptIndex` (0: none
// excepted) carries `name` in `nameColumn`. The name goes in quoted.
bool nameTaken(Query& q, const QString& table, const QString& nameColumn, const QString& name, int exceptIndex = 0);

// Runs `work` on the query, closed again afterwards however it ends: a
// failure of the data layer comes back as a refusal with `failure` as its
// message, or the failure's own when `failure` is empty. For reads and checks
// that write nothing.
SaveResult attempt(Query& q, const std::function<SaveResult()>& work, const QString& failure = QString());

// Runs `write` as one transaction on the query's connection, the lists'
// reads let go first: committed when it returns a save, rolled back when it
// refuses or fails (a failure's message, after `failurePrefix`, is returned
// as a refusal). All of it or none. The query is closed afterwards.
SaveResult writeAll(Query& q, const std::function<SaveResult()>& write, const QString& failurePrefix = QString());

}  // namespace velbrisk
