#include "core/admin/Vocabulary.h"

#include "core/data/JetSql.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"

namespace velbrisk {

const WordListTexts& wordListTexts(int type)
{
    static const WordListTexts texts[] = {
        {"支出种类", "请输入收支种类名称（支出）", "请输入支出种类的名称", "支出种类名不能为空", "支出种类名不能为空",
         "存在同名的支出种类，请改名", "存在同名的支出种类，请改名", "请先选中要修改的支出种类",
         "请先选中要删除的支出种类", "读入帐款收支种类失败"},
        {"收入种类", "请输入收支种类名称（收入）", "请输入收入种类的名称", "收入种类名不能为空", "收入种类名不能为空",
         "存在同名的收入种类，请改名", "存在同名的收入种类，请改名", "请先选中要修改的收入种类",
         "请先选中要删除的收入种类", "读入帐款收支种类失败"},
        {"款项类别", "请输入新类别的名称", "请输入类别的名称", "类别名不能为空", "类别名不能为空", "存在同名的类别，请改名",
         "存在同名的类别，请改名", "请先选中要修改的类别", "请先选中要删除的类别", "读入帐款类别失败"},
        {"款项凭证", "请输入新凭证的名称", "请输入凭证的名称", "凭证名不能为空", "凭证名不能为空", "存在同名的凭证，请改名",
         "存在同名的凭证，请改名", "请先选中要修改的凭证", "请先选中要删除的凭证", "读入帐款类别失败"},
        {"客户名称列表", "请输入要新增的客户名称", "请输入客户名称", "客户名称不能为空", "客户名称不能为空",
         "该客户名称已存在，请改名", "该客户名称已经存在，请改名", "请先选中要修改的客户名称",
         "请先选中要删除的客户名称", "读入客户名称失败"},
        {"业务员列表", "请输入要新增的业务员名", "请输入业务员名称", "业务员名不能为空", "业务员名称不能为空",
         "该业务员已存在，请改名", "该业务员名称已经存在，请改名", "请先选中要修改的业务员", "请先选中要删除的业务员",
         "读入业务员失败"},
    };
    return texts[std::clamp(type, 0, 5)];
}

namespace {

QString wordSql(int type, const QString& word)
{
    // Words compare exactly (a trailing blank makes another word), also in case.
    return QStringLiteral("Select * From Parameter Where (ParameterType =  %1) And (ParameterValue = %2)")
        .arg(type)
        .arg(quoted(word));
}

// The rows of exactly this word (the text columns compare without case).
bool openExact(Query& q, int type, const QString& word)
{
    q.setSql(wordSql(type, word));
    q.open();
    for (q.first(); !q.eof(); q.next())
        if (q.str(QStringLiteral("ParameterValue")) == word)
            return true;
    return false;
}

QString text(const char* s) { return QString::fromUtf8(s); }

}  // namespace

QStringList loadWords(Query& q, int type, bool* ok)
{
    QStringList words;
    *ok = OpenQuery(q, QStringLiteral("Select * From Parameter Where ParameterType =  ") + QString::number(type),
                    text(wordListTexts(type).loadFailure));
    if (!*ok)
        return words;
    for (q.first(); !q.eof(); q.next())
        words << q.str(QStringLiteral("ParameterValue"));
    q.close();
    return words;
}

QString addWord(Query& q, int type, const QString& word)
{
    const WordListTexts& t = wordListTexts(type);
    if (word.isEmpty())
        return text(t.emptyNew);
    try {
        if (openExact(q, type, word)) {
            q.close();
            return text(t.duplicateNew);
        }
        q.setSql(QStringLiteral("Select * From Parameter"));
        q.open();
        q.insert();
        q.setValue(QStringLiteral("ParameterType"), type);
        q.setValue(QStringLiteral("ParameterValue"), word);
        q.post();
        q.close();
    } catch (const Failure&) {
        q.close();
        return QStringLiteral("读入帐款参数失败");
    }
    return QString();
}

QString changeWord(Query& q, int type, const QString& selected, const QString& word)
{
    const WordListTexts& t = wordListTexts(type);
    if (word.isEmpty())
        return text(t.emptyEdit);
    if (word == selected)
        return QString();
    try {
        if (openExact(q, type, word)) {
            q.close();
            return text(t.duplicateEdit);
        }
        if (!openExact(q, type, selected)) {
            q.close();
            return QStringLiteral("该参数已经被删除");
        }
        q.edit();
        q.setValue(QStringLiteral("ParameterValue"), word);
        q.post();
        q.close();
    } catch (const Failure&) {
        q.close();
        return QStringLiteral("读入帐款参数失败");
    }
    return QString();
}

QString findWordForDelete(Query& q, int type, const QString& selected)
{
    try {
        const bool found = openExact(q, type, selected);
        q.close();
        return found ? QString() : QStringLiteral("该记录已不存在");
    } catch (const Failure&) {
        q.close();
        return QStringLiteral("读入帐款参数失败");
    }
}

QString deleteWord(Query& q, int type, const QString& selected)
{
    try {
        if (!openExact(q, type, selected)) {
            q.close();
            return QStringLiteral("该记录已不存在");
        }
        q.deleteRecord();
        q.close();
    } catch (const Failure&) {
        q.close();
        return QStringLiteral("读入帐款参数失败");
    }
    return QString();
}

}  // namespace velbrisk
