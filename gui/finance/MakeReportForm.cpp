#include "gui/finance/MakeReportForm.h"

#include "core/config/Options.h"
#include "core/data/Clock.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/finance/Ledger.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/ComboList.h"
#include "gui/widgets/MomentPicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace velbrisk {

QStringList chosenItems(QListWidget* list)
{
    QStringList out;
    if (!list->currentItem() || list->currentItem()->text() == QStringLiteral("所有"))
        return out;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected() && list->item(i)->text() != QStringLiteral("所有"))
            out << list->item(i)->text();
    return out;
}

TFormMakeReport::TFormMakeReport(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_book(new QLabel(this)), m_span(new QCheckBox(QStringLiteral("时间范围"), this)),
      m_from(new QDateEdit(this)), m_to(new QDateEdit(this)), m_amounts(new QCheckBox(QStringLiteral("金额范围"), this)),
      m_lower(new QLineEdit(this)), m_upper(new QLineEdit(this)), m_accounts(new QListWidget(this)),
      m_reasons(new QListWidget(this)), m_type(new QComboBox(this)), m_token(new QComboBox(this)),
      m_customer(new QComboBox(this)), m_man(new QComboBox(this)), m_document(new QComboBox(this)),
      m_transfers(new QComboBox(this)), m_remark(new QLineEdit(this)), m_serial(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("生成报表"));
    m_book->setFixedSize(96, 80);
    m_book->setScaledContents(true);
    for (QDateEdit* d : {m_from, m_to}) {
        setUpDatePicker(d);
    }
    connect(m_span, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
    });
    connect(m_amounts, &QCheckBox::toggled, this, [this](bool on) {
        m_lower->setEnabled(on);
        m_upper->setEnabled(on);
    });
    for (QListWidget* l : {m_accounts, m_reasons}) {
        l->setSelectionMode(QAbstractItemView::ExtendedSelection);
        l->setMinimumHeight(110);
    }
    m_customer->setEditable(true);
    m_document->addItems({QStringLiteral("所有"), QStringLiteral("财务收入单"), QStringLiteral("财务支出单")});
    m_transfers->addItems({QStringLiteral("所有"), QStringLiteral("除平调单据"), QStringLiteral("仅平调单据")});

    auto* g = new QGridLayout(this);
    g->addWidget(m_book, 0, 0, 2, 1);
    auto* span = new QHBoxLayout;
    span->addWidget(m_span);
    span->addWidget(m_from);
    span->addWidget(new QLabel(QStringLiteral("至"), this));
    span->addWidget(m_to);
    g->addLayout(span, 0, 1, 1, 3);
    auto* amounts = new QHBoxLayout;
    amounts->addWidget(m_amounts);
    amounts->addWidget(m_lower);
    amounts->addWidget(new QLabel(QStringLiteral("至"), this));
    amounts->addWidget(m_upper);
    g->addLayout(amounts, 1, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("帐户名称"), this), 2, 0);
    g->addWidget(m_accounts, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("收支种类"), this), 2, 2);
    g->addWidget(m_reasons, 2, 3);
    auto field = [&](const char* caption, QWidget* w, int row, int col) {
        g->addWidget(new QLabel(QString::fromUtf8(caption), this), row, col);
        g->addWidget(w, row, col + 1);
    };
    field("类别", m_type, 3, 0);
    field("凭证", m_token, 3, 2);
    field("客户名称", m_customer, 4, 0);
    field("业务员", m_man, 4, 2);
    field("单据类型", m_document, 5, 0);
    field("平调单据", m_transfers, 5, 2);
    field("备注", m_remark, 6, 0);
    field("单据编号", m_serial, 6, 2);
    g->addLayout(okCancelRow(this, [this] { confirm(); }), 7, 0, 1, 4);
}

int TFormMakeReport::exec()
{
    prepare();
    return QDialog::exec();
}

void TFormMakeReport::prepare()
{
    const std::optional<AccountBook> book = accountBookOf(m_ctx.options().read(opt::AccountType));
    if (book)
        m_book->setPixmap(QPixmap(m_ctx.g.resourcePath(book->picture)));
    const QDate today = Clock::today();
    m_span->setChecked(false);
    m_from->setDate(QDate(today.year(), today.month(), 1));
    m_to->setDate(QDate(today.year(), today.month(), today.daysInMonth()));
    m_from->setEnabled(false);
    m_to->setEnabled(false);
    m_amounts->setChecked(false);
    m_lower->clear();
    m_upper->clear();
    m_lower->setEnabled(false);
    m_upper->setEnabled(false);

    Query& q = m_ctx.dm.ADOQueryTemp;
    auto fillList = [&](QListWidget* list, const QString& sql, const QString& field, const QString& failure) {
        list->clear();
        list->addItem(QStringLiteral("所有"));
        if (OpenQuery(q, sql, failure))
            for (q.first(); !q.eof(); q.next())
                list->addItem(q.str(field));
        q.close();
        list->setCurrentRow(0);
    };
    fillList(m_accounts, QStringLiteral("Select * From Account Where (AccountIndex > 1)") + m_ctx.g.AccountBookFilter,
             QStringLiteral("AccountName"), QStringLiteral("帐户读入失败"));
    fillList(m_reasons, bothKindsSql(), QStringLiteral("ParameterValue"), QStringLiteral("收支种类读入失败"));
    LoadWordList(m_type, q, WordList::PaymentTypes, true);
    LoadWordList(m_token, q, WordList::Vouchers, true);
    LoadWordList(m_customer, q, WordList::Customers, true);
    LoadWordList(m_man, q, WordList::Salesmen, true);
    m_remark->clear();
    m_serial->clear();
    m_document->setFocus();
}

void TFormMakeReport::confirm()
{
    MoneySearchInput in;
    in.span = m_span->isChecked();
    in.from = m_from->date();
    in.to = m_to->date();
    in.amounts = m_amounts->isChecked();
    in.lower = m_lower->text();
    in.upper = m_upper->text();
    in.accounts = chosenItems(m_accounts);
    in.reasons = chosenItems(m_reasons);
    in.type = m_type->currentText();
    in.token = m_token->currentText();
    in.customer = m_customer->currentText();
    in.man = m_man->currentText();
    in.document = m_document->currentIndex();
    in.transfers = m_transfers->currentIndex();
    in.remark = m_remark->text();
    in.serial = m_serial->text();
    // Built aside: a refused bound leaves the last search in force.
    const SaveResult r = buildMoneySearch(in, &Result);
    if (!r.saved) {
        m_ctx.prompt().inform(r.message);
        (r.focus == QLatin1String("Lower") ? m_lower : m_upper)->setFocus();
        return;
    }
    accept();
}

}  // namespace velbrisk
