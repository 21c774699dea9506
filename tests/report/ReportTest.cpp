// The report engine: long texts grow their band instead of overlapping, and
// the preview opens with the whole page in view.
#include "data/JetSql.h"
#include "data/Query.h"
#include "report/PreviewForm.h"
#include "report/Report.h"
#include "rooms/Ticket.h"
#include "tests/support/TestData.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).remove(QLatin1Char('\n'));
}

class Tickets : public ::testing::Test {
protected:
    TestVenue v;
    const QString tmpl = QStringLiteral(VELBRISK_SOURCE_DIR "/Frf/Ticket.frf");

    PreparedReport ticketFor(const QString& customer)
    {
        v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomName, BillRoomUser, BillRoomType, BillRoomPrice, "
                              "BillRoomCost, BillOtherCost, BillTotalCost) Values ('261210001', '羽毛球1号', %1, "
                              "'计时收费', 20, 20, 6, 26)")
                   .arg(quoted(customer)));
        const int bill = v.scalar(QStringLiteral("Select Max(BillIndex) From Bill")).toInt();
        v.exec(QStringLiteral("Insert Into Cost (CostRoom, CostReason, CostMoney, CostBill) Values ('羽毛球1号', '运动饮料', 6, %1)").arg(bill));
        PreparedReport r;
        QString error;
        EXPECT_TRUE(prepareTicket(v.db(), bill, tmpl, &r, &error)) << error.toStdString();
        return r;
    }
};

TEST_F(Tickets, ALongCustomerNameGrowsItsLineAndOverlapsNothing)
{
    const QString name = QStringLiteral("甲") + QStringLiteral("乙丙丁").repeated(66) + QStringLiteral("戊");  // 200
    ASSERT_EQ(name.size(), 200);
    const PreparedReport r = ticketFor(name);
    ASSERT_EQ(r.pages.size(), 1);
    const QList<PlacedText>& items = r.pages[0];
    double customerBottom = 0, customerTop = 0;
    for (const PlacedText& a : items) {
        if (a.text.startsWith(QStringLiteral("顾客："))) {
            customerTop = a.rect.top();
            customerBottom = a.rect.bottom();
            EXPECT_GT(a.rect.height(), 20) << "the line grew to hold the name";
        }
        for (const PlacedText& b : items)
            if (&a != &b && !a.text.isEmpty() && !b.text.isEmpty())
                EXPECT_FALSE(a.rect.intersects(b.rect)) << a.text.toStdString() << " overlaps " << b.text.toStdString();
    }
    for (const PlacedText& a : items)
        if (a.text.startsWith(QStringLiteral("开始时间：")))
            EXPECT_GE(a.rect.top(), customerBottom - 1e-6) << "the lines below move down";
    EXPECT_GT(customerBottom, customerTop);

    // Read back from the PDF: the whole name, then the lines after it.
    const QString pdf = v.dir() + QStringLiteral("ticket.pdf");
    ASSERT_TRUE(writePdf(r, pdf));
    const QString text = pdfText(pdf).remove(QLatin1Char(' '));
    const qsizetype at = text.indexOf(QStringLiteral("顾客：甲乙丙丁"));
    ASSERT_GE(at, 0) << text.toStdString();
    EXPECT_GT(text.indexOf(QStringLiteral("丁戊")), at);
    EXPECT_GT(text.indexOf(QStringLiteral("开始时间：")), text.indexOf(QStringLiteral("丁戊")));
    EXPECT_TRUE(text.contains(QStringLiteral("26.00")));
}

TEST_F(Tickets, AShortTicketKeepsItsTemplateLayout)
{
    const PreparedReport r = ticketFor(QStringLiteral("O'Brien"));
    for (const PlacedText& a : r.pages[0])
        if (a.text.startsWith(QStringLiteral("顾客：")))
            EXPECT_DOUBLE_EQ(a.rect.height(), 5);
}

TEST_F(Tickets, ThePreviewOpensWithTheWholePageInView)
{
    const PreparedReport r = ticketFor(QStringLiteral("张三"));
    TFormPreview preview(r, QStringLiteral("小票"));
    preview.show();
    QApplication::processEvents();
    EXPECT_EQ(preview.view()->zoomMode(), QPrintPreviewWidget::FitInView);
    preview.view()->zoomIn();
    preview.reject();
    TFormPreview again(r, QStringLiteral("小票"));
    EXPECT_EQ(again.view()->zoomMode(), QPrintPreviewWidget::FitInView) << "nothing of the last zoom is kept";
}

}  // namespace
