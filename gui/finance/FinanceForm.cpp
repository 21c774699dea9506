#include "gui/finance/FinanceForm.h"

#include "core/config/Options.h"
#include "core/data/Clock.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/finance/Accounts.h"
#include "core/finance/Ledger.h"
#include "gui/context/AppContext.h"
#include "gui/finance/Account2Form.h"
#include "gui/finance/AccountTilesPage.h"
#include "gui/finance/ChoseForm.h"
#include "gui/finance/DayLedgerPage.h"
#include "gui/finance/DrawForm.h"
#include "gui/finance/GetPayForm.h"
#include "gui/finance/GetPayList.h"
#include "gui/finance/GetPayPage.h"
#include "gui/finance/MoneyGrid.h"
#include "gui/finance/ReportCentrePage.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/MomentPicker.h"

#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace velbrisk {

namespace {
constexpr int kLeftWidth = 97;
}

TFormFinance::TFormFinance(AppContext& ctx, const FinanceWindows& windows, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_windows(windows), m_left(new QWidget(this)), m_bar(new QToolButton(this)),
      m_bookPicture(new QLabel(m_left)), m_date(new QDateEdit(Clock::today(), m_left)), m_tabs(new QTabWidget(this)),
      m_tilePage(new AccountTilesPage(ctx, windows.account, windows.accountSearch, windows.accountChoice)),
      m_ledgerPage(new DayLedgerPage(ctx, windows.voucher)),
      m_getPayPage(new GetPayPage(ctx, windows.record, windows.recordFilter)),
      m_reportPage(new ReportCentrePage(ctx, windows.voucher, windows.moneySearch, windows.analysis))
{
    setWindowTitle(QStringLiteral("财务管理"));

    // ---- left panel
    m_left->setFixedWidth(kLeftWidth);
    auto* left = new QVBoxLayout(m_left);
    left->setContentsMargins(4, 4, 4, 4);
    left->addWidget(new QLabel(QStringLiteral("帐簿范围"), m_left));
    m_bookPicture->setFixedSize(85, 70);
    m_bookPicture->setScaledContents(true);
    m_bookPicture->setCursor(Qt::PointingHandCursor);
    m_bookPicture->setToolTip(QStringLiteral("点击选择帐簿"));
    m_bookPicture->installEventFilter(this);
    left->addWidget(m_bookPicture);
    left->addWidget(new QLabel(QStringLiteral("当前日期"), m_left));
    setUpDatePicker(m_date);
    QFont small = m_date->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_date->setFont(small);
    left->addWidget(m_date);
    auto* days = new QHBoxLayout;
    auto* back = makeButton(m_left, QStringLiteral("◀"), [this] { setLedgerDate(ledgerDate().addDays(-1)); });
    auto* forward = makeButton(m_left, QStringLiteral("▶"), [this] { setLedgerDate(ledgerDate().addDays(1)); });
    back->setToolTip(QStringLiteral("前一天"));
    forward->setToolTip(QStringLiteral("后一天"));
    days->addWidget(back);
    days->addWidget(forward);
    left->addLayout(days);
    left->addWidget(new QLabel(QStringLiteral("录入操作"), m_left));
    left->addWidget(makeButton(m_left, QStringLiteral("收入"), [this] { newVoucher(words::moneyIn()); }));
    left->addWidget(makeButton(m_left, QStringLiteral("支出"), [this] { newVoucher(words::moneyOut()); }));
    left->addWidget(makeButton(m_left, QStringLiteral("平调"), [this] { transfer(); }));
    left->addStretch();
    left->addWidget(makeButton(m_left, QStringLiteral("退出"), [this] { reject(); }));
    connect(m_date, &QDateEdit::dateChanged, this, [this] { RefreshFinance(); });

    m_bar->setFixedWidth(16);
    m_bar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_bar->setToolTip(QStringLiteral("点击打开隐藏功能"));
    m_bar->setIcon(QIcon(picture(QStringLiteral("Res/LeftBar.bmp"))));
    connect(m_bar, &QToolButton::clicked, this, [this] { toggleLeftPanel(); });

    m_tabs->addTab(m_tilePage, QStringLiteral("帐户状况"));
    m_tabs->addTab(m_ledgerPage, QStringLiteral("日记帐簿"));
    m_tabs->addTab(m_getPayPage, QStringLiteral("应收应付"));
    m_tabs->addTab(m_reportPage, QStringLiteral("报表中心"));
    connect(m_tilePage, &AccountTilesPage::accountClicked, this, &TFormFinance::openAccount);
    // Whatever window wrote money, accounts or receivables, this one shows it.
    connect(&m_ctx.dm.changes, &ChangeNotifier::moneyChanged, this, [this] {
        if (isVisible())
            RefreshFinance();
    });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(m_left);
    layout->addWidget(m_bar);
    layout->addWidget(m_tabs, 1);
    resize(960, 600);
}

TFormFinance::~TFormFinance() = default;

QPixmap TFormFinance::picture(const QString& file) const { return QPixmap(m_ctx.g.resourcePath(file)); }

int TFormFinance::exec()
{
    prepare();
    return QDialog::exec();
}

void TFormFinance::prepare()
{
    if (!m_shownBefore) {
        m_shownBefore = true;
        receivables()->viewButton(GetPayView::Records)->setChecked(true);
        payables()->viewButton(GetPayView::Records)->setChecked(true);
        m_windows.books.exec();
        m_tilePage->loadSortChoices();
    }
    RefreshFinance();
}

QDate TFormFinance::ledgerDate() const { return m_date->date(); }

void TFormFinance::setLedgerDate(const QDate& day)
{
    if (day == m_date->date())
        RefreshFinance();
    else
        m_date->setDate(day);  // its change refreshes
}

void TFormFinance::loadBook()
{
    m_book = m_ctx.options().read(opt::AccountType);
    if (const std::optional<AccountBook> book = accountBookOf(m_book)) {
        m_ctx.g.AccountBookFilter = book->filter;
        m_bookPictureFile = book->picture;
        m_bookPicture->setPixmap(picture(book->picture));
    }
}

void TFormFinance::RefreshFinance()
{
    const QDate day = ledgerDate();
    m_tilePage->AccountPage = 0;
    loadBook();
    m_tilePage->refresh(day);
    if (const std::optional<DaySummary> s = m_ledgerPage->refresh(day, bookTransfersInside(m_book)))
        m_tilePage->setTotal(QStringLiteral("总金额：") + FormatRounded(s->closing) + QStringLiteral(" 元"));
    m_reportPage->refresh();
    m_getPayPage->refresh(day);
}

void TFormFinance::RefreshReportGrid() { m_reportPage->refresh(); }

void TFormFinance::chooseBook()
{
    if (m_windows.books.exec() == QDialog::Accepted)
        RefreshFinance();
}

void TFormFinance::newVoucher(const QString& kind)
{
    TFormGetPay& voucher = m_windows.voucher;
    voucher.PresetUser.clear();
    voucher.PresetSum.clear();
    voucher.PresetRemark.clear();
    voucher.Mode = EditMode::New;
    voucher.Kind = kind;
    voucher.LedgerDate = ledgerDate();
    voucher.exec();
}

void TFormFinance::transfer()
{
    // No window offers this book; a value written by hand may.
    if (m_ctx.options().read(opt::AccountType) == QLatin1String(book::kNoTransfers)) {
        m_ctx.prompt().inform(QStringLiteral("为免出现平调错误，在“所有帐户”状态下不提供平调功能！"));
        return;
    }
    m_windows.transfer.LedgerDate = ledgerDate();
    m_windows.transfer.exec();
}

void TFormFinance::toggleLeftPanel()
{
    const bool hidden = m_left->isHidden();
    m_left->setVisible(hidden);
    m_bar->setIcon(QIcon(picture(hidden ? QStringLiteral("Res/LeftBar.bmp") : QStringLiteral("Res/RightBar.bmp"))));
}

void TFormFinance::openAccount(const QString& name, const QString& balance)
{
    TFormAccount2& detail = m_windows.accountDetail;
    detail.AccountName = name;
    detail.BalanceText = balance;
    detail.LedgerDate = ledgerDate();
    detail.exec();
    if (detail.RecordsAsked) {
        m_reportPage->show(*detail.RecordsAsked);
        m_tabs->setCurrentWidget(m_reportPage);
    }
}

QList<AccountTile*> TFormFinance::tiles() const { return m_tilePage->tiles(); }
QLabel* TFormFinance::placeholder() const { return m_tilePage->placeholder(); }
QLabel* TFormFinance::totalLabel() const { return m_tilePage->totalLabel(); }
QLabel* TFormFinance::previousLabel() const { return m_ledgerPage->previousLabel(); }
QLabel* TFormFinance::closingLabel() const { return m_ledgerPage->closingLabel(); }
QLabel* TFormFinance::incomeLabel() const { return m_ledgerPage->incomeLabel(); }
QLabel* TFormFinance::expenseLabel() const { return m_ledgerPage->expenseLabel(); }
MoneyGrid* TFormFinance::ledgerGrid() const { return m_ledgerPage->grid(); }
MoneyGrid* TFormFinance::reportGrid() const { return m_reportPage->grid(); }
QComboBox* TFormFinance::sortKeyCombo() const { return m_tilePage->sortKeyCombo(); }
QComboBox* TFormFinance::sortDirectionCombo() const { return m_tilePage->sortDirectionCombo(); }
QComboBox* TFormFinance::reportSortCombo() const { return m_reportPage->sortCombo(); }
GetPayList* TFormFinance::receivables() const { return m_getPayPage->receivables(); }
GetPayList* TFormFinance::payables() const { return m_getPayPage->payables(); }

bool TFormFinance::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_bookPicture && event->type() == QEvent::MouseButtonRelease) {
        chooseBook();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace velbrisk
