#include "gui/widgets/ComboList.h"

#include <QComboBox>

namespace velbrisk {

void QtComboList::clearItems()
{
    m_box->clear();
    // A box that also takes typing would keep the last text typed into it.
    if (m_box->isEditable())
        m_box->clearEditText();
}
void QtComboList::addItem(const QString& text) { m_box->addItem(text); }
int QtComboList::itemCount() const { return m_box->count(); }
QString QtComboList::itemText(int i) const { return m_box->itemText(i); }
int QtComboList::currentItem() const { return m_box->currentIndex(); }
void QtComboList::setCurrentItem(int i) { m_box->setCurrentIndex(i); }

bool LoadCombo(QComboBox* box, Query& query, const QString& sql, bool addAll, const QString& field)
{
    QtComboList list(box);
    return LoadCombo(static_cast<ComboList&>(list), query, sql, addAll, field);
}

bool LoadWordList(QComboBox* box, Query& query, WordList list, bool addAll)
{
    return LoadCombo(box, query, wordListSql(list), addAll, QStringLiteral("ParameterValue"));
}

void SelectComboItem(QComboBox* box, const QString& text)
{
    QtComboList list(box);
    SelectComboItem(static_cast<ComboList&>(list), text);
}

}  // namespace velbrisk
