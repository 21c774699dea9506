#include "gui/finance/GetPay2Form.h"

#include "core/data/Clock.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/finance/Vouchers.h"
#include "gui/context/AppContext.h"
#include "gui/finance/FinanceActions.h"
#include "gui/finance/GetPayForm.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/ComboList.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/MomentPicker.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

TFormGetPay2::TFormGetPay2(AppContext& ctx, TFormGetPay& voucher, QWidget* parent)
    : EditDialog(ctx.prompt(), parent), m_ctx(ctx), m_voucher(voucher), m_vouchers(ctx.dm.ADOConnection1), m_banner(new QLabel(this)),
      m_date(new QDateEdit(this)), m_customer(new QComboBox(this)), m_amountLabel(new QLabel(this)),
      m_amount(new QLineEdit(this)), m_reason(new QComboBox(this)), m_man(new QComboBox(this)),
      m_remark(new QLineEdit(this)), m_figures{new QLabel(this), new QLabel(this), new QLabel(this)},
      m_grid(new DataGrid(this))
{
    setWindowTitle(QStringLiteral("应收应付管理"));
    setUpDatePicker(m_date);
    m_customer->setEditable(true);
    m_man->setEditable(true);
    setField(QStringLiteral("Amount"), m_amount);
    setField(QStringLiteral("Customer"), m_customer);
    m_banner->setFixedHeight(48);
    m_banner->setScaledContents(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_banner);
    auto* body = new QHBoxLayout;
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("录入时间"), this), 0, 0);
    g->addWidget(m_date, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("客户名称"), this), 1, 0);
    auto* customer = new QHBoxLayout;
    customer->addWidget(m_customer, 1);
    customer->addWidget(makeButton(this, QStringLiteral("保存客户"), [this] { saveCustomerOf(m_ctx, m_customer); }));
    g->addLayout(customer, 1, 1);
    g->addWidget(m_amountLabel, 2, 0);
    g->addWidget(m_amount, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("收支种类"), this), 3, 0);
    g->addWidget(m_reason, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("业 务 员"), this), 4, 0);
    g->addWidget(m_man, 4, 1);
    g->addWidget(new QLabel(QStringLiteral("备注信息"), this), 5, 0);
    g->addWidget(m_remark, 5, 1);
    body->addLayout(g, 1);
    auto* stats = new QGroupBox(QStringLiteral("统计信息"), this);
    auto* statsLayout = new QVBoxLayout(stats);
    for (QLabel* l : m_figures)
        statsLayout->addWidget(l);
    m_figures[1]->setStyleSheet(QStringLiteral("color: blue"));
    m_figures[2]->setStyleSheet(QStringLiteral("color: red"));
    statsLayout->addStretch();
    body->addWidget(stats);
    layout->addLayout(body);

    auto* box = new QGroupBox(QStringLiteral("财务单据"), this);
    auto* boxLayout = new QHBoxLayout(box);
    boxLayout->addWidget(m_grid, 1);
    auto* ops = new QVBoxLayout;
    ops->addWidget(makeButton(this, QStringLiteral("新增"), [this] { addVoucher(); }));
    ops->addWidget(makeButton(this, QStringLiteral("修改"), [this] { editVoucher(); }));
    ops->addWidget(makeButton(this, QStringLiteral("删除"), [this] { deleteVoucher(); }));
    ops->addStretch();
    boxLayout->addLayout(ops);
    layout->addWidget(box, 1);
    layout->addLayout(buttonRow([this] { ActionYesExecute(); }));

    m_grid->setColumns({{QStringLiteral("MoneyCreateTime"), QStringLiteral("开单时间"), 90},
                        {QStringLiteral("MoneySerial"), QStringLiteral("单据编号"), 100},
                        {QStringLiteral("MoneyIn"), QStringLiteral("收入"), 70},
                        {QStringLiteral("MoneyOut"), QStringLiteral("支出"), 70},
                        {QStringLiteral("MoneySum"), QStringLiteral("合计"), 70}});
    m_grid->setQuery(&m_vouchers);
    connect(m_grid, &DataGrid::rowActivated, this, [this] { editVoucher(); });
    resize(560, 480);
}

QStringList TFormGetPay2::figureTexts() const
{
    return {m_figures[0]->text(), m_figures[1]->text(), m_figures[2]->text()};
}

void TFormGetPay2::prepare()
{
    Changed = false;
    const bool receivable = Kind == words::receivable();
    m_bannerFile = QStringLiteral("Res/%1%2.bmp")
                       .arg(isNew() ? QStringLiteral("New") : QStringLiteral("Edit"),
                            receivable ? QStringLiteral("Get2") : QStringLiteral("Pay2"));
    m_banner->setPixmap(QPixmap(m_ctx.g.resourcePath(m_bannerFile)));
    m_amountLabel->setText(receivable ? QStringLiteral("应收金额") : QStringLiteral("应付金额"));

    loadGetPayWords(m_ctx, Kind, m_customer, m_reason, m_man);
    Query& q = m_ctx.dm.ADOQueryTemp;
    m_settled = 0;
    if (!isNew()) {
        if (!openEditedRow(q, QStringLiteral("Select * From GetPay Where GetPayIndex = ") + QString::number(EditIndex),
                           QStringLiteral("记录读入失败")))
            return;
        m_date->setDate(q.dateTime(QStringLiteral("GetPayTime")).date());
        m_customer->setCurrentText(q.str(QStringLiteral("GetPayUser")));
        m_amount->setText(QString::number(q.num(QStringLiteral("GetPaySum")), 'g', 15));
        SelectComboItem(m_reason, q.str(QStringLiteral("GetPayReason")));
        m_remark->setText(q.str(QStringLiteral("GetPayRemark")));
        m_man->setCurrentText(q.str(QStringLiteral("GetPayMan")));
        q.close();
    } else {
        m_date->setDate(LedgerDate.isValid() ? LedgerDate : Clock::today());
        m_customer->setCurrentText(QString());
        m_remark->clear();
        m_man->setCurrentText(QString());
        m_amount->setText(QStringLiteral("0"));
        EditIndex = 1;
    }
    refresh();
    m_date->setFocus();
}

void TFormGetPay2::refresh()
{
    const bool receivable = Kind == words::receivable();
    GetPayFigures f;
    if (const SaveResult r = getPayFigures(m_ctx.dm.ADOQueryTemp, EditIndex, &f); !r.saved)
        m_ctx.prompt().inform(r.message);
    m_settled = f.settled;
    const QString k = receivable ? QStringLiteral("收") : QStringLiteral("付");
    m_figures[0]->setText(QStringLiteral("应") + k + QStringLiteral("：") + FormatRounded(f.sum));
    m_figures[1]->setText(QStringLiteral("已") + k + QStringLiteral("：") + FormatRounded(f.settled));
    m_figures[2]->setText(QStringLiteral("未") + k + QStringLiteral("：") + FormatRounded(f.open));
    OpenQuery(m_vouchers, linkedVouchersSql(EditIndex), words::dbOpenFailed());
    m_grid->reload();
}

GetPayInput TFormGetPay2::input() const
{
    return {m_date->date(), m_customer->currentText(), m_amount->text(), m_reason->currentText(), m_remark->text(),
            m_man->currentText()};
}

void TFormGetPay2::ActionYesExecute()
{
    Query& q = m_ctx.dm.ADOQueryTemp;
    SaveResult r;
    if (isNew() && EditIndex <= 1) {
        int index = 0;
        r = insertGetPay(q, Kind, input(), m_settled, &index);
        if (r.saved)
            EditIndex = index;
    } else {
        r = updateGetPay(q, EditIndex, input(), m_settled, isNew());
    }
    if (r.saved) {
        Changed = true;
        // Saved: nothing to take back any more.
        Mode = EditMode::Edit;
        m_ctx.prompt().inform(r.message);
        emit m_ctx.dm.changes.moneyChanged();
        accept();
        return;
    }
    finish(r);
}

void TFormGetPay2::addVoucher()
{
    if (EditIndex <= 1) {
        // The record is written first, so that the voucher has one to settle.
        int index = 0;
        const SaveResult r = insertGetPay(m_ctx.dm.ADOQueryTemp, Kind, input(), 0, &index);
        if (!r.saved) {
            finish(r);
            return;
        }
        EditIndex = index;
    }
    m_voucher.Mode = EditMode::New;
    m_voucher.Kind = Kind == words::receivable() ? words::moneyIn() : words::moneyOut();
    m_voucher.LinkedGetPay = EditIndex;
    m_voucher.LedgerDate = LedgerDate;
    m_voucher.PresetUser = m_customer->currentText();
    m_voucher.PresetReason = m_reason->currentText();
    m_voucher.PresetMan = m_man->currentText();
    m_voucher.PresetSum.clear();
    m_voucher.PresetRemark.clear();
    if (m_voucher.exec() == QDialog::Accepted) {
        refresh();
        Changed = true;
    }
}

void TFormGetPay2::editVoucher()
{
    if (!m_vouchers.isOpen() || !m_grid->moveQueryToCurrent() || m_vouchers.isNull(QStringLiteral("MoneyIndex")))
        return;
    m_voucher.Mode = EditMode::Edit;
    m_voucher.EditIndex = int(m_vouchers.integer(QStringLiteral("MoneyIndex")));
    m_voucher.Kind = m_vouchers.str(QStringLiteral("MoneyKind"));
    if (m_voucher.exec() == QDialog::Accepted) {
        refresh();
        Changed = true;
    }
}

void TFormGetPay2::deleteVoucher()
{
    if (!m_vouchers.isOpen() || !m_grid->moveQueryToCurrent() || m_vouchers.isNull(QStringLiteral("MoneyIndex")))
        return;
    if (askDeleteVoucher(m_ctx, int(m_vouchers.integer(QStringLiteral("MoneyIndex"))))) {
        refresh();
        Changed = true;
    }
}

void TFormGetPay2::done(int result)
{
    if (result == QDialog::Rejected && isNew() && EditIndex > 1) {
        bool vouchersDeleted = false;
        if (const SaveResult r = rollBackGetPay(m_ctx.dm.ADOQueryTemp, EditIndex, &vouchersDeleted);
            !r.saved && !r.message.isEmpty())
            m_ctx.prompt().inform(r.message);
        EditIndex = 1;
        if (vouchersDeleted)
            emit m_ctx.dm.changes.moneyChanged();
    }
    EditDialog::done(result);
}

}  // namespace velbrisk
