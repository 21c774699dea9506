#include "core/data/Platform.h"

#include <QDir>

namespace velbrisk {

void ScriptedPrompter::inform(const QString& text, const QString& title)
{
    messages << text;
    titles << title;
}

bool ScriptedPrompter::ask(const QString& text, const QString& title)
{
    messages << text;
    titles << title;
    if (m_answers.empty())
        return defaultAnswer;
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

QString ScriptedPrompter::openFileName(const QString&, const QString&, const QString&, const QString&)
{
    if (m_files.empty())
        return QString();
    const QString f = m_files.front();
    m_files.pop_front();
    return f;
}

QString ScriptedPrompter::saveFileName(const QString& title, const QString& filter, const QString& suffix,
                                       const QString& suggested)
{
    return openFileName(title, filter, suffix, suggested);
}

bool openOrSay(const Platform& platform, const QString& pathOrUrl)
{
    if (platform.opener && platform.opener->open(pathOrUrl))
        return true;
    if (platform.prompt)
        platform.prompt->inform(QStringLiteral("无法自动打开下面的文件，请手动打开：\n") + QDir::toNativeSeparators(pathOrUrl));
    return false;
}

}  // namespace velbrisk
