#include "gui/finance/GetPayForm.h"

#include "core/config/Options.h"
#include "core/data/Clock.h"
#include "core/data/JetSql.h"
#include "core/data/Numbering.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/WordLists.h"
#include "core/data/Words.h"
#include "gui/context/AppContext.h"
#include "gui/finance/FinanceActions.h"
#include "gui/finance/GetPay4Form.h"
#include "gui/report/ListPrint.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/ComboList.h"
#include "gui/widgets/MomentPicker.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace velbrisk {

TFormGetPay::TFormGetPay(AppContext& ctx, TFormGetPay4& match, QWidget* parent)
    : EditDialog(ctx.prompt(), parent), m_ctx(ctx), m_match(match), m_banner(new QLabel(this)), m_print(new QToolButton(this)),
      m_serial(new QLineEdit(this)), m_account(new QComboBox(this)), m_customer(new QComboBox(this)),
      m_date(new QDateEdit(this)), m_amount(new QLineEdit(this)), m_reason(new QComboBox(this)), m_man(new QComboBox(this)),
      m_type(new QComboBox(this)), m_token(new QComboBox(this)), m_remark(new QLineEdit(this)), m_save(nullptr),
      m_delete(nullptr), m_batch(nullptr)
{
    m_customer->setEditable(true);
    m_man->setEditable(true);
    setUpDatePicker(m_date);
    m_amount->setAlignment(Qt::AlignRight);
    setField(QStringLiteral("Account"), m_account);
    setField(QStringLiteral("Reason"), m_reason);
    setField(QStringLiteral("Amount"), m_amount);
    setField(QStringLiteral("Type"), m_type);
    setField(QStringLiteral("Token"), m_token);
    setField(QStringLiteral("Customer"), m_customer);

    m_banner->setFixedHeight(48);
    m_banner->setScaledContents(true);
    m_print->setIcon(QIcon(m_ctx.g.resourcePath(QStringLiteral("Res/Printer.bmp"))));
    m_print->setIconSize(QSize(32, 32));
    m_print->setToolTip(QStringLiteral("打印单据"));
    connect(m_print, &QToolButton::clicked, this, [this] { ActionPrintExecute(); });

    auto* g = new QGridLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(m_banner, 1);
    top->addWidget(m_print);
    g->addLayout(top, 0, 0, 1, 4);
    auto label = [&](const char* text, int row, int col) {
        g->addWidget(new QLabel(QString::fromUtf8(text), this), row, col);
    };
    label("单据编号", 1, 0);
    g->addWidget(m_serial, 1, 1);
    label("帐户名称", 1, 2);
    g->addWidget(m_account, 1, 3);
    label("客户名称", 2, 0);
    auto* customer = new QHBoxLayout;
    customer->addWidget(m_customer, 1);
    customer->addWidget(makeButton(this, QStringLiteral("保存客户"), [this] { ActionSaveCustomerExecute(); }));
    g->addLayout(customer, 2, 1);
    label("录入时间", 2, 2);
    g->addWidget(m_date, 2, 3);
    label("金额", 3, 0);
    g->addWidget(m_amount, 3, 1);
    label("收支种类", 3, 2);
    g->addWidget(m_reason, 3, 3);
    label("业务员", 4, 0);
    g->addWidget(m_man, 4, 1);
    label("款项类别", 4, 2);
    g->addWidget(m_type, 4, 3);
    label("凭证", 5, 0);
    g->addWidget(m_token, 5, 1);
    label("备注", 6, 0);
    g->addWidget(m_remark, 6, 1, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_save = makeButton(this, QStringLiteral("确定"), [this] { ActionYesExecute(); });
    buttons->addWidget(m_save);
    buttons->addWidget(makeButton(this, QStringLiteral("取消"), [this] { reject(); }));
    m_delete = makeButton(this, QStringLiteral("删除"), [this] { ActionDeleteExecute(); });
    m_batch = makeButton(this, QStringLiteral("保存单据\n继续新增"), [this] { ActionBatchExecute(); });
    buttons->addWidget(m_delete);
    buttons->addWidget(m_batch);
    g->addLayout(buttons, 7, 0, 1, 4);
    setMinimumWidth(560);
}

QDate TFormGetPay::ledgerDate() const { return LedgerDate.isValid() ? LedgerDate : Clock::today(); }

void TFormGetPay::prepare()
{
    const bool income = Kind == words::moneyIn();
    const bool isNewVoucher = isNew();
    m_bannerFile = QStringLiteral("Res/%1%2.bmp")
                       .arg(isNewVoucher ? QStringLiteral("New") : QStringLiteral("Edit"),
                            income ? QStringLiteral("Get") : QStringLiteral("Pay"));
    m_banner->setPixmap(QPixmap(m_ctx.g.resourcePath(m_bannerFile)));

    Query& q = m_ctx.dm.ADOQueryTemp;
    if (!FixedAccount.isEmpty()) {
        m_account->clear();
        m_account->addItem(FixedAccount);
        m_account->setCurrentIndex(0);
        m_account->setEnabled(false);
        FixedAccount.clear();
    } else {
        m_account->setEnabled(true);
        LoadCombo(m_account, q, QStringLiteral("Select * From Account Where (AccountIndex > 1)") + m_ctx.g.AccountBookFilter,
                  false, QStringLiteral("AccountName"));
    }
    LoadWordList(m_reason, q, kindsFor(Kind != words::moneyOut()));
    LoadWordList(m_type, q, WordList::PaymentTypes);
    LoadWordList(m_token, q, WordList::Vouchers);
    LoadWordList(m_customer, q, WordList::Customers);
    LoadWordList(m_man, q, WordList::Salesmen);

    if (!isNewVoucher) {
        if (!openEditedRow(q,
                           QStringLiteral("Select * From Account,MoneyTable Where (AccountIndex = MoneyAccount) And (MoneyIndex = ")
                               + QString::number(EditIndex) + QStringLiteral(")"),
                           QStringLiteral("帐款读入失败")))
            return;
        LinkedGetPay = int(q.integer(QStringLiteral("MoneyGetPay")));
        m_storedSerial = q.str(QStringLiteral("MoneySerial"));
        m_serial->setText(m_storedSerial);
        SelectComboItem(m_account, q.str(QStringLiteral("AccountName")));
        m_customer->setCurrentText(q.str(QStringLiteral("MoneyUser")));
        m_date->setDate(q.dateTime(QStringLiteral("MoneyCreateTime")).date());
        m_amount->setText(FormatRounded(std::abs(q.num(QStringLiteral("MoneySum")))));
        SelectComboItem(m_reason, q.str(QStringLiteral("MoneyReason")));
        m_man->setCurrentText(q.str(QStringLiteral("MoneyMan")));
        SelectComboItem(m_type, q.str(QStringLiteral("MoneyType")));
        SelectComboItem(m_token, q.str(QStringLiteral("MoneyToken")));
        m_remark->setText(q.str(QStringLiteral("MoneyRemark")));
        const QString reason = q.str(QStringLiteral("MoneyReason"));
        q.close();
        m_save->setVisible(reason != words::accountTransfer() && reason != words::bookTransfer());
        m_delete->show();
        m_print->show();
        m_batch->hide();
    } else {
        proposeSerial();
        m_customer->setCurrentText(PresetUser);
        m_date->setDate(ledgerDate());
        m_amount->setText(PresetSum);
        if (!PresetReason.isEmpty())
            SelectComboItem(m_reason, PresetReason);
        // The salesman box also takes typing: a preset name not in the list
        // is still the one given.
        if (!PresetMan.isEmpty()) {
            SelectComboItem(m_man, PresetMan);
            m_man->setCurrentText(PresetMan);
        }
        m_remark->setText(PresetRemark);
        m_save->show();
        m_delete->hide();
        m_print->hide();
        m_batch->setVisible(m_ctx.options().batchVouchers());
        PresetUser.clear();
        PresetSum.clear();
        PresetReason.clear();
        PresetMan.clear();
        PresetRemark.clear();
    }
    m_serial->setFocus();
}

void TFormGetPay::proposeSerial()
{
    const QString mode = m_ctx.options().read(opt::MoneyIndex);
    m_proposed = {MakeMoneySerial(m_ctx.dm.ADOQueryTemp, Kind, ledgerDate(), mode), ledgerDate(), mode};
    m_serial->setText(m_proposed.serial);
}

VoucherInput TFormGetPay::input() const
{
    return {m_serial->text(),      m_account->currentText(), m_customer->currentText(), m_date->date(),
            m_amount->text(),      m_reason->currentText(),  m_man->currentText(),      m_type->currentText(),
            m_token->currentText(), m_remark->text(),         isNew() ? m_proposed : ProposedSerial{}};
}

bool TFormGetPay::keepTakenSerial(const QString& unchanged)
{
    const QString serial = m_serial->text();
    if (serial == unchanged || !serialTaken(m_ctx.dm.ADOQueryTemp, serial, isNew() ? 0 : EditIndex))
        return true;
    if (m_ctx.prompt().ask(QStringLiteral("单据编号“%1”已被其他记录使用，是否仍然使用这个编号？").arg(serial),
                           QStringLiteral("操作确认")))
        return true;
    m_serial->setFocus();
    m_serial->selectAll();
    return false;
}

bool TFormGetPay::saveNew()
{
    const VoucherInput in = input();
    Query& q = m_ctx.dm.ADOQueryTemp;
    int account = 0;
    const SaveResult checked = checkVoucher(q, in, &account);
    if (!checked.saved) {
        finish(checked);
        return false;
    }
    if (!keepTakenSerial(m_proposed.serial))
        return false;
    if (LinkedGetPay == 0) {
        const QString getPayKind = Kind == words::moneyIn() ? words::receivable() : words::payable();
        bool found = false;
        if (const SaveResult r = hasGetPays(q, in.customer, getPayKind, &found); !r.saved)
            m_ctx.prompt().inform(r.message);
        if (found) {
            m_match.Kind = getPayKind;
            m_match.Customer = in.customer;
            if (m_match.exec() == QDialog::Accepted)
                LinkedGetPay = m_match.ChosenGetPay;
        }
    }
    int index = 0;
    const SaveResult saved = insertVoucher(q, Kind, LinkedGetPay, in, account, Clock::today(), &index);
    if (!saved.message.isEmpty())
        m_ctx.prompt().inform(saved.message);
    if (!saved.saved)
        return false;
    if (m_ctx.options().printNewVouchers()) {
        EditIndex = index;
        ActionPrintExecute();
    }
    emit m_ctx.dm.changes.moneyChanged();
    return true;
}

void TFormGetPay::ActionYesExecute()
{
    if (isNew()) {
        if (saveNew())
            accept();
        return;
    }
    const VoucherInput in = input();
    Query& q = m_ctx.dm.ADOQueryTemp;
    int account = 0;
    SaveResult r = checkVoucher(q, in, &account);
    if (r.saved && !keepTakenSerial(m_storedSerial))
        return;
    if (r.saved)
        r = updateVoucher(q, EditIndex, in, account);
    if (r.saved) {
        m_ctx.prompt().inform(r.message);
        emit m_ctx.dm.changes.moneyChanged();
        accept();
        return;
    }
    finish(r);
}

void TFormGetPay::ActionBatchExecute()
{
    if (!saveNew())
        return;
    proposeSerial();
    m_amount->setText(QStringLiteral("0"));
    m_remark->clear();
    m_amount->setFocus();
}

void TFormGetPay::ActionDeleteExecute()
{
    if (askDeleteVoucher(m_ctx, EditIndex))
        accept();
}

void TFormGetPay::ActionSaveCustomerExecute() { saveCustomerOf(m_ctx, m_customer); }

void TFormGetPay::ActionPrintExecute()
{
    const double amount = TextToAmount(IsValidAmountText(m_amount->text()) ? m_amount->text() : QString());
    AmountInWords = velbrisk::AmountInWords(amount);
    Query& q = m_ctx.dm.ADOQueryTemp;
    if (!OpenQuery(q, QStringLiteral("Select ABS(MoneySum) As MSum,* From MoneyTable Where MoneyIndex = ") + QString::number(EditIndex),
                   words::dbOpenFailed()))
        return;
    const QString kind = Kind + QStringLiteral("单");
    printList(m_ctx, q, QStringLiteral("Frf/Bill.frf"), kind,
              {{QStringLiteral("MoneyCN"), AmountInWords}, {QStringLiteral("MoneyKind"), kind}});
    q.close();
}

void TFormGetPay::done(int result)
{
    LinkedGetPay = 0;
    EditDialog::done(result);
}

}  // namespace velbrisk
