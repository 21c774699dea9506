#include "gui/context/AppContext.h"

namespace velbrisk {

Options AppContext::options() const
{
    const QString ring = g.resourcePath(QStringLiteral("ShortRing.wav"));
    return Options(g.IniFileName, ring.left(ring.size() - QStringLiteral("ShortRing.wav").size()));
}

}  // namespace velbrisk
