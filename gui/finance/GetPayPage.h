#pragma once
// The tab "应收应付": the receivables above, the payables below.
#include <QDate>
#include <QWidget>

namespace velbrisk {

struct AppContext;
class GetPayList;
class TFormGetPay2;
class TFormGetPay3;

class GetPayPage : public QWidget {
    Q_OBJECT
public:
    GetPayPage(AppContext& ctx, TFormGetPay2& record, TFormGetPay3& filter, QWidget* parent = nullptr);

    // Both lists again; a new record starts on `day`.
    void refresh(const QDate& day);

    GetPayList* receivables() const { return m_receivables; }
    GetPayList* payables() const { return m_payables; }

private:
    GetPayList* m_receivables;
    GetPayList* m_payables;
};

}  // namespace velbrisk
