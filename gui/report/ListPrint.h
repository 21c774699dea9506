#pragma once
// Printing a window's list through one of the program's templates.
#include <QHash>
#include <QString>

namespace velbrisk {

struct AppContext;
class Query;

// Previews the rows of `list` through the template "Frf/..." of the program,
// under `title`, with the template's variables from `vars`; says so when the
// template cannot be read. Nothing for a list that is not open.
void printList(AppContext& ctx, Query& list, const QString& templateFile, const QString& title,
               const QHash<QString, QString>& vars = {});

}  // namespace velbrisk
