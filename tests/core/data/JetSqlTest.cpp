// The Jet SQL that windows compose, run on real data through the translator.
#include "core/data/JetSql.h"
#include "core/data/Query.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

// A small venue: three rooms, two bookings, five money records.
class JetData : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        venue = new TestVenue;
        const char* rows[] = {
            "Insert Into Room (RoomName, RoomType, RoomPrice, RoomState, RoomBeginTime) "
            "Values ('A1', '计时收费', 20, '空闲', #2026-1-4 9:30:00#)",
            "Insert Into Room (RoomName, RoomType, RoomPrice, RoomState, RoomBeginTime) "
            "Values ('b2', '计次收费', 15, '占用', #2026-1-5 8:00:00#)",
            "Insert Into Room (RoomName, RoomType, RoomPrice, RoomState, RoomBeginTime) "
            "Values ('O''Brien', '计时收费', 30, '超时', #2026-1-5 0:00:00#)",
            "Insert Into Book (BookRoom, BookBeginTime, BookEndTime) Values ('A1', #2026-1-6 10:00#, #2026-1-6 12:00#)",
            "Insert Into Book (BookRoom, BookBeginTime, BookEndTime) Values ('A1', #2026-1-7 10:00#, #2026-1-7 12:00#)",
            "Insert Into MoneyTable (MoneyKind, MoneyAccount, MoneyCreateTime, MoneySum, MoneySerial) "
            "Values ('财务收入', 2, #2026-1-4#, 10.125, 'SR26010401')",
            "Insert Into MoneyTable (MoneyKind, MoneyAccount, MoneyCreateTime, MoneySum, MoneySerial) "
            "Values ('财务支出', 2, #2026-1-5#, -5, 'ZC26010501')",
            "Insert Into MoneyTable (MoneyKind, MoneyAccount, MoneyCreateTime, MoneySum, MoneySerial) "
            "Values ('财务收入', 3, #2026-1-5#, 2.5, 'SR26010501')",
            "Insert Into MoneyTable (MoneyKind, MoneyAccount, MoneyCreateTime, MoneySum, MoneySerial) "
            "Values ('财务收入', 3, #2026-1-6#, 100, 'SR26010601')",
            "Insert Into MoneyTable (MoneyKind, MoneyAccount, MoneyCreateTime, MoneySum) "
            "Values ('财务收入', 1, #2026-1-5#, 7)",
            "Update PrintTable Set PrintEnable = True Where PrintIndex <= 2",
        };
        for (const char* r : rows)
            venue->exec(QString::fromUtf8(r));
    }
    static void TearDownTestSuite()
    {
        delete venue;
        venue = nullptr;
    }

    // Every row of the query, columns joined by ',' and rows by '|'.
    static QString rows(const QString& jet)
    {
        Query q(venue->db());
        q.setSql(jet);
        q.open();
        QStringList out;
        for (q.first(); !q.eof(); q.next()) {
            QStringList cols;
            for (int i = 0; i < q.fieldCount(); ++i)
                cols << q.str(q.fieldName(i));
            out << cols.join(QLatin1Char(','));
        }
        return out.join(QLatin1Char('|'));
    }

    static TestVenue* venue;
};
TestVenue* JetData::venue = nullptr;

struct JetCase {
    const char* name;
    const char* jet;
    const char* expected;
};

class JetCases : public JetData, public ::testing::WithParamInterface<JetCase> {};

TEST_P(JetCases, GivesTheJetResult)
{
    const JetCase& c = GetParam();
    EXPECT_EQ(rows(QString::fromUtf8(c.jet)).toStdString(), c.expected) << c.jet;
}

const JetCase kCases[] = {
    {"reserved_row_hidden", "Select RoomName From Room Where (RoomIndex > 1) Order By RoomIndex", "A1|b2|O'Brien"},
    {"instr_as_boolean_ignores_case", "Select RoomName From Room Where InStr(RoomName,'B') Order By RoomIndex", "b2|O'Brien"},
    {"instr_under_not", "Select RoomName From Room Where (RoomIndex > 1) And Not InStr(RoomName,'b')", "A1"},
    {"instr_position_one_based", "Select InStr(RoomName,'1') From Room Where RoomIndex = 2", "2"},
    {"instr_absent_is_zero", "Select InStr(RoomName,'z') From Room Where RoomIndex = 2", "0"},
    {"instr_chinese", "Select InStr(RoomType,'次') From Room Where RoomIndex = 3", "2"},
    {"date_literal_equals_stored_day", "Select Count(*) From MoneyTable Where MoneyCreateTime = #2026-1-5#", "3"},
    {"date_literal_slashes", "Select Count(*) From MoneyTable Where MoneyCreateTime = #2026/01/05#", "3"},
    {"date_literal_month_first", "Select Count(*) From MoneyTable Where MoneyCreateTime = #1/5/2026#", "3"},
    {"date_literal_with_time", "Select RoomName From Room Where RoomBeginTime Between #2026-1-5 0:00:01# And #2026-1-5 23:59:59#", "b2"},
    {"between_is_inclusive", "Select Count(*) From MoneyTable Where MoneyCreateTime Between #2026-1-4# And #2026-1-5#", "4"},
    {"date_before_literal", "Select Count(*) From MoneyTable Where MoneyCreateTime < #2026-1-5#", "1"},
    {"iif", "Select IIF(MoneySum > 0, 'in', 'out') From MoneyTable Order By MoneyIndex", "in|out|in|in|in"},
    {"iif_null_sum", "Select IIF(Sum(MoneySum) is null,0,Sum(MoneySum)) As S From MoneyTable Where MoneyAccount = 99", "0"},
    {"iif_nested_in_sum", "Select Sum(IIF(MoneySum>0,1,0)) As N, Sum(IIF(MoneySum<0,-MoneySum,0)) As P From MoneyTable", "4,5"},
    {"iif_keeps_dates", "Select IIF((RoomState <> '占用') And (RoomState <> '超时'),'-- -- --',RoomBeginTime) As S From Room Where RoomIndex > 1 Order By RoomIndex",
     "-- -- --|2026-01-05 08:00:00|2026-01-05 00:00:00"},
    {"round_half_even_down", "Select Round(2.5) From Room Where RoomIndex = 2", "2"},
    {"round_half_even_up", "Select Round(3.5) From Room Where RoomIndex = 2", "4"},
    {"round_negative_half", "Select Round(-2.5) From Room Where RoomIndex = 2", "-2"},
    {"round_exact_binary_tie", "Select Round(0.125, 2) From Room Where RoomIndex = 2", "0.12"},
    // Ties are judged on the decimal amount as written, not its binary image.
    {"round_decimal_tie_up_to_even", "Select Round(2.675, 2) From Room Where RoomIndex = 2", "2.68"},
    {"round_decimal_tie_down_to_even", "Select Round(2.665, 2) From Room Where RoomIndex = 2", "2.66"},
    {"round_decimal_tie_to_zero", "Select Round(1.005, 2) From Room Where RoomIndex = 2", "1"},
    {"round_above_tie", "Select Round(1.0051, 2) From Room Where RoomIndex = 2", "1.01"},
    {"round_carries", "Select Round(9.995, 2) From Room Where RoomIndex = 2", "10"},
    {"round_of_sum", "Select Round(Sum(MoneySum),2) As T From MoneyTable Where MoneyAccount = 2", "5.12"},
    {"round_of_empty_sum_is_null", "Select Round(Sum(MoneySum),2) As T From MoneyTable Where MoneyAccount = 99", ""},
    {"abs_and_star", "Select ABS(MoneySum) As MSum,MoneyKind From MoneyTable Where MoneySerial = 'ZC26010501'", "5,财务支出"},
    {"true_false", "Select Count(*) From PrintTable Where PrintEnable = True", "2"},
    {"false_literal", "Select Count(*) From PrintTable Where PrintEnable = False", "198"},
    {"in_list", "Select RoomName From Room Where RoomIndex In (2,4) Order By RoomIndex", "A1|O'Brien"},
    {"subselect_in_from", "Select RoomName, Total From (Select RoomName, RoomPrice*2 As Total From Room Where RoomIndex > 1) Where Total > 35 Order By Total", "A1,40|O'Brien,60"},
    {"left_join_on", "Select RoomName, Count(BookIndex) As N From Room Left Join Book on RoomName = BookRoom Where RoomIndex > 1 Group By RoomName Order By RoomName", "A1,2|b2,0|O'Brien,0"},
    {"comma_join_group_order_by_sum_desc", "Select AccountName, Round(Sum(MoneySum),2) As T From Account,MoneyTable Where (AccountIndex = MoneyAccount) And (AccountIndex > 1) Group By AccountName Order By Sum(MoneySum) Desc", "现金,102.5|银行存款,5.12"},
    {"quote_doubled_in_text", "Select RoomName From Room Where RoomName = 'O''Brien'", "O'Brien"},
    {"double_quoted_text", "Select RoomName From Room Where RoomName = \"A1\"", "A1"},
    {"text_equality_ignores_case", "Select RoomName From Room Where RoomName = 'a1'", "A1"},
    {"group_by_date", "Select MoneyCreateTime, Count(MoneyIndex) As N From MoneyTable Group By MoneyCreateTime Order By MoneyCreateTime", "2026-01-04,1|2026-01-05,3|2026-01-06,1"},
    {"year_month_day", "Select Year(RoomBeginTime), Month(RoomBeginTime), Day(RoomBeginTime) From Room Where RoomIndex = 3", "2026,1,5"},
};

INSTANTIATE_TEST_SUITE_P(Jet, JetCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(JetData, DeleteStarRemovesTheRows)
{
    venue->exec(QStringLiteral("Insert Into Book (BookRoom) Values ('gone')"));
    EXPECT_EQ(venue->exec(QStringLiteral("Delete * From Book Where BookRoom = 'gone'")), 1);
    EXPECT_EQ(rows(QStringLiteral("Select Count(*) From Book Where BookRoom = 'gone'")), QStringLiteral("0"));
}

TEST_F(JetData, TextInsideQuotesIsNeverTouched)
{
    const QString text = QStringLiteral("IIF(True) #1/2/3# Delete * From InStr(x,'y') [a] & Top ? -- ;");
    venue->exec(QStringLiteral("Update Room Set RoomRemark = ") + quoted(text) + QStringLiteral(" Where RoomIndex = 2"));
    EXPECT_EQ(rows(QStringLiteral("Select RoomRemark From Room Where RoomIndex = 2")), text);
}

TEST_F(JetData, TypedTextCannotBreakOutOfItsQuotes)
{
    const QString evil = QStringLiteral("'; Delete * From Bill --");
    venue->exec(QStringLiteral("Insert Into Cost (CostRoom, CostBill) Values (") + quoted(evil) + QStringLiteral(", 0)"));
    EXPECT_EQ(rows(QStringLiteral("Select CostRoom From Cost Where CostRoom = ") + quoted(evil)), evil);
    EXPECT_EQ(rows(QStringLiteral("Select Count(*) From Bill")), QStringLiteral("1"));
}

struct BadJet {
    const char* name;
    const char* jet;
};

class RefusedJet : public ::testing::TestWithParam<BadJet> {};

TEST_P(RefusedJet, IsAClearErrorNotOtherSql)
{
    EXPECT_THROW(translateJet(QString::fromUtf8(GetParam().jet)), JetSyntaxError) << GetParam().jet;
}

const BadJet kBad[] = {
    {"unknown_function", "Select Format(RoomName) From Room"},
    {"top", "Select Top 5 * From Room"},
    {"two_statements", "Select * From Room; Delete * From Room"},
    {"impossible_date", "Select * From Bill Where BillCreateTime = #2026-13-45#"},
    {"unclosed_date", "Select * From Bill Where BillCreateTime = #2026-1-5"},
    {"unclosed_quote", "Select * From Room Where RoomName = 'abc"},
    {"unbalanced", "Select * From Room Where (RoomIndex > 1"},
    {"parameter", "Select * From Room Where RoomIndex = ?"},
    {"select_into", "Select * Into Other From Room"},
    {"wrong_arguments", "Select IIF(RoomIndex > 1, 1) From Room"},
    {"comment", "Select * From Room -- where"},
    {"concatenation_operator", "Select RoomName & RoomPrice From Room"},
    {"empty", "   "},
};

INSTANTIATE_TEST_SUITE_P(Jet, RefusedJet, ::testing::ValuesIn(kBad),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JetTranslate, KeepsStatementShape)
{
    EXPECT_EQ(translateJet(QStringLiteral("Delete * From Book Where BookIndex > 1")),
              QStringLiteral("DELETE From Book Where BookIndex > 1"));
    EXPECT_EQ(translateJet(QStringLiteral("Select * From [Room] Where RoomState = '空闲';")),
              QStringLiteral("Select * From \"Room\" Where RoomState = '空闲'"));
}

}  // namespace
