#include "gui/admin/WordLists.h"

#include "core/admin/Vocabulary.h"
#include "core/data/ShareDM.h"
#include "gui/admin/AskForm.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

WordLists::WordLists(AppContext& ctx, WordAsker* asker, QWidget* parent) : QWidget(parent), m_ctx(ctx), m_asker(asker)
{
    auto* grid = new QGridLayout(this);
    const int order[] = {4, 5, 0, 1, 2, 3};  // as the tab shows them
    for (int i = 0; i < 6; ++i) {
        const int type = order[i];
        auto* box = new QGroupBox(QString::fromUtf8(wordListTexts(type).caption), this);
        auto* l = new QVBoxLayout(box);
        m_lists[type] = new QListWidget(box);
        l->addWidget(m_lists[type], 1);
        auto* buttons = new QHBoxLayout;
        const std::pair<const char*, void (WordLists::*)(int)> actions[] = {
            {"新增", &WordLists::NewWord}, {"修改", &WordLists::EditWord}, {"删除", &WordLists::DeleteWord}};
        for (const auto& [text, slot] : actions) {
            auto run = slot;
            buttons->addWidget(makeButton(box, QString::fromUtf8(text), [this, run, type] { (this->*run)(type); }));
        }
        l->addLayout(buttons);
        connect(m_lists[type], &QListWidget::itemDoubleClicked, this, [this, type] { EditWord(type); });
        grid->addWidget(box, i / 3, i % 3);
    }
}

void WordLists::loadAll()
{
    for (int t = 0; t < 6; ++t)
        load(t);
}

void WordLists::load(int type)
{
    QListWidget* list = m_lists[type];
    list->clear();
    bool ok = false;
    list->addItems(loadWords(m_ctx.dm.ADOQueryTemp, type, &ok));
    if (list->count() > 0)
        list->setCurrentRow(list->count() - 1);
}

void WordLists::NewWord(int type)
{
    const WordListTexts& t = wordListTexts(type);
    QString word;
    if (!m_asker->ask(QStringLiteral("参数设置"), QString::fromUtf8(t.newPrompt), &word))
        return;
    if (const QString error = addWord(m_ctx.dm.ADOQueryTemp, type, word); !error.isEmpty()) {
        m_ctx.prompt().inform(error);
        return;
    }
    load(type);
}

void WordLists::EditWord(int type)
{
    const WordListTexts& t = wordListTexts(type);
    QListWidgetItem* item = m_lists[type]->currentItem();
    if (!item) {
        m_ctx.prompt().inform(QString::fromUtf8(t.noSelectionEdit));
        m_lists[type]->setFocus();
        return;
    }
    const QString selected = item->text();
    QString word = selected;
    if (!m_asker->ask(QStringLiteral("参数设置"), QString::fromUtf8(t.editPrompt), &word))
        return;
    if (word == selected && !word.isEmpty())
        return;
    if (const QString error = changeWord(m_ctx.dm.ADOQueryTemp, type, selected, word); !error.isEmpty()) {
        m_ctx.prompt().inform(error);
        return;
    }
    load(type);
}

void WordLists::DeleteWord(int type)
{
    const WordListTexts& t = wordListTexts(type);
    QListWidgetItem* item = m_lists[type]->currentItem();
    if (!item) {
        m_ctx.prompt().inform(QString::fromUtf8(t.noSelectionDelete));
        m_lists[type]->setFocus();
        return;
    }
    const QString selected = item->text();
    if (const QString error = findWordForDelete(m_ctx.dm.ADOQueryTemp, type, selected); !error.isEmpty()) {
        m_ctx.prompt().inform(error);
        return;
    }
    if (!m_ctx.prompt().ask(QStringLiteral("确实要删除该参数吗？"), QStringLiteral("删除警告")))
        return;
    if (const QString error = deleteWord(m_ctx.dm.ADOQueryTemp, type, selected); !error.isEmpty())
        m_ctx.prompt().inform(error);
    load(type);
}

}  // namespace velbrisk
