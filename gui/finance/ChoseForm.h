#pragma once
// "帐簿选择": the bank book, the cash book or every account.
#include <QDialog>

class QToolButton;

namespace velbrisk {

struct AppContext;

class TFormChose : public QDialog {
    Q_OBJECT
public:
    explicit TFormChose(AppContext& ctx, QWidget* parent = nullptr);
    // The picture buttons, in the order bank, cash, all.
    QList<QToolButton*> books() const { return m_books; }

private:
    AppContext& m_ctx;
    QList<QToolButton*> m_books;
};

}  // namespace velbrisk
