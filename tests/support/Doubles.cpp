#include "tests/support/Doubles.h"

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

}  // namespace velbrisk
