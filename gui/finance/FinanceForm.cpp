#include "gui/finance/FinanceForm.h"

#include "core/config/Options.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/finance/Accounts.h"
#include "gui/context/AppContext.h"
#include "gui/finance/Account2Form.h"
#include "gui/finance/AccountChoseForm.h"
#include "gui/finance/AccountForm.h"
#include "gui/finance/AccountSearchForm.h"
#include "gui/finance/AccountTile.h"
#include "gui/finance/CakeForm.h"
#include "gui/finance/ChoseForm.h"
#include "gui/finance/DrawForm.h"
#include "gui/finance/GetPayForm.h"
#include "gui/finance/GetPayList.h"
#include "gui/finance/MakeReportForm.h"
#include "gui/finance/MoneyGrid.h"
#include "gui/report/ListPrint.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/GridExport.h"
#include "gui/widgets/MomentPicker.h"
#include "gui/widgets/ProgressForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace velbrisk {

namespace {
constexpr int kLeftWidth = 97;
}

TFormFinance::TFormFinance(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_ledger(ctx.dm.ADOConnection1), m_report(ctx.dm.ADOConnection1), m_print(ctx.dm.ADOConnection1),
      m_left(new QWidget(this)), m_bar(new QToolButton(this)), m_bookPicture(new QLabel(m_left)),
      m_date(new QDateEdit(QDate::currentDate(), m_left)), m_tabs(new QTabWidget(this)), m_tilePage(new QWidget),
      m_placeholder(new QLabel(m_tilePage)), m_total(new QLabel(QStringLiteral("总金额：0 元"), m_tilePage)),
      m_prevPage(nullptr), m_nextPage(nullptr), m_sortKey(new QComboBox(m_tilePage)),
      m_sortDirection(new QComboBox(m_tilePage)), m_previous(new QLabel(this)), m_closing(new QLabel(this)),
      m_income(new QLabel(this)), m_expense(new QLabel(this)),
      m_ledgerGrid(new MoneyGrid(QString::fromUtf8(kLedgerWidthSection), this)),
      m_reportGrid(new MoneyGrid(QString::fromUtf8(kReportWidthSection), this)), m_reportSort(new QComboBox(this))
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

    // ---- "帐户状况"
    m_tilePage->setMouseTracking(true);
    m_tilePage->installEventFilter(this);
    m_placeholder->setGeometry(8, 8, 680, 420);
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setPixmap(picture(QStringLiteral("Res/NoAccount.bmp")));
    m_placeholder->hide();
    for (int i = 0; i < AccountPageSize; ++i) {
        auto* tile = new AccountTile(m_tilePage);
        tile->move((i % 3) * 229 + 8, (i / 3) * 86 + 8);
        tile->hide();
        connect(tile, &AccountTile::hovered, this, [this](AccountTile* t) {
            for (AccountTile* other : m_tiles)
                other->setHighlighted(other == t);
        });
        connect(tile, &AccountTile::clicked, this, [this](AccountTile* t) { openTile(t->nameText(), t->balanceText()); });
        m_tiles << tile;
    }
    const int below = 5 * 86 + 12;
    m_total->setGeometry(8, below + 4, 220, 24);
    m_prevPage = makeButton(m_tilePage, QStringLiteral("上一页"), [this] {
        --AccountPage;
        RefreshAccountTiles();
    });
    auto* add = makeButton(m_tilePage, QStringLiteral("新增帐户"), [this] { newAccount(); });
    m_nextPage = makeButton(m_tilePage, QStringLiteral("下一页"), [this] {
        ++AccountPage;
        RefreshAccountTiles();
    });
    m_prevPage->setGeometry(240, below, 90, 30);
    add->setGeometry(340, below, 90, 30);
    m_nextPage->setGeometry(440, below, 90, 30);
    const int right = 3 * 229 + 16;
    makeButton(m_tilePage, QStringLiteral("帐户搜索"), [this] { searchAccounts(); })->setGeometry(right, 8, 100, 30);
    makeButton(m_tilePage, QStringLiteral("帐户月结"), [this] { PrintTable(); })->setGeometry(right, 44, 100, 30);
    (new QLabel(QStringLiteral("帐户排序"), m_tilePage))->setGeometry(right, 90, 100, 20);
    m_sortKey->addItems({QStringLiteral("按编号"), QStringLiteral("按类型"), QStringLiteral("按名称")});
    m_sortDirection->addItems({QStringLiteral("按升序"), QStringLiteral("按降序")});
    m_sortKey->setGeometry(right, 112, 100, 26);
    m_sortDirection->setGeometry(right, 142, 100, 26);
    m_tilePage->setMinimumSize(right + 110, below + 40);
    connect(m_sortKey, &QComboBox::activated, this, [this](int i) {
        m_ctx.options().write(opt::AccountSortKind, QString::number(i));
        RefreshAccountTiles();
    });
    connect(m_sortDirection, &QComboBox::activated, this, [this](int i) {
        m_ctx.options().write(opt::AccountSortOrder, QString::number(i));
        RefreshAccountTiles();
    });
    m_tabs->addTab(m_tilePage, QStringLiteral("帐户状况"));

    // ---- "日记帐簿"
    auto* ledgerPage = new QWidget;
    auto* ledger = new QVBoxLayout(ledgerPage);
    auto* strip = new QGridLayout;
    m_previous->setStyleSheet(QStringLiteral("color: grey"));
    m_income->setStyleSheet(QStringLiteral("color: blue"));
    m_expense->setStyleSheet(QStringLiteral("color: red"));
    strip->addWidget(m_previous, 0, 0);
    strip->addWidget(m_closing, 1, 0);
    strip->addWidget(new QLabel(QStringLiteral("本日收入："), this), 0, 1);
    strip->addWidget(m_income, 0, 2);
    strip->addWidget(new QLabel(QStringLiteral("本日支出："), this), 1, 1);
    strip->addWidget(m_expense, 1, 2);
    strip->setColumnStretch(2, 1);
    strip->addWidget(makeButton(this, QStringLiteral("修改记录"), [this] { editLedgerRecord(); }), 0, 3, 2, 1);
    strip->addWidget(makeButton(this, QStringLiteral("打印记录"), [this] { PrintLedger(); }), 0, 4, 2, 1);
    ledger->addLayout(strip);
    ledger->addWidget(m_ledgerGrid, 1);
    m_ledgerGrid->setQuery(&m_ledger);
    connect(m_ledgerGrid, &DataGrid::rowActivated, this, [this] { editLedgerRecord(); });
    m_tabs->addTab(ledgerPage, QStringLiteral("日记帐簿"));

    // ---- "应收应付"
    auto* getPayPage = new QWidget;
    auto* getPay = new QVBoxLayout(getPayPage);
    getPay->setContentsMargins(0, 0, 0, 0);
    m_receivables = new GetPayList(m_ctx, words::receivable(), getPayPage);
    m_payables = new GetPayList(m_ctx, words::payable(), getPayPage);
    getPay->addWidget(m_receivables, 1);
    getPay->addWidget(m_payables, 1);
    m_tabs->addTab(getPayPage, QStringLiteral("应收应付"));

    // ---- "报表中心"
    auto* reportPage = new QWidget;
    auto* report = new QVBoxLayout(reportPage);
    auto* top = new QHBoxLayout;
    top->addWidget(makeButton(this, QStringLiteral("报表分析"), [this] { analyse(); }));
    top->addWidget(makeButton(this, QStringLiteral("导出EXCEL"), [this] {
        ExportGridToExcel(*m_reportGrid, m_ctx.g.AppDir, m_ctx.platform, m_ctx.form<TFormProgress>());
    }));
    top->addWidget(makeButton(this, QStringLiteral("财务日结"), [this] { PrintDay(); }));
    top->addWidget(makeButton(this, QStringLiteral("生成报表"), [this] { searchMoney(); }));
    top->addWidget(makeButton(this, QStringLiteral("打印报表"), [this] { PrintReportGrid(); }));
    top->addStretch();
    top->addWidget(new QLabel(QStringLiteral("排序方式"), this));
    m_reportSort->addItems({QStringLiteral("按时间排"), QStringLiteral("按帐户排"), QStringLiteral("按金额排"),
                            QStringLiteral("按编号排"), QStringLiteral("按客户排"), QStringLiteral("按业务员")});
    top->addWidget(m_reportSort);
    report->addLayout(top);
    report->addWidget(m_reportGrid, 1);
    m_reportGrid->setQuery(&m_report);
    connect(m_reportSort, &QComboBox::activated, this, [this] { RefreshReportGrid(); });
    connect(m_reportGrid, &DataGrid::rowActivated, this, [this] { editReportRecord(); });
    m_tabs->addTab(reportPage, QStringLiteral("报表中心"));

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
        m_receivables->viewButton(GetPayView::Records)->setChecked(true);
        m_payables->viewButton(GetPayView::Records)->setChecked(true);
        if (auto* chose = m_ctx.form<TFormChose>())
            chose->exec();
        const Options o = m_ctx.options();
        m_sortKey->setCurrentIndex(std::clamp(o.read(opt::AccountSortKind).toInt(), 0, 2));
        m_sortDirection->setCurrentIndex(std::clamp(o.read(opt::AccountSortOrder).toInt(), 0, 1));
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
    AccountPage = 0;
    loadBook();
    RefreshAccountTiles();
    RefreshLedger();
    if (m_reportOpen)
        RefreshReportGrid();
    RefreshGetPayLists();
}

void TFormFinance::RefreshGetPayLists()
{
    m_receivables->reload();
    m_payables->reload();
}

void TFormFinance::RefreshAccountTiles()
{
    m_prevPage->setEnabled(false);
    m_nextPage->setEnabled(false);
    auto* search = m_ctx.form<TFormAccountSearch>();
    const TilePage page = loadTilePage(m_ctx.dm.ADOQueryTemp, search ? search->Condition : QString(), m_ctx.g.AccountBookFilter,
                                       accountOrder(m_sortKey->currentIndex(), m_sortDirection->currentIndex()),
                                       AccountPage, ledgerDate());
    if (!page.ok)
        return;
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

void TFormFinance::RefreshLedger()
{
    const QDate day = ledgerDate();
    const std::optional<DaySummary> s =
        daySummary(m_ctx.dm.ADOQueryTemp, m_ctx.g.AccountBookFilter, bookTransfersInside(m_book), day);
    if (!s)
        return;
    m_previous->setText(QStringLiteral("上日结余：") + FormatRounded(s->previous) + QStringLiteral(" 元"));
    m_closing->setText(QStringLiteral("本日结余：") + FormatRounded(s->closing) + QStringLiteral(" 元"));
    m_total->setText(QStringLiteral("总金额：") + FormatRounded(s->closing) + QStringLiteral(" 元"));
    m_income->setText(dayCountText(s->incomeCount, s->income));
    m_expense->setText(dayCountText(s->expenseCount, s->expense));
    OpenQuery(m_ledger, ledgerSql(m_ctx.g.AccountBookFilter, day), words::dbOpenFailed());
    m_ledgerGrid->rebuild(m_ctx.options());
}

void TFormFinance::RefreshReportGrid()
{
    m_reportOpen = OpenQuery(m_report, reportSql(m_ctx.g.AccountBookFilter, Search.MoneyCondition, m_reportSort->currentIndex()),
                             words::dbOpenFailed());
    m_reportGrid->rebuild(m_ctx.options());
}

bool TFormFinance::reportGridOpen() const { return m_reportOpen; }

void TFormFinance::chooseBook()
{
    auto* chose = m_ctx.form<TFormChose>();
    if (chose && chose->exec() == QDialog::Accepted)
        RefreshFinance();
}

void TFormFinance::newAccount()
{
    auto* account = m_ctx.form<TFormAccount>();
    if (!account)
        return;
    account->AccountName.clear();
    if (account->exec() != QDialog::Accepted)
        return;
    const SaveResult r = createAccount(m_ctx.dm.ADOQueryTemp, account->Result);
    if (!r.message.isEmpty())
        m_ctx.prompt().inform(r.message);
    if (r.saved)
        RefreshFinance();
}

void TFormFinance::newVoucher(const QString& kind)
{
    auto* voucher = m_ctx.form<TFormGetPay>();
    if (!voucher)
        return;
    voucher->PresetUser.clear();
    voucher->PresetSum.clear();
    voucher->PresetRemark.clear();
    voucher->Mode = EditMode::New;
    voucher->Kind = kind;
    voucher->exec();
}

void TFormFinance::transfer()
{
    if (m_ctx.options().read(opt::AccountType) == QLatin1String("7")) {
        m_ctx.prompt().inform(QStringLiteral("为免出现平调错误，在“所有帐户”状态下不提供平调功能！"));
        return;
    }
    if (auto* draw = m_ctx.form<TFormDraw>())
        draw->exec();
}

void TFormFinance::editLedgerRecord()
{
    const int index = m_ledgerGrid->currentMoneyIndex();
    if (index == 0) {
        m_ctx.prompt().inform(QStringLiteral("请先选中要修改的记录"));
        return;
    }
    auto* voucher = m_ctx.form<TFormGetPay>();
    if (!voucher)
        return;
    voucher->Mode = EditMode::Edit;
    voucher->Kind = m_ledger.str(QStringLiteral("MoneyKind"));
    voucher->EditIndex = index;
    if (voucher->exec() == QDialog::Accepted)
        m_ledgerGrid->showRecord(index);
}

void TFormFinance::editReportRecord()
{
    const int index = m_reportOpen ? m_reportGrid->currentMoneyIndex() : 0;
    if (index == 0) {
        m_ctx.prompt().inform(words::selectToEdit());
        return;
    }
    auto* voucher = m_ctx.form<TFormGetPay>();
    if (!voucher)
        return;
    voucher->Mode = EditMode::Edit;
    voucher->Kind = m_report.str(QStringLiteral("MoneyKind"));
    voucher->EditIndex = index;
    if (voucher->exec() == QDialog::Accepted) {
        RefreshReportGrid();
        m_reportGrid->showRecord(index);
    }
}

void TFormFinance::toggleLeftPanel()
{
    const bool hidden = m_left->isHidden();
    m_left->setVisible(hidden);
    m_bar->setIcon(QIcon(picture(hidden ? QStringLiteral("Res/LeftBar.bmp") : QStringLiteral("Res/RightBar.bmp"))));
}

void TFormFinance::showReportCentre() { m_tabs->setCurrentIndex(3); }

void TFormFinance::openTile(const QString& name, const QString& balance)
{
    if (auto* detail = m_ctx.form<TFormAccount2>()) {
        detail->AccountName = name;
        detail->BalanceText = balance;
        detail->exec();
    }
}

void TFormFinance::searchAccounts()
{
    auto* search = m_ctx.form<TFormAccountSearch>();
    if (search && search->exec() == QDialog::Accepted)
        RefreshAccountTiles();
}

void TFormFinance::searchMoney()
{
    auto* search = m_ctx.form<TFormMakeReport>();
    if (!search || search->exec() != QDialog::Accepted)
        return;
    Search = search->Result;
    RefreshReportGrid();
}

void TFormFinance::analyse()
{
    if (auto* cake = m_ctx.form<TFormCake>()) {
        cake->Condition = Search.MoneyCondition;
        cake->exec();
    }
}

void TFormFinance::PrintTable()
{
    auto* chose = m_ctx.form<TFormAccountChose>();
    if (!chose || chose->exec() != QDialog::Accepted)
        return;
    const QString names = accountNamesCondition(chose->chosenAccounts());
    const QDate day = ledgerDate();
    QDate from(day.year(), day.month(), 1), to(day.year(), day.month(), day.daysInMonth());
    if (chose->dateBox()->isChecked()) {
        from = chose->fromEdit()->date();
        to = chose->toEdit()->date();
    }
    auto* progress = m_ctx.form<TFormProgress>();
    if (progress) {
        progress->begin();
        progress->setPosition(25);
    }
    try {
        const QList<StatementLine> lines = computeStatement(m_print, names, m_ctx.g.AccountBookFilter, from, to);
        if (!lines.isEmpty()) {
            if (progress)
                progress->setPosition(75);
            writeStatement(m_print, lines);
            if (progress)
                progress->setPosition(100);
        }
        if (progress)
            progress->end();
        if (lines.isEmpty())
            return;
    } catch (const Failure&) {
        m_print.close();
        if (progress)
            progress->end();
        m_ctx.prompt().inform(words::dbOpenFailed());
        return;
    }
    printList(m_ctx, m_print, QStringLiteral("Frf/AccountMonth.frf"), QStringLiteral("帐户月结"),
            {{QStringLiteral("BeginDate"), from.toString(Qt::ISODate)}, {QStringLiteral("EndDate"), to.toString(Qt::ISODate)}});
}

void TFormFinance::PrintDay()
{
    bool days = false;
    try {
        const QList<SummaryLine> lines = computeSummary(m_print, Search, m_ctx.g.AccountBookFilter, &days);
        if (!days)
            return;
        writeSummary(m_print, lines);
    } catch (const Failure&) {
        m_print.close();
        m_ctx.prompt().inform(words::dbOpenFailed());
        return;
    }
    printList(m_ctx, m_print, QStringLiteral("Frf/MonthCount.frf"), QStringLiteral("财务日结"), {});
}

void TFormFinance::PrintLedger()
{
    if (!m_ledger.isOpen())
        return;
    const QStringList texts{m_previous->text(), m_closing->text(), QStringLiteral("本日收入：") + m_income->text(),
                            QStringLiteral("本日支出：") + m_expense->text()};
    try {
        writeLedgerHeadings(m_ctx.dm.ADOQueryTemp, texts);
    } catch (const Failure&) {
        m_ctx.prompt().inform(words::dbOpenFailed());
        return;
    }
    const bool portrait = m_ctx.options().read(opt::PrintType) == QStringLiteral("纵向打印");
    QHash<QString, QString> vars;
    for (int i = 0; i < 4; ++i)
        vars.insert(QStringLiteral("PrintValue%1").arg(i + 1), texts[i]);
    vars.insert(QStringLiteral("LedgerDate"), ledgerDate().toString(Qt::ISODate));
    printList(m_ctx, m_ledger, portrait ? QStringLiteral("Frf/Daily.frf") : QStringLiteral("Frf/Daily2.frf"), QStringLiteral("日记帐簿"), vars);
}

void TFormFinance::PrintReportGrid()
{
    if (!m_reportOpen)
        return;
    const bool portrait = m_ctx.options().read(opt::PrintType) == QStringLiteral("纵向打印");
    printList(m_ctx, m_report, portrait ? QStringLiteral("Frf/Report.frf") : QStringLiteral("Frf/Report2.frf"), QStringLiteral("报表中心"), {});
}

bool TFormFinance::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_bookPicture && event->type() == QEvent::MouseButtonRelease) {
        chooseBook();
        return true;
    }
    if (watched == m_tilePage && event->type() == QEvent::MouseMove) {
        for (AccountTile* t : m_tiles)
            t->setHighlighted(false);
    }
    return QDialog::eventFilter(watched, event);
}

void moneyWritten(AppContext& ctx)
{
    if (auto* finance = ctx.form<TFormFinance>())
        finance->RefreshFinance();
    emit ctx.dm.changes.moneyChanged();
}

}  // namespace velbrisk
