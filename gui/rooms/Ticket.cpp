#include "gui/rooms/Ticket.h"

#include "core/data/DateText.h"
#include "core/data/Query.h"
#include "core/rooms/RoomFee.h"
#include "gui/report/Report.h"

namespace velbrisk {

bool prepareTicket(Connection& c, int billIndex, const QString& templatePath, PreparedReport* out, QString* error)
{
    const auto tmpl = ReportTemplate::load(templatePath, error);
    if (!tmpl)
        return false;
    try {
        Query bill(c);
        bill.setSql(QStringLiteral("Select * From Bill Where BillIndex = ") + QString::number(billIndex));
        bill.open();
        if (bill.eof()) {
            if (error)
                *error = QStringLiteral("找不到单据");
            return false;
        }
        auto when = [&](const char* field) {
            const QDateTime dt = bill.dateTime(QString::fromLatin1(field));
            return dt.isValid() ? dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
        };
        const QHash<QString, QString> vars = {
            {QStringLiteral("VenueName"), QStringLiteral("澄岳体育场馆")},
            {QStringLiteral("BillSerial"), bill.str(QStringLiteral("BillSerial"))},
            {QStringLiteral("RoomName"), bill.str(QStringLiteral("BillRoomName"))},
            {QStringLiteral("RoomUser"), bill.str(QStringLiteral("BillRoomUser"))},
            {QStringLiteral("RoomType"), bill.str(QStringLiteral("BillRoomType"))},
            {QStringLiteral("RoomPrice"), priceLine(bill.num(QStringLiteral("BillRoomPrice")), bill.str(QStringLiteral("BillRoomType")))},
            {QStringLiteral("BeginTime"), when("BillBeginTime")},
            {QStringLiteral("EndTime"), when("BillEndTime")},
            {QStringLiteral("CreateTime"), when("BillCreateTime")},
            {QStringLiteral("RoomCost"), money2(bill.num(QStringLiteral("BillRoomCost")))},
            {QStringLiteral("OtherCost"), money2(bill.num(QStringLiteral("BillOtherCost")))},
            {QStringLiteral("TotalCost"), money2(bill.num(QStringLiteral("BillTotalCost")))},
            {QStringLiteral("Remark"), bill.str(QStringLiteral("BillRemark"))},
        };
        Query costs(c);
        costs.setSql(QStringLiteral("Select * From Cost Where CostBill = ") + QString::number(billIndex)
                     + QStringLiteral(" Order By CostIndex"));
        costs.open();
        *out = prepareReport(*tmpl, &costs, [&](const QString& name) -> std::optional<QString> {
            if (auto it = vars.find(name); it != vars.end())
                return it.value();
            return std::nullopt;
        });
        return true;
    } catch (const Failure& e) {
        if (error)
            *error = e.message();
        return false;
    }
}

void showTicket(Connection& c, int billIndex, const QString& templatePath, ReportPresenter& presenter)
{
    PreparedReport ticket;
    QString error;
    if (prepareTicket(c, billIndex, templatePath, &ticket, &error))
        presenter.present(ticket, QStringLiteral("小票"));
}

}  // namespace velbrisk
