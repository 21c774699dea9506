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
    const WordList order[] = {WordList::Customers,    WordList::Salesmen,     WordList::ExpenseKinds,
                              WordList::IncomeKinds, WordList::PaymentTypes, WordList::Vouchers};  // as the tab shows them
    for (int i = 0; i < kWordListCount; ++i) {
        const WordList type = order[i];
        auto* box = new QGroupBox(QString::fromUtf8(wordListTexts(type).caption), this);
        auto* l = new QVBoxLayout(box);
        m_lists[storedType(type)] = new QListWidget(box);
        l->addWidget(list(type), 1);
        auto* buttons = new QHBoxLayout;
        const std::pair<const char*, void (WordLists::*)(WordList)> actions[] = {
            {"新增", &WordLists::NewWord}, {"修改", &WordLists::EditWord}, {"删除", &WordLists::DeleteWord}};
        for (const auto& [text, slot] : actions) {
            auto run = slot;
            buttons->addWidget(makeButton(box, QString::fromUtf8(text), [this, run, type] { (this->*run)(type); }));
        }
        l->addLayout(buttons);
        connect(list(type), &QListWidget::itemDoubleClicked, this, [this, type] { EditWord(type); });
        grid->addWidget(box, i / 3, i % 3);
    }
}

void WordLists::loadAll()
{
    for (int t = 0; t < kWordListCount; ++t)
        load(wordListOf(t));
}

void WordLists::load(WordList type)
{
    QListWidget* shown = list(type);
    shown->clear();
    QStringList words;
    if (const SaveResult r = loadWords(m_ctx.dm.ADOQueryTemp, type, &words); !r.saved)
        m_ctx.prompt().inform(r.message);
    shown->addItems(words);
    if (shown->count() > 0)
        shown->setCurrentRow(shown->count() - 1);
}

void WordLists::NewWord(WordList type)
{
    const WordListTexts& t = wordListTexts(type);
    QString word;
    if (!m_asker->ask(QStringLiteral("参数设置"), QString::fromUtf8(t.newPrompt), &word))
        return;
    if (const SaveResult r = addWord(m_ctx.dm.ADOQueryTemp, type, word); !r.saved) {
        m_ctx.prompt().inform(r.message);
        return;
    }
    load(type);
}

void WordLists::EditWord(WordList type)
{
    const WordListTexts& t = wordListTexts(type);
    QListWidgetItem* item = list(type)->currentItem();
    if (!item) {
        m_ctx.prompt().inform(QString::fromUtf8(t.noSelectionEdit));
        list(type)->setFocus();
        return;
    }
    const QString selected = item->text();
    QString word = selected;
    if (!m_asker->ask(QStringLiteral("参数设置"), QString::fromUtf8(t.editPrompt), &word))
        return;
    if (word == selected && !word.isEmpty())
        return;
    if (const SaveResult r = changeWord(m_ctx.dm.ADOQueryTemp, type, selected, word); !r.saved) {
        m_ctx.prompt().inform(r.message);
        return;
    }
    load(type);
}

void WordLists::DeleteWord(WordList type)
{
    const WordListTexts& t = wordListTexts(type);
    QListWidgetItem* item = list(type)->currentItem();
    if (!item) {
        m_ctx.prompt().inform(QString::fromUtf8(t.noSelectionDelete));
        list(type)->setFocus();
        return;
    }
    const QString selected = item->text();
    if (const SaveResult r = findWordForDelete(m_ctx.dm.ADOQueryTemp, type, selected); !r.saved) {
        m_ctx.prompt().inform(r.message);
        return;
    }
    if (!m_ctx.prompt().ask(QStringLiteral("确实要删除该参数吗？"), QStringLiteral("删除警告")))
        return;
    if (const SaveResult r = deleteWord(m_ctx.dm.ADOQueryTemp, type, selected); !r.saved)
        m_ctx.prompt().inform(r.message);
    load(type);
}

}  // namespace velbrisk
