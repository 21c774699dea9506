#include "gui/finance/AccountTilesPage.h"

#include "core/config/Options.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/finance/Accounts.h"
#include "core/finance/Ledger.h"
#include "core/finance/Reports.h"
#include "gui/context/AppContext.h"
#include "gui/finance/AccountChoseForm.h"
#include "gui/finance/AccountForm.h"
#include "gui/finance/AccountSearchForm.h"
#include "gui/finance/AccountTile.h"
#include "gui/report/ListPrint.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/ProgressForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace velbrisk {

AccountTilesPage::AccountTilesPage(AppContext& ctx, TFormAccount& account, TFormAccountSearch& search,
                                   TFormAccountChose& chose, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_account(account), m_search(search), m_chose(chose), m_print(ctx.dm.ADOConnection1),
      m_placeholder(new QLabel(this)), m_total(new QLabel(QStringLiteral("总金额：0 元"), this)),
      m_sortKey(new QComboBox(this)), m_sortDirection(new QComboBox(this))
{
    setMouseTracking(true);
    installEventFilter(this);
    m_placeholder->setGeometry(8, 8, 680, 420);
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setPixmap(QPixmap(m_ctx.g.resourcePath(QStringLiteral("Res/NoAccount.bmp"))));
    m_placeholder->hide();
    for (int i = 0; i < AccountPageSize; ++i) {
        auto* tile = new AccountTile(this);
        tile->move((i % 3) * 229 + 8, (i / 3) * 86 + 8);
        tile->hide();
        connect(tile, &AccountTile::hovered, this, [this](AccountTile* t) {
            for (AccountTile* other : m_tiles)
                other->setHighlighted(other == t);
        });
        connect(tile, &AccountTile::clicked, this,
                [this](AccountTile* t) { emit accountClicked(t->nameText(), t->balanceText()); });
        m_tiles << tile;
    }
    const int below = 5 * 86 + 12;
    m_total->setGeometry(8, below + 4, 220, 24);
    m_prevPage = makeButton(this, QStringLiteral("上一页"), [this] {
        --AccountPage;
        refresh(m_day);
    });
    auto* add = makeButton(this, QStringLiteral("新增帐户"), [this] { newAccount(); });
    m_nextPage = makeButton(this, QStringLiteral("下一页"), [this] {
        ++AccountPage;
        refresh(m_day);
    });
    m_prevPage->setGeometry(240, below, 90, 30);
    add->setGeometry(340, below, 90, 30);
    m_nextPage->setGeometry(440, below, 90, 30);
    const int right = 3 * 229 + 16;
    makeButton(this, QStringLiteral("帐户搜索"), [this] { searchAccounts(); })->setGeometry(right, 8, 100, 30);
    makeButton(this, QStringLiteral("帐户月结"), [this] { printStatement(m_day); })->setGeometry(right, 44, 100, 30);
    (new QLabel(QStringLiteral("帐户排序"), this))->setGeometry(right, 90, 100, 20);
    m_sortKey->addItems({QStringLiteral("按编号"), QStringLiteral("按类型"), QStringLiteral("按名称")});
    m_sortDirection->addItems({QStringLiteral("按升序"), QStringLiteral("按降序")});
    m_sortKey->setGeometry(right, 112, 100, 26);
    m_sortDirection->setGeometry(right, 142, 100, 26);
    setMinimumSize(right + 110, below + 40);
    connect(m_sortKey, &QComboBox::activated, this, [this](int i) {
        m_ctx.options().write(opt::AccountSortKind, QString::number(i));
        refresh(m_day);
    });
    connect(m_sortDirection, &QComboBox::activated, this, [this](int i) {
        m_ctx.options().write(opt::AccountSortOrder, QString::number(i));
        refresh(m_day);
    });
}

void AccountTilesPage::loadSortChoices()
{
    const Options o = m_ctx.options();
    m_sortKey->setCurrentIndex(std::clamp(o.read(opt::AccountSortKind).toInt(), 0, 2));
    m_sortDirection->setCurrentIndex(std::clamp(o.read(opt::AccountSortOrder).toInt(), 0, 1));
}

void AccountTilesPage::setTotal(const QString& text) { m_total->setText(text); }

void AccountTilesPage::refresh(const QDate& day)
{
    m_day = day;
    m_prevPage->setEnabled(false);
    m_nextPage->setEnabled(false);
    TilePage page;
    if (const SaveResult r = loadTilePage(m_ctx.dm.ADOQueryTemp, m_search.Condition, m_ctx.g.AccountBookFilter,
                                          accountOrder(m_sortKey->currentIndex(), m_sortDirection->currentIndex()), AccountPage,
                                          day, &page);
        !r.saved) {
        m_ctx.prompt().inform(r.message);
        return;
    }
    if (page.accountCount == 0) {
        for (AccountTile* t : m_tiles)
            t->hide();
        m_placeholder->show();
        return;
    }
    m_placeholder->hide();
    m_prevPage->setEnabled(page.previous);
    m_nextPage->setEnabled(page.next);
    for (int i = 0; i < m_tiles.size(); ++i) {
        if (i < page.tiles.size())
            m_tiles[i]->show(page.tiles[i], m_ctx.g.resourcePath(page.tiles[i].icon));
        else
            m_tiles[i]->hide();
    }
}

void AccountTilesPage::newAccount()
{
    m_account.AccountName.clear();
    if (m_account.exec() != QDialog::Accepted)
        return;
    const SaveResult r = createAccount(m_ctx.dm.ADOQueryTemp, m_account.Result);
    if (!r.message.isEmpty())
        m_ctx.prompt().inform(r.message);
    if (r.saved)
        emit m_ctx.dm.changes.moneyChanged();
}

void AccountTilesPage::searchAccounts()
{
    if (m_search.exec() == QDialog::Accepted)
        refresh(m_day);
}

void AccountTilesPage::printStatement(const QDate& day)
{
    if (m_chose.exec() != QDialog::Accepted)
        return;
    const QString names = accountNamesCondition(m_chose.chosenAccounts());
    QDate from(day.year(), day.month(), 1), to(day.year(), day.month(), day.daysInMonth());
    if (m_chose.dateBox()->isChecked()) {
        from = m_chose.fromEdit()->date();
        to = m_chose.toEdit()->date();
    }
    TFormProgress* progress = m_ctx.progress;
    if (progress) {
        progress->begin();
        progress->setPosition(25);
    }
    QList<StatementLine> lines;
    try {
        lines = computeStatement(m_print, names, m_ctx.g.AccountBookFilter, from, to);
        if (!lines.isEmpty()) {
            if (progress)
                progress->setPosition(75);
            writeStatement(m_print, lines);
            if (progress)
                progress->setPosition(100);
        }
    } catch (const Failure&) {
        m_print.close();
        if (progress)
            progress->end();
        m_ctx.prompt().inform(words::dbOpenFailed());
        return;
    }
    if (progress)
        progress->end();
    if (lines.isEmpty())
        return;
    printList(m_ctx, m_print, QStringLiteral("Frf/AccountMonth.frf"), QStringLiteral("帐户月结"),
              {{QStringLiteral("BeginDate"), from.toString(Qt::ISODate)}, {QStringLiteral("EndDate"), to.toString(Qt::ISODate)}});
}

bool AccountTilesPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::MouseMove)
        for (AccountTile* t : m_tiles)
            t->setHighlighted(false);
    return QWidget::eventFilter(watched, event);
}

}  // namespace velbrisk
