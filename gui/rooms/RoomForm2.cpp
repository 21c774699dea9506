#include "gui/rooms/RoomForm2.h"

#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/rooms/RoomCatalogue.h"
#include "core/rooms/RoomFee.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velbrisk {

TFormRoom2::TFormRoom2(AppContext& ctx, QWidget* parent)
    : EditDialog(ctx.prompt(), parent), m_ctx(ctx), m_name(new QLineEdit(this)), m_type(new QComboBox(this)),
      m_price(new QLineEdit(this)), m_unit(new QLabel(this)), m_remark(new QPlainTextEdit(this)),
      m_delete(new QPushButton(QStringLiteral("房间删除"), this))
{
    auto* grid = new QGridLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(ctx.g.resourcePath(QStringLiteral("Res/White80.jpg"))));
    grid->addWidget(picture, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("房间名称："), this), 0, 1);
    grid->addWidget(m_name, 0, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("房间类型："), this), 1, 1);
    m_type->addItems({words::byHour(), words::perUse()});
    grid->addWidget(m_type, 1, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("价格设置："), this), 2, 1);
    grid->addWidget(m_price, 2, 2);
    grid->addWidget(m_unit, 2, 3);
    grid->addWidget(new QLabel(QStringLiteral("备注信息："), this), 3, 1, Qt::AlignTop);
    m_remark->setFixedHeight(70);
    grid->addWidget(m_remark, 3, 2, 1, 2);
    setField(QStringLiteral("Name"), m_name);
    setField(QStringLiteral("Price"), m_price);
    QHBoxLayout* buttons = buttonRow([this] { ActionYesExecute(); });
    buttons->insertWidget(0, m_delete);
    grid->addLayout(buttons, 4, 0, 1, 4);
    connect(m_type, &QComboBox::currentIndexChanged, this, [this] { applyUnit(); });
    connect(m_delete, &QPushButton::clicked, this, &TFormRoom2::ActionDeleteExecute);
    setFixedSize(sizeHint().expandedTo(QSize(400, 240)));
}

void TFormRoom2::applyUnit()
{
    if (m_type->currentText() == words::byHour())
        m_unit->setText(QStringLiteral("元/小时"));
    else if (m_type->currentText() == words::perUse())
        m_unit->setText(QStringLiteral("元/次"));
}

void TFormRoom2::prepare()
{
    Deleted = false;
    setWindowTitle(QStringLiteral("房间信息（") + modeText(Mode) + QStringLiteral("）"));
    if (isNew()) {
        m_name->clear();
        m_type->setCurrentIndex(0);
        applyUnit();
        m_price->setText(QStringLiteral("20"));
        m_remark->clear();
        m_delete->hide();
    } else {
        Query& q = m_ctx.dm.ADOQueryTemp;
        if (OpenQuery(q, QStringLiteral("Select * From Room Where RoomIndex = ") + QString::number(EditIndex),
                      words::dbOpenFailed())
            && !q.eof()) {
            m_name->setText(q.str(QStringLiteral("RoomName")));
            const int type = m_type->findText(q.str(QStringLiteral("RoomType")));
            if (type >= 0)
                m_type->setCurrentIndex(type);
            applyUnit();
            m_price->setText(FormatRounded(q.num(QStringLiteral("RoomPrice"))));
            m_remark->setPlainText(q.str(QStringLiteral("RoomRemark")));
            m_delete->show();
        }
        q.close();
    }
    m_name->setFocus();
}

void TFormRoom2::ActionYesExecute()
{
    const RoomDetails d{m_name->text(), m_type->currentText(), m_price->text(), m_remark->toPlainText()};
    finish(saveRoom(m_ctx.dm, isNew() ? 0 : EditIndex, d));
}

void TFormRoom2::ActionDeleteExecute()
{
    Query& q = m_ctx.dm.ADOQueryTemp;
    if (!OpenQuery(q, QStringLiteral("Select * From Room Where RoomIndex = ") + QString::number(EditIndex),
                   words::dbOpenFailed()))
        return;
    const bool found = !q.eof();
    q.close();
    if (!found) {
        m_ctx.prompt().inform(QStringLiteral("找不到要删除的记录"));
        return;
    }
    if (!m_ctx.prompt().ask(QStringLiteral("确实要删除该房间吗？"), QStringLiteral("删除警告")))
        return;
    const SaveResult r = deleteRoom(m_ctx.dm, EditIndex);
    if (!r.saved) {
        if (!r.message.isEmpty())
            m_ctx.prompt().inform(r.message);
        return;
    }
    Deleted = true;
    accept();
}

}  // namespace velbrisk
