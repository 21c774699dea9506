#pragma once
// The tab "帐户状况": a page of account tiles with their balances, the total,
// paging, sorting, the account search and the monthly statement.
#include "core/data/Query.h"

#include <QDate>
#include <QList>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace velbrisk {

struct AppContext;
class AccountTile;
class TFormAccount;
class TFormAccountChose;
class TFormAccountSearch;

class AccountTilesPage : public QWidget {
    Q_OBJECT
public:
    AccountTilesPage(AppContext& ctx, TFormAccount& account, TFormAccountSearch& search, TFormAccountChose& chose,
                     QWidget* parent = nullptr);

    int AccountPage = 0;

    // The tiles of the current page, their balances up to `day`.
    void refresh(const QDate& day);
    void setTotal(const QString& text);
    // Sort choices as the settings keep them.
    void loadSortChoices();
    // "帐户月结": the statement of the chosen accounts, for `day`'s month
    // unless the choice gives its own span.
    void printStatement(const QDate& day);

    QList<AccountTile*> tiles() const { return m_tiles; }
    QLabel* placeholder() const { return m_placeholder; }
    QLabel* totalLabel() const { return m_total; }
    QComboBox* sortKeyCombo() const { return m_sortKey; }
    QComboBox* sortDirectionCombo() const { return m_sortDirection; }

signals:
    void accountClicked(const QString& name, const QString& balance);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void newAccount();
    void searchAccounts();

    AppContext& m_ctx;
    TFormAccount& m_account;
    TFormAccountSearch& m_search;
    TFormAccountChose& m_chose;
    Query m_print;  // the statement's lines
    QDate m_day;
    QList<AccountTile*> m_tiles;
    QLabel* m_placeholder;
    QLabel* m_total;
    QPushButton* m_prevPage;
    QPushButton* m_nextPage;
    QComboBox* m_sortKey;
    QComboBox* m_sortDirection;
};

}  // namespace velbrisk
