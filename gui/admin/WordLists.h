#pragma once
// The six finance word lists of the settings window.
#include "core/data/WordLists.h"

#include <QWidget>

class QListWidget;

namespace velbrisk {

struct AppContext;
class WordAsker;

class WordLists : public QWidget {
    Q_OBJECT
public:
    WordLists(AppContext& ctx, WordAsker* asker, QWidget* parent = nullptr);

    void setAsker(WordAsker* asker) { m_asker = asker; }
    void loadAll();
    void load(WordList type);
    void NewWord(WordList type);
    void EditWord(WordList type);
    void DeleteWord(WordList type);
    QListWidget* list(WordList type) const { return m_lists[storedType(type)]; }

private:
    AppContext& m_ctx;
    WordAsker* m_asker;
    QListWidget* m_lists[6];
};

}  // namespace velbrisk
