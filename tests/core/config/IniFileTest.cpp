#include "core/config/IniFile.h"
#include "core/config/Options.h"

#include <QFile>
#include <QTemporaryDir>
#include "tests/support/QtPrinters.h"
#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

class Ini : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file() const { return dir.path() + QStringLiteral("/Velbrisk.ini"); }
    QByteArray bytes() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(Ini, MissingFileOrKeyGivesTheDefault)
{
    EXPECT_EQ(IniReadString(QStringLiteral("Setting"), QStringLiteral("RingMode"), QStringLiteral("一次响铃"), file()),
              QStringLiteral("一次响铃"));
    ASSERT_TRUE(IniWriteString(QStringLiteral("Setting"), QStringLiteral("Other"), QStringLiteral("x"), file()));
    EXPECT_EQ(IniReadString(QStringLiteral("Setting"), QStringLiteral("RingMode"), QStringLiteral("d"), file()),
              QStringLiteral("d"));
    EXPECT_EQ(IniReadString(QStringLiteral("Nope"), QStringLiteral("Other"), QStringLiteral("d"), file()),
              QStringLiteral("d"));
}

TEST_F(Ini, ChineseSectionsKeysAndValuesReadBackExactly)
{
    const QString value = QStringLiteral("结帐时不打印小票　全角空格 and ASCII = 等号");
    ASSERT_TRUE(IniWriteString(QStringLiteral("数据库内容"), QStringLiteral("小票打印"), value, file()));
    ASSERT_TRUE(IniWriteString(QStringLiteral("Setting"), QStringLiteral("AccountForBill"), QStringLiteral("3"), file()));
    ASSERT_TRUE(IniWriteString(QStringLiteral("数据库内容"), QStringLiteral("Address"), QStringLiteral("/场馆/数据.mdb"), file()));
    EXPECT_EQ(IniReadString(QStringLiteral("数据库内容"), QStringLiteral("小票打印"), QString(), file()), value);
    EXPECT_EQ(IniReadString(QStringLiteral("数据库内容"), QStringLiteral("Address"), QString(), file()),
              QStringLiteral("/场馆/数据.mdb"));
    EXPECT_TRUE(bytes().contains(QStringLiteral("[数据库内容]").toUtf8())) << "stored as UTF-8";

    // Rewriting a key replaces it in place and keeps the rest.
    ASSERT_TRUE(IniWriteString(QStringLiteral("setting"), QStringLiteral("accountforbill"), QStringLiteral("5"), file()));
    EXPECT_EQ(IniReadString(QStringLiteral("Setting"), QStringLiteral("AccountForBill"), QString(), file()),
              QStringLiteral("5"));
    EXPECT_EQ(bytes().count("AccountForBill") + bytes().count("accountforbill"), 1);
    EXPECT_EQ(IniReadString(QStringLiteral("数据库内容"), QStringLiteral("小票打印"), QString(), file()), value);
}

TEST_F(Ini, RefusesWhatWouldBreakTheFile)
{
    EXPECT_FALSE(IniWriteString(QStringLiteral("Setting"), QStringLiteral("K"), QStringLiteral("a\nb=c"), file()));
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_FALSE(IniWriteString(QStringLiteral("Setting"), QStringLiteral("K"), QStringLiteral("v"),
                                dir.path() + QStringLiteral("/no/such/folder/x.ini")));
}

TEST_F(Ini, AHandEditedFileIsRead)
{
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF; venue settings\r\n[Setting]\r\n  RingMode =  多次响铃  \r\nBillPrint=\"开单时自动打印\"\r\n");
    f.close();
    EXPECT_EQ(IniReadString(QStringLiteral("Setting"), QStringLiteral("RingMode"), QString(), file()),
              QStringLiteral("多次响铃"));
    EXPECT_EQ(IniReadString(QStringLiteral("Setting"), QStringLiteral("BillPrint"), QString(), file()),
              QStringLiteral("开单时自动打印"));
}

TEST_F(Ini, AnEmptyFileGivesEveryDefault)
{
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const Options o(file(), QStringLiteral("/opt/venue/"));
    EXPECT_EQ(o.read(opt::LoginMode), QStringLiteral("自动登录"));
    EXPECT_EQ(o.read(opt::RingFile), QStringLiteral("/opt/venue/ShortRing.wav"));
    EXPECT_EQ(o.read(opt::RingMode), QStringLiteral("一次响铃"));
    EXPECT_EQ(o.read(opt::TicketPrint), QStringLiteral("结帐时打印小票"));
    EXPECT_EQ(o.read(opt::AccountForBill), QStringLiteral("2"));
    EXPECT_EQ(o.read(opt::PrintType), QStringLiteral("纵向打印"));
    EXPECT_EQ(o.read(opt::MoneyIndex), QStringLiteral("按日期生成编号"));
    EXPECT_EQ(o.read(opt::AccountType), QStringLiteral("1"));
    EXPECT_EQ(o.read(opt::AccountType, QStringLiteral("5")), QStringLiteral("5"));
    EXPECT_EQ(defaultFinanceColumnWidth(QStringLiteral("MoneyRemark")), 128);
}

}  // namespace
