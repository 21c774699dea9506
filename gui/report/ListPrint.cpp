#include "gui/report/ListPrint.h"

#include "core/data/Query.h"
#include "gui/context/AppContext.h"
#include "gui/report/Report.h"

namespace velbrisk {

void printList(AppContext& ctx, Query& list, const QString& templateFile, const QString& title,
               const QHash<QString, QString>& vars)
{
    QString error;
    if (!list.isOpen() || !ctx.reports)
        return;
    const VariableProvider variables = [vars](const QString& name) -> std::optional<QString> {
        if (vars.contains(name))
            return vars.value(name);
        return std::nullopt;
    };
    if (!presentReport(ctx.g.resourcePath(templateFile), &list, variables, *ctx.reports, title, &error))
        ctx.prompt().inform(error);
}

}  // namespace velbrisk
