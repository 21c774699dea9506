#pragma once
// The six finance word lists of the settings window.
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
    void load(int type);
    void NewWord(int type);
    void EditWord(int type);
    void DeleteWord(int type);
    QListWidget* list(int type) const { return m_lists[type]; }

private:
    AppContext& m_ctx;
    WordAsker* m_asker;
    QListWidget* m_lists[6];
};

}  // namespace velbrisk
