#pragma once
// A list with its "新增" / "修改" / "删除" buttons, as every catalogue and tab
// of the program shows one: the grid over the window's query, the check that
// a record is chosen, the Yes/No question before a deletion, and the reload
// that makes the same record current again.
#include "core/data/SaveResult.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace velbrisk {

class DataGrid;
class EditDialog;
class Prompter;
class Query;

class ListPanel : public QWidget {
    Q_OBJECT
public:
    enum class ButtonsAt { Top, Bottom };
    struct Setup {
        QString keyField;  // the key of the listed table ("CostIndex")
        QStringList buttonTexts{QStringLiteral("新增"), QStringLiteral("修改"), QStringLiteral("删除")};
        ButtonsAt buttonsAt = ButtonsAt::Bottom;
        QString selectToEdit = QStringLiteral("请先选中需要修改的记录");
        QString selectToDelete = QStringLiteral("请先选中需要删除的记录");
        QString deleteQuestion = QStringLiteral("确定要删除该记录吗？");
        QString deleteTitle = QStringLiteral("删除警告");

        // The tabs of a window's record: buttons on top, "新增记录"... and
        // the question titled "删除确认".
        static Setup recordTab(const QString& keyField);
    };

    ListPanel(Prompter& prompt, Query& query, Setup setup, QWidget* parent = nullptr);

    DataGrid* grid() const { return m_grid; }
    QWidget* buttons() const { return m_buttons; }
    Query& query() const { return m_query; }

    // What the window does for the panel:
    std::function<void()> load;             // (re)opens the query
    std::function<bool()> create;           // the new-record window; true when it saved
    std::function<bool(int key)> edit;      // the edit window for the record; true when it saved
    std::function<SaveResult(int key)> remove; // deletes the record; a refusal's message is shown
                                            // Unset: the query deletes its current row.

    // The usual new and edit: `form` opened in its two modes. `beforeNew`
    // fills in what a new record takes from the list's owner.
    void setEditWindow(EditDialog* form, std::function<void()> beforeNew = {});

    // Opens the list again; the record that was current stays current.
    void reload();
    // The key of the current row; 0 for none.
    int currentKey();

    void NewRecord();
    void EditRecord();
    void DeleteRecord();

signals:
    void created();   // a new record was saved
    void reloaded();  // the list shows its rows anew
    void changed();   // a record was added, changed or deleted

private:
    void reloadKeeping(int key);
    Prompter& m_prompt;
    Query& m_query;
    Setup m_setup;
    DataGrid* m_grid;
    QWidget* m_buttons;
};

}  // namespace velbrisk
