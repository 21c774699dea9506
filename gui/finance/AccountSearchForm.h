#pragma once
// "帐户记录搜索": narrows the account tiles by name and remark.
#include <QDialog>

class QLineEdit;

namespace velbrisk {

class TFormAccountSearch : public QDialog {
    Q_OBJECT
public:
    explicit TFormAccountSearch(QWidget* parent = nullptr);

    QString Condition;  // spliced into the tile query; empty: every account

    int exec() override;
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* remarkEdit() const { return m_remark; }

private:
    QLineEdit* m_name;
    QLineEdit* m_remark;
};

}  // namespace velbrisk
