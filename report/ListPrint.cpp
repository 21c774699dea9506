#include "report/ListPrint.h"

#include "app/AppContext.h"
#include "data/Query.h"
#include "report/Report.h"

namespace velbrisk {

void printList(AppContext& ctx, Query& list, const QString& templateFile, const QString& title)
{
    QString error;
    if (!list.isOpen() || !ctx.reports)
        return;
    if (!presentReport(ctx.g.resourcePath(templateFile), &list, {}, *ctx.reports, title, &error))
        ctx.prompt().inform(error);
}

}  // namespace velbrisk
