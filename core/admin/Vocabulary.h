#pragma once
// The texts and the changes of the six finance word lists.
#include "core/data/SaveResult.h"
#include "core/data/WordLists.h"

#include <QString>
#include <QStringList>

namespace velbrisk {

class Query;

struct WordListTexts {
    const char* caption;
    const char* newPrompt;
    const char* editPrompt;
    const char* emptyNew;
    const char* emptyEdit;
    const char* duplicateNew;
    const char* duplicateEdit;
    const char* noSelectionEdit;
    const char* noSelectionDelete;
    const char* loadFailure;
};

// The texts of a list.
const WordListTexts& wordListTexts(WordList list);

// The words of a list in the data file's order, into `words`; refused with
// the list's load failure when the file cannot be read.
SaveResult loadWords(Query& q, WordList list, QStringList* words);

// Adding, changing and deleting a word, each refused with the list's own
// message. A change to the same word saves nothing and is no refusal.
SaveResult addWord(Query& q, WordList list, const QString& word);
SaveResult changeWord(Query& q, WordList list, const QString& selected, const QString& word);
// Whether the selected word still exists (the delete question comes next).
SaveResult findWordForDelete(Query& q, WordList list, const QString& selected);
SaveResult deleteWord(Query& q, WordList list, const QString& selected);

}  // namespace velbrisk
