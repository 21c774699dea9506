#include "gui/rooms/RoomSearchForm.h"

#include "core/rooms/RoomCatalogue.h"
#include "gui/widgets/Buttons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velbrisk {

TFormRoomSearch::TFormRoomSearch(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("房间搜索"));
    auto* g = new QGridLayout(this);
    const char* labels[] = {"房间名称：", "房间备注：", "房主姓名：", "备注信息："};
    for (int i = 0; i < 4; ++i) {
        g->addWidget(new QLabel(QString::fromUtf8(labels[i]), this), i, 0);
        m_edits[i] = new QLineEdit(this);
        g->addWidget(m_edits[i], i, 1);
    }
    g->addLayout(okCancelRow(this, [this] { OkClick(); }), 4, 0, 1, 2);
}

int TFormRoomSearch::exec()
{
    prepare();
    return QDialog::exec();
}

void TFormRoomSearch::prepare()
{
    for (QLineEdit* e : m_edits)
        e->clear();
    m_edits[0]->setFocus();
}

void TFormRoomSearch::OkClick()
{
    Condition = roomSearchCondition(m_edits[0]->text(), m_edits[1]->text(), m_edits[2]->text(), m_edits[3]->text());
    accept();
}

}  // namespace velbrisk
