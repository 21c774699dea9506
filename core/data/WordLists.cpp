#include "core/data/WordLists.h"

#include "core/data/Query.h"

namespace velbrisk {

WordList wordListOf(int storedType)
{
    return storedType >= 0 && storedType < kWordListCount ? WordList(storedType) : WordList::ExpenseKinds;
}

WordList kindsFor(bool income) { return income ? WordList::IncomeKinds : WordList::ExpenseKinds; }

QString wordListSql(WordList list)
{
    return QStringLiteral("Select * From Parameter Where ParameterType = ") + QString::number(storedType(list));
}

QString bothKindsSql()
{
    return QStringLiteral("Select * From Parameter Where (ParameterType = %1) Or (ParameterType = %2) Order By ParameterType, ParameterIndex")
        .arg(storedType(WordList::ExpenseKinds))
        .arg(storedType(WordList::IncomeKinds));
}

QStringList readWords(Query& q, WordList list)
{
    QStringList words;
    q.setSql(wordListSql(list));
    q.open();
    for (q.first(); !q.eof(); q.next())
        words << q.str(QStringLiteral("ParameterValue"));
    q.close();
    return words;
}

}  // namespace velbrisk
