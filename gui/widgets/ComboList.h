#pragma once
// A QComboBox seen as the drop-down list of the shared routines.
#include "core/data/PublicFunction.h"
#include "core/data/WordLists.h"

class QComboBox;

namespace velbrisk {

class QtComboList : public ComboList {
public:
    explicit QtComboList(QComboBox* box) : m_box(box) {}
    void clearItems() override;
    void addItem(const QString& text) override;
    int itemCount() const override;
    QString itemText(int i) const override;
    int currentItem() const override;
    void setCurrentItem(int i) override;

private:
    QComboBox* m_box;
};

// A finance word list into the box, its first word selected ("所有" first
// when `addAll`).
bool LoadWordList(QComboBox* box, Query& query, WordList list, bool addAll = false);

// Convenience wrappers taking the combo box itself.
bool LoadCombo(QComboBox* box, Query& query, const QString& sql, bool addAll, const QString& field);
void SelectComboItem(QComboBox* box, const QString& text);

}  // namespace velbrisk
