#include "gui/bills/BillSearchForm.h"

#include "core/bills/Bills.h"
#include "core/data/Clock.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/MomentPicker.h"

#include <QCheckBox>
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

TFormBillSearch::TFormBillSearch(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_serial(new QLineEdit(this)),
      m_span(new QCheckBox(QStringLiteral("选择帐单时间段"), this)), m_from(new QDateEdit(this)), m_to(new QDateEdit(this)),
      m_room(new QLineEdit(this)), m_user(new QLineEdit(this)), m_type(new QComboBox(this)), m_remark(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("帐单搜索"));
    auto* layout = new QVBoxLayout(this);
    auto* quick = new QGroupBox(QStringLiteral("快速搜索"), this);
    auto* ql = new QHBoxLayout(quick);
    const std::pair<const char*, BillSpan> spans[] = {
        {"当天记录", BillSpan::Today}, {"当月记录", BillSpan::Month}, {"当年记录", BillSpan::Year}, {"所有记录", BillSpan::All}};
    for (const auto& [text, span] : spans) {
        const BillSpan s = span;
        ql->addWidget(makeButton(quick, QString::fromUtf8(text), [this, s] {
            Condition = quickBillCondition(s, today());
            accept();
        }));
    }
    layout->addWidget(quick);

    auto* combined = new QGroupBox(QStringLiteral("组合搜索"), this);
    auto* g = new QGridLayout(combined);
    int row = 0;
    auto line = [&](const char* caption, QWidget* w) {
        g->addWidget(new QLabel(QString::fromUtf8(caption), combined), row, 0);
        g->addWidget(w, row++, 1, 1, 4);
    };
    line("帐单编号：", m_serial);
    g->addWidget(new QLabel(QStringLiteral("帐单时段："), combined), row, 0);
    g->addWidget(m_span, row++, 1, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("开始日期："), combined), row, 1);
    g->addWidget(m_from, row, 2);
    g->addWidget(new QLabel(QStringLiteral("结束日期："), combined), row, 3);
    g->addWidget(m_to, row++, 4);
    line("房间名称：", m_room);
    line("房主名称：", m_user);
    m_type->addItems({QStringLiteral("所有房间"), QStringLiteral("计时房间"), QStringLiteral("计次房间")});
    line("房间类型：", m_type);
    line("帐单备注：", m_remark);
    layout->addWidget(combined);
    layout->addLayout(okCancelRow(this, [this] {
        BillSearch s;
        s.serial = m_serial->text();
        s.span = m_span->isChecked();
        s.from = m_from->date();
        s.to = m_to->date();
        s.roomName = m_room->text();
        s.roomUser = m_user->text();
        s.roomType = m_type->currentText();
        s.remark = m_remark->text();
        Condition = billSearchCondition(s);
        accept();
    }));

    // The span of this month at first; later showings keep the dates chosen.
    const QDate now = Clock::today();
    for (QDateEdit* d : {m_from, m_to}) {
        setUpDatePicker(d);
    }
    m_from->setDate(QDate(now.year(), now.month(), 1));
    m_to->setDate(QDate(now.year(), now.month(), now.daysInMonth()));
    connect(m_span, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
    });
}

QLineEdit* TFormBillSearch::edit(const QString& name) const
{
    const std::pair<const char*, QLineEdit*> edits[] = {
        {"Serial", m_serial}, {"RoomName", m_room}, {"RoomUser", m_user}, {"Remark", m_remark}};
    for (const auto& [n, e] : edits)
        if (name == QLatin1String(n))
            return e;
    return nullptr;
}

void TFormBillSearch::prepare()
{
    for (QLineEdit* e : {m_serial, m_room, m_user, m_remark})
        e->clear();
    m_span->setChecked(false);
    m_from->setEnabled(false);
    m_to->setEnabled(false);
    m_type->setCurrentIndex(0);
    m_serial->setFocus();
}

int TFormBillSearch::exec()
{
    prepare();
    return QDialog::exec();
}

}  // namespace velbrisk
