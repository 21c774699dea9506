#include "gui/bookings/OverlapAsk.h"

#include "core/data/ShareDM.h"
#include "gui/context/AppContext.h"

namespace velbrisk {

bool overlapAccepted(AppContext& ctx, const OverlapCheck& check)
{
    // A span that ends before it begins is refused by the save itself.
    if (!ctx.options().warnOverlaps() || check.end < check.begin)
        return true;
    QString question;
    const SaveResult read = overlapQuestion(ctx.dm.ADOQueryTemp, check, &question);
    if (!read.saved) {
        if (!read.message.isEmpty())
            ctx.prompt().inform(read.message);
        return false;
    }
    return question.isEmpty() || ctx.prompt().ask(question, QStringLiteral("操作确认"));
}

}  // namespace velbrisk
