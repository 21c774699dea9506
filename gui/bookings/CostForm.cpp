#include "gui/bookings/CostForm.h"

#include "core/bookings/Consumption.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/ComboList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velbrisk {

TFormCost::TFormCost(AppContext& ctx, QWidget* parent)
    : EditDialog(ctx.prompt(), parent), m_ctx(ctx), m_room(new QLineEdit(this)), m_item(new QComboBox(this)),
      m_amount(new QLineEdit(this)), m_remark(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("消费管理"));
    auto* grid = new QGridLayout(this);
    m_room->setReadOnly(true);
    m_item->setEditable(true);
    m_item->setInsertPolicy(QComboBox::NoInsert);
    grid->addWidget(new QLabel(QStringLiteral("房间名称："), this), 0, 0);
    grid->addWidget(m_room, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("消费项目："), this), 1, 0);
    grid->addWidget(m_item, 1, 1);
    auto* save = new QPushButton(QStringLiteral("保存"), this);
    save->setAutoDefault(false);
    save->setToolTip(QStringLiteral("把该项目和金额保存到消费项目中"));
    grid->addWidget(save, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("消费金额："), this), 2, 0);
    grid->addWidget(m_amount, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("元"), this), 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("备注信息："), this), 3, 0, Qt::AlignTop);
    m_remark->setFixedHeight(60);
    grid->addWidget(m_remark, 3, 1, 1, 2);
    setField(QStringLiteral("Amount"), m_amount);
    grid->addLayout(buttonRow([this] { ActionYesExecute(); }), 4, 0, 1, 3);
    connect(save, &QPushButton::clicked, this, &TFormCost::SaveItemClick);
    connect(m_item, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        if (!m_loading)
            ItemTextChanged(t);
    });
    setFixedSize(sizeHint().expandedTo(QSize(360, 220)));
}

void TFormCost::prepare()
{
    m_loading = true;
    LoadCombo(m_item, m_ctx.dm.ADOQueryTemp, QStringLiteral("Select * From CostReason"), false,
              QStringLiteral("CostReasonName"));
    if (isNew()) {
        m_room->setText(NewRoomName);
        m_item->setCurrentIndex(m_item->count() > 0 ? 0 : -1);
        if (m_item->count() == 0)
            m_item->setEditText(QString());
        m_amount->setText(QStringLiteral("0"));
        m_remark->clear();
        m_loading = false;
        ItemTextChanged(m_item->currentText());
    } else {
        Query& q = m_ctx.dm.ADOQueryTemp;
        if (OpenQuery(q, QStringLiteral("Select * From Cost Where CostIndex = ") + QString::number(EditIndex),
                      words::dbOpenFailed())
            && !q.eof()) {
            m_room->setText(q.str(QStringLiteral("CostRoom")));
            m_item->setEditText(q.str(QStringLiteral("CostReason")));
            m_amount->setText(FormatRounded(q.num(QStringLiteral("CostMoney"))));
            m_remark->setPlainText(q.str(QStringLiteral("CostRemark")));
        }
        q.close();
        m_loading = false;
    }
    m_item->setFocus();
}

void TFormCost::ItemTextChanged(const QString& text)
{
    double price = 0;
    bool found = false;
    if (const SaveResult r = cataloguePrice(m_ctx.dm.ADOQueryTemp, text, &price, &found); !r.saved)
        m_ctx.prompt().inform(r.message);
    if (found)
        m_amount->setText(FormatRounded(price));
}

void TFormCost::ActionYesExecute()
{
    CostEntryInput in;
    in.isNew = isNew();
    in.editIndex = EditIndex;
    in.costBill = NewCostBill;
    in.room = m_room->text();
    in.reason = m_item->currentText();
    in.amountText = m_amount->text();
    in.remark = m_remark->toPlainText();
    in.alsoWrite = AlsoWrite;
    finish(saveCostEntry(m_ctx.dm.ADOQueryTemp, in));
}

void TFormCost::SaveItemClick()
{
    m_ctx.prompt().inform(storeCatalogueItem(m_ctx.dm.ADOQueryTemp, m_item->currentText(), m_amount->text()).message);
}

}  // namespace velbrisk
