#include "core/admin/Vocabulary.h"

#include "core/data/JetSql.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"

namespace velbrisk {

const WordListTexts& wordListTexts(WordList list)
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
    return texts[storedType(list)];
}

namespace {

QString wordSql(WordList list, const QString& word)
{
    // Words compare exactly (a trailing blank makes another word), also in case.
    return QStringLiteral("Select * From Parameter Where (ParameterType =  %1) And (ParameterValue = %2)")
        .arg(storedType(list))
        .arg(quoted(word));
}

// The rows of exactly this word (the text columns compare without case);
// the query stands on it when found.
bool openExact(Query& q, WordList list, const QString& word)
{
    q.setSql(wordSql(list, word));
    q.open();
    for (q.first(); !q.eof(); q.next())
        if (q.str(QStringLiteral("ParameterValue")) == word)
            return true;
    return false;
}

QString text(const char* s) { return QString::fromUtf8(s); }

const QString kReadFailure = QStringLiteral("读入帐款参数失败");

}  // namespace

SaveResult loadWords(Query& q, WordList list, QStringList* words)
{
    return attempt(
        q,
        [&] {
            *words = readWords(q, list);
            return SaveResult::done();
        },
        text(wordListTexts(list).loadFailure));
}

SaveResult addWord(Query& q, WordList list, const QString& word)
{
    const WordListTexts& t = wordListTexts(list);
    if (word.isEmpty())
        return SaveResult::refused(text(t.emptyNew));
    return attempt(
        q,
        [&] {
            if (openExact(q, list, word))
                return SaveResult::refused(text(t.duplicateNew));
            q.setSql(QStringLiteral("Select * From Parameter"));
            q.open();
            q.insert();
            q.setValue(QStringLiteral("ParameterType"), storedType(list));
            q.setValue(QStringLiteral("ParameterValue"), word);
            q.post();
            return SaveResult::done();
        },
        kReadFailure);
}

SaveResult changeWord(Query& q, WordList list, const QString& selected, const QString& word)
{
    const WordListTexts& t = wordListTexts(list);
    if (word.isEmpty())
        return SaveResult::refused(text(t.emptyEdit));
    if (word == selected)
        return SaveResult::done();
    return attempt(
        q,
        [&] {
            if (openExact(q, list, word))
                return SaveResult::refused(text(t.duplicateEdit));
            if (!openExact(q, list, selected))
                return SaveResult::refused(QStringLiteral("该参数已经被删除"));
            q.edit();
            q.setValue(QStringLiteral("ParameterValue"), word);
            q.post();
            return SaveResult::done();
        },
        kReadFailure);
}

SaveResult findWordForDelete(Query& q, WordList list, const QString& selected)
{
    return attempt(
        q,
        [&] { return openExact(q, list, selected) ? SaveResult::done() : SaveResult::refused(QStringLiteral("该记录已不存在")); },
        kReadFailure);
}

SaveResult deleteWord(Query& q, WordList list, const QString& selected)
{
    return attempt(
        q,
        [&] {
            if (!openExact(q, list, selected))
                return SaveResult::refused(QStringLiteral("该记录已不存在"));
            q.deleteRecord();
            return SaveResult::done();
        },
        kReadFailure);
}

}  // namespace velbrisk
