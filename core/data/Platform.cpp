#include "core/data/Platform.h"

#include <QDir>

namespace velbrisk {

bool openOrSay(const Platform& platform, const QString& pathOrUrl)
{
    if (platform.opener && platform.opener->open(pathOrUrl))
        return true;
    if (platform.prompt)
        platform.prompt->inform(QStringLiteral("无法自动打开下面的文件，请手动打开：\n") + QDir::toNativeSeparators(pathOrUrl));
    return false;
}

}  // namespace velbrisk
