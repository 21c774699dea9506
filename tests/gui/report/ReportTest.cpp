// The report engine: each folder of cases/ is one report (its template, its
// rows or a small venue run through the rule that computes the report, its
// variables, the lines expected in the printed PDF); long texts grow their
// band instead of overlapping; the preview opens with the whole page in view.
#include "core/data/Database.h"
#include "core/data/JetSql.h"
#include "core/data/Query.h"
#include "core/finance/Ledger.h"
#include "core/finance/Reports.h"
#include "gui/report/PreviewForm.h"
#include "gui/report/Report.h"
#include "gui/rooms/Ticket.h"
#include "tests/support/Gui.h"
#include "tests/support/MoneyRows.h"
#include "tests/support/TestData.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <algorithm>
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

QStringList readLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Printed text without its blanks (the PDF's columns and the ideographic
// spaces of amounts in capitals come back as any number of them, or none).
QString normalised(QString line)
{
    static const QRegularExpression blanks(QStringLiteral("[\\s\\x{3000}]+"));
    return line.remove(blanks);
}

// rows.tsv: a first line of "Name:text|number" columns, then one row a line.
void loadRows(test::TestVenue& v, const QString& file)
{
    const QStringList lines = readLines(file);
    QStringList cols, marks;
    for (const QString& c : lines.value(0).split(QLatin1Char('\t'))) {
        const QStringList nt = c.split(QLatin1Char(':'));
        cols << nt[0] + (nt.value(1) == QLatin1String("number") ? QStringLiteral(" DOUBLE") : QStringLiteral(" TEXT"));
        marks << QStringLiteral("?");
    }
    v.db().execEngine(QStringLiteral("CREATE TEMP TABLE ReportRows (%1)").arg(cols.join(QStringLiteral(", "))));
    for (int i = 1; i < lines.size(); ++i) {
        Statement st = v.db().prepareEngine(QStringLiteral("INSERT INTO ReportRows VALUES (%1)").arg(marks.join(QLatin1Char(','))));
        const QStringList values = lines[i].split(QLatin1Char('\t'));
        for (int c = 0; c < values.size(); ++c)
            st.bind(c + 1, cols[c].endsWith(QLatin1String("DOUBLE")) ? QVariant(values[c].toDouble()) : QVariant(values[c]));
        st.step();
    }
}

// data.tsv: the venue's accounts and money records, one a line:
//   account <name> <type> <opening amount>
//   money <account name> <day> <amount>
void loadVenue(test::TestVenue& v, const QString& file)
{
    QHash<QString, int> accounts;
    for (const QString& line : readLines(file)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f[0] == QLatin1String("account")) {
            v.exec(QStringLiteral("Insert Into Account (AccountName, AccountBase, AccountType, AccountPower) Values (%1, %2, %3, '')")
                       .arg(quoted(f[1]), f[3], f[2]));
            accounts.insert(f[1], v.scalar(QStringLiteral("Select AccountIndex From Account Where AccountName = ") + quoted(f[1])).toInt());
        } else if (f[0] == QLatin1String("money")) {
            ASSERT_TRUE(accounts.contains(f[1])) << line.toStdString();
            test::addMoney(v, {accounts.value(f[1]), f[2], f[3].toDouble()});
        } else {
            FAIL() << "unknown line in data.tsv: " << line.toStdString();
        }
    }
}

// The rows a case's report prints, `rows` left open on them: the rows of
// rows.tsv as they are; or the venue of data.tsv run through the rule of
// rule.tsv ("statement" or "summary", the first and last day, the account
// book), which also gives the variables the window would hand in.
void openCaseRows(test::TestVenue& v, const QString& dir, Query& rows, QHash<QString, QString>* vars)
{
    if (QFile::exists(dir + QStringLiteral("rows.tsv"))) {
        loadRows(v, dir + QStringLiteral("rows.tsv"));
        rows.setSql(QStringLiteral("Select * From ReportRows"));
        rows.open();
        return;
    }
    if (!QFile::exists(dir + QStringLiteral("rule.tsv")))
        return;
    loadVenue(v, dir + QStringLiteral("data.tsv"));
    const QStringList rule = readLines(dir + QStringLiteral("rule.tsv")).value(0).split(QLatin1Char('\t'));
    ASSERT_EQ(rule.size(), 4) << "rule.tsv: rule, first day, last day, account book";
    const QDate from = QDate::fromString(rule[1], Qt::ISODate), to = QDate::fromString(rule[2], Qt::ISODate);
    const std::optional<AccountBook> book = accountBookOf(rule[3]);
    ASSERT_TRUE(book);
    if (rule[0] == QLatin1String("statement")) {
        writeStatement(rows, computeStatement(rows, QString(), book->filter, from, to));
        vars->insert(QStringLiteral("BeginDate"), rule[1]);
        vars->insert(QStringLiteral("EndDate"), rule[2]);
    } else if (rule[0] == QLatin1String("summary")) {
        MoneySearchInput in;
        in.span = true;
        in.from = from;
        in.to = to;
        MoneySearch search;
        ASSERT_TRUE(buildMoneySearch(in, &search).saved);
        bool days = false;
        writeSummary(rows, computeSummary(rows, search, book->filter, &days));
        EXPECT_TRUE(days);
    } else {
        FAIL() << "unknown rule: " << rule[0].toStdString();
    }
}

const QString kCases = QStringLiteral(VELBRISK_SOURCE_DIR "/tests/report/cases/");

// The folders of cases/; with `computed`, only those a rule computes.
std::vector<std::string> caseNames(bool computed = false)
{
    std::vector<std::string> names;
    for (const QString& n : QDir(kCases).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (!computed || QFile::exists(kCases + n + QStringLiteral("/rule.tsv")))
            names.push_back(n.toStdString());
    return names;
}

std::string testName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

// One case a folder of cases/: its template (its own, or the program's one
// named in uses.txt), its rows and variables in, the lines it must print.
class ReportCase : public ::testing::TestWithParam<std::string> {
protected:
    test::TestVenue v;
    Query rows{v.db()};
    QHash<QString, QString> vars;
    std::optional<ReportTemplate> tmpl;
    const QString dir = kCases + QString::fromStdString(GetParam()) + QLatin1Char('/');

    void SetUp() override
    {
        QString error;
        const QString uses = readLines(dir + QStringLiteral("uses.txt")).value(0);
        tmpl = ReportTemplate::load(uses.isEmpty() ? dir + QStringLiteral("template.frf") : QStringLiteral(VELBRISK_SOURCE_DIR "/") + uses,
                                    &error);
        ASSERT_TRUE(tmpl) << error.toStdString();
        for (const QString& line : readLines(dir + QStringLiteral("vars.tsv")))
            vars.insert(line.section(QLatin1Char('\t'), 0, 0), line.section(QLatin1Char('\t'), 1));
        openCaseRows(v, dir, rows, &vars);
    }
    PreparedReport prepared()
    {
        return prepareReport(*tmpl, rows.isOpen() ? &rows : nullptr, [&](const QString& n) -> std::optional<QString> {
            if (vars.contains(n))
                return vars.value(n);
            return std::nullopt;
        });
    }
};

TEST_P(ReportCase, PrintsItsExpectedLines)
{
    const QString pdf = v.dir() + QStringLiteral("report.pdf");
    ASSERT_TRUE(writePdf(prepared(), pdf));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    QStringList printed;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (!normalised(line).isEmpty())
            printed << normalised(line);
    // Every expected line, in order, each on a printed line of its own.
    const QStringList expected = readLines(dir + QStringLiteral("expected.txt"));
    ASSERT_FALSE(expected.isEmpty());
    qsizetype at = 0;
    for (const QString& want : expected) {
        const qsizetype found = printed.indexOf(normalised(want), at);
        EXPECT_GE(found, 0) << "missing after line " << at << ": " << want.toStdString() << "\n"
                            << printed.join(QLatin1Char('\n')).toStdString();
        if (found >= 0)
            at = found + 1;
    }
}

// The statements print a rule above their total line (and above no other)
// and the time they were printed, as the other reports do.
class ComputedReport : public ReportCase {};

TEST_P(ComputedReport, RulesOffItsTotalAndTellsThePrintTime)
{
    const QString rule = readLines(dir + QStringLiteral("rule.tsv")).value(0).section(QLatin1Char('\t'), 0, 0);
    const QString total = rule == QLatin1String("statement") ? QStringLiteral("总合计") : QStringLiteral("合计");
    const PreparedReport r = prepared();
    ASSERT_EQ(r.pages.size(), 1);
    double totalTop = -1;
    QList<double> rules;
    bool time = false;
    for (const PlacedText& t : r.pages[0]) {
        if (t.text == total)
            totalTop = t.rect.top();
        if (t.line)
            rules << t.rect.top();
        time = time || t.text.startsWith(QStringLiteral("打印时间："));
    }
    ASSERT_GE(totalTop, 0);
    EXPECT_TRUE(rules.contains(totalTop)) << "a rule above the total line";
    EXPECT_EQ(rules.size(), 2) << "the header's and the total's";
    EXPECT_TRUE(time);
}

INSTANTIATE_TEST_SUITE_P(Folders, ReportCase, ::testing::ValuesIn(caseNames()), testName);
INSTANTIATE_TEST_SUITE_P(Folders, ComputedReport, ::testing::ValuesIn(caseNames(true)), testName);

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
            if (&a != &b && !a.text.isEmpty() && !b.text.isEmpty()) {
                EXPECT_FALSE(a.rect.intersects(b.rect)) << a.text.toStdString() << " overlaps " << b.text.toStdString();
            }
    }
    for (const PlacedText& a : items)
        if (a.text.startsWith(QStringLiteral("开始时间："))) {
            EXPECT_GE(a.rect.top(), customerBottom - 1e-6) << "the lines below move down";
        }
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
        if (a.text.startsWith(QStringLiteral("顾客："))) {
            EXPECT_DOUBLE_EQ(a.rect.height(), 5);
        }
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

TEST_F(Tickets, FindMarksTheTextOnAOnePageReportOrSaysItIsAbsent)
{
    const PreparedReport r = ticketFor(QStringLiteral("张三"));
    ScriptedPrompter prompt;
    TFormPreview preview(r, QStringLiteral("小票"), &prompt);
    preview.show();
    QLineEdit* what = preview.findChild<QLineEdit*>();
    ASSERT_TRUE(what);
    what->setText(QStringLiteral("张三"));
    test::click(&preview, QStringLiteral("查找"));
    EXPECT_EQ(preview.marked(), QStringLiteral("张三"));
    EXPECT_TRUE(prompt.messages.isEmpty());
    // The page as the preview paints it holds the mark's yellow.
    QImage page(420, 594, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    paintPage(r, 0, p, QRectF(page.rect()), preview.marked());
    p.end();
    bool yellow = false;
    for (int y = 0; y < page.height() && !yellow; ++y)
        for (int x = 0; x < page.width() && !yellow; ++x)
            yellow = page.pixel(x, y) == QColor(255, 235, 59).rgb();
    EXPECT_TRUE(yellow);
    what->setText(QStringLiteral("李四"));
    test::click(&preview, QStringLiteral("查找"));
    EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("未找到“李四”")});
    EXPECT_TRUE(preview.marked().isEmpty());
    preview.reject();
}

TEST_F(Tickets, ThePrintDialogProposesTheLastFileChosenInTheRun)
{
    const PreparedReport r = ticketFor(QStringLiteral("张三"));
    PrintChoice choice;
    const QString file = v.dir() + QStringLiteral("小票.pdf");
    {
        TFormPreview preview(r, QStringLiteral("小票"), nullptr, &choice);
        test::onNextDialog<QPrintDialog>([&](QPrintDialog* d) {
            QLineEdit* name = d->findChild<QLineEdit*>(QStringLiteral("filename"));
            ASSERT_TRUE(name) << "the dialog's file box";
            name->setText(file);
            d->accept();
        });
        test::click(&preview, QStringLiteral("打印"));
    }
    EXPECT_EQ(choice.outputFile, file);
    EXPECT_TRUE(QFileInfo::exists(file)) << "printed there";
    TFormPreview next(r, QStringLiteral("小票"), nullptr, &choice);
    QString proposed;
    test::onNextDialog<QPrintDialog>([&](QPrintDialog* d) {
        if (QLineEdit* name = d->findChild<QLineEdit*>(QStringLiteral("filename")))
            proposed = name->text();
    });
    test::click(&next, QStringLiteral("打印"));
    EXPECT_EQ(proposed, file);
}

}  // namespace
