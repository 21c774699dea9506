#include "gui/finance/DayLedgerPage.h"

#include "core/config/Options.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/finance/Reports.h"
#include "gui/context/AppContext.h"
#include "gui/finance/GetPayForm.h"
#include "gui/finance/MoneyGrid.h"
#include "gui/report/ListPrint.h"
#include "gui/widgets/Buttons.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

DayLedgerPage::DayLedgerPage(AppContext& ctx, TFormGetPay& voucher, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_voucher(voucher), m_ledger(ctx.dm.ADOConnection1), m_previous(new QLabel(this)),
      m_closing(new QLabel(this)), m_income(new QLabel(this)), m_expense(new QLabel(this)),
      m_grid(new MoneyGrid(QString::fromUtf8(kLedgerWidthSection), this))
{
    auto* layout = new QVBoxLayout(this);
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
    strip->addWidget(makeButton(this, QStringLiteral("修改记录"), [this] { editRecord(); }), 0, 3, 2, 1);
    strip->addWidget(makeButton(this, QStringLiteral("打印记录"), [this] { print(); }), 0, 4, 2, 1);
    layout->addLayout(strip);
    layout->addWidget(m_grid, 1);
    m_grid->setQuery(&m_ledger);
    connect(m_grid, &DataGrid::rowActivated, this, [this] { editRecord(); });
}

std::optional<DaySummary> DayLedgerPage::refresh(const QDate& day, bool bookTransfersInside)
{
    m_day = day;
    std::optional<DaySummary> s(std::in_place);
    if (const SaveResult r = daySummary(m_ctx.dm.ADOQueryTemp, m_ctx.g.AccountBookFilter, bookTransfersInside, day, &*s); !r.saved) {
        m_ctx.prompt().inform(r.message);
        return std::nullopt;
    }
    m_previous->setText(QStringLiteral("上日结余：") + FormatRounded(s->previous) + QStringLiteral(" 元"));
    m_closing->setText(QStringLiteral("本日结余：") + FormatRounded(s->closing) + QStringLiteral(" 元"));
    m_income->setText(dayCountText(s->incomeCount, s->income));
    m_expense->setText(dayCountText(s->expenseCount, s->expense));
    OpenQuery(m_ledger, ledgerSql(m_ctx.g.AccountBookFilter, day), words::dbOpenFailed());
    m_grid->rebuild(m_ctx.options());
    return s;
}

void DayLedgerPage::editRecord()
{
    const int index = m_grid->currentMoneyIndex();
    if (index == 0) {
        m_ctx.prompt().inform(QStringLiteral("请先选中要修改的记录"));
        return;
    }
    m_voucher.Mode = EditMode::Edit;
    m_voucher.Kind = m_ledger.str(QStringLiteral("MoneyKind"));
    m_voucher.EditIndex = index;
    m_voucher.LedgerDate = m_day;
    if (m_voucher.exec() == QDialog::Accepted)
        m_grid->showRecord(index);
}

void DayLedgerPage::print()
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
    QHash<QString, QString> vars;
    for (int i = 0; i < 4; ++i)
        vars.insert(QStringLiteral("PrintValue%1").arg(i + 1), texts[i]);
    vars.insert(QStringLiteral("LedgerDate"), m_day.toString(Qt::ISODate));
    printList(m_ctx, m_ledger, m_ctx.options().printPortrait() ? QStringLiteral("Frf/Daily.frf") : QStringLiteral("Frf/Daily2.frf"),
              QStringLiteral("日记帐簿"), vars);
}

}  // namespace velbrisk
