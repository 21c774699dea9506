#pragma once
// The six finance word lists (Parameter types 0 to 5).
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

// The texts of a type (0 to 5).
const WordListTexts& wordListTexts(int type);

// The words of a type in the data file's order; nullopt-like: `ok` false
// when the query failed (its message shown).
QStringList loadWords(Query& q, int type, bool* ok);

// Adding and changing a word: empty text when done, else the message.
QString addWord(Query& q, int type, const QString& word);
// `unchanged` is set when the typed word equals the selected one (nothing to do).
QString changeWord(Query& q, int type, const QString& selected, const QString& word);
// Whether the selected word still exists (the delete question comes next).
QString findWordForDelete(Query& q, int type, const QString& selected);
QString deleteWord(Query& q, int type, const QString& selected);

}  // namespace velbrisk
