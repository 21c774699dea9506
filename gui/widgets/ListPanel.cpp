#include "gui/widgets/ListPanel.h"

#include "core/data/Database.h"
#include "core/data/Platform.h"
#include "core/data/Query.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/EditDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

ListPanel::ListPanel(Prompter& prompt, Query& query, Setup setup, QWidget* parent)
    : QWidget(parent), m_prompt(prompt), m_query(query), m_setup(std::move(setup)), m_grid(new DataGrid(this)),
      m_buttons(new QWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout(m_buttons);
    row->setContentsMargins(0, 0, 0, 0);
    const std::function<void()> actions[] = {[this] { NewRecord(); }, [this] { EditRecord(); }, [this] { DeleteRecord(); }};
    for (int i = 0; i < 3 && i < m_setup.buttonTexts.size(); ++i)
        row->addWidget(makeButton(m_buttons, m_setup.buttonTexts[i], actions[i]));
    if (m_setup.buttonsAt == ButtonsAt::Top) {
        row->addStretch();
        layout->addWidget(m_buttons);
        layout->addWidget(m_grid, 1);
    } else {
        layout->addWidget(m_grid, 1);
        layout->addWidget(m_buttons);
    }
    m_grid->setQuery(&m_query);
    connect(m_grid, &DataGrid::rowActivated, this, [this] { EditRecord(); });
}

ListPanel::Setup ListPanel::Setup::recordTab(const QString& keyField)
{
    Setup s;
    s.keyField = keyField;
    s.buttonTexts = {QStringLiteral("新增记录"), QStringLiteral("修改记录"), QStringLiteral("删除记录")};
    s.buttonsAt = ButtonsAt::Top;
    s.deleteQuestion = QStringLiteral("您确定要删除该记录吗？");
    s.deleteTitle = QStringLiteral("删除确认");
    return s;
}

void ListPanel::setEditWindow(EditDialog* form, std::function<void()> beforeNew)
{
    create = [form, beforeNew] {
        form->Mode = EditMode::New;
        if (beforeNew)
            beforeNew();
        return form->exec() == QDialog::Accepted;
    };
    edit = [form](int key) {
        form->Mode = EditMode::Edit;
        form->EditIndex = key;
        return form->exec() == QDialog::Accepted;
    };
}

int ListPanel::currentKey()
{
    if (!m_grid->moveQueryToCurrent() || m_query.isNull(m_setup.keyField))
        return 0;
    return int(m_query.integer(m_setup.keyField));
}

void ListPanel::reload()
{
    reloadKeeping(m_query.isOpen() ? currentKey() : 0);
}

void ListPanel::reloadKeeping(int key)
{
    const int was = m_grid->currentRow();
    if (load)
        load();
    m_grid->reload();
    if (key > 0 && m_query.isOpen()) {
        // The record is looked for near where it stood, not through the
        // whole of a long list.
        const int col = m_query.fieldIndex(m_setup.keyField);
        const int limit = std::max(was, 0) + 1000;
        for (int r = 0; col >= 0 && r < limit; ++r) {
            const QVariant v = m_query.valueAt(r, col);
            if (!v.isValid())
                break;
            if (v.toLongLong() == key) {
                m_grid->setCurrentRow(r);  // the grid takes in the rows read meanwhile
                break;
            }
        }
    }
    emit reloaded();
}

void ListPanel::NewRecord()
{
    if (create && create()) {
        reload();
        emit created();
        emit changed();
    }
}

void ListPanel::EditRecord()
{
    const int key = currentKey();
    if (key == 0) {
        m_prompt.inform(m_setup.selectToEdit);
        return;
    }
    if (edit && edit(key)) {
        reloadKeeping(key);
        emit changed();
    }
}

void ListPanel::DeleteRecord()
{
    const int key = currentKey();
    if (key == 0) {
        m_prompt.inform(m_setup.selectToDelete);
        return;
    }
    if (!m_prompt.ask(m_setup.deleteQuestion, m_setup.deleteTitle))
        return;
    SaveResult r = SaveResult::done();
    if (remove) {
        r = remove(key);
    } else {
        try {
            m_query.deleteRecord();
        } catch (const Failure& e) {
            r = SaveResult::refused(e.message());
        }
    }
    if (!r.saved && !r.message.isEmpty())
        m_prompt.inform(r.message);
    reloadKeeping(0);
    emit changed();
}

}  // namespace velbrisk
