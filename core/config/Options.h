#pragma once
// Every key of the configuration file with its default, in one table.
#include <QString>

namespace velbrisk {

struct OptionKey {
    const char* section;
    const char* key;
    const char* defaultValue;  // "{AppDir}" stands for the program folder
};

namespace opt {
inline constexpr OptionKey LoginMode{"Setting", "LoginMode", "自动登录"};
inline constexpr OptionKey RingFile{"Setting", "RingFile", "{AppDir}ShortRing.wav"};
inline constexpr OptionKey RingMode{"Setting", "RingMode", "一次响铃"};
inline constexpr OptionKey TicketPrint{"Setting", "小票打印", "结帐时打印小票"};
inline constexpr OptionKey AccountForBill{"Setting", "AccountForBill", "2"};
inline constexpr OptionKey PrintType{"Setting", "PrintType", "纵向打印"};
inline constexpr OptionKey MoneyIndex{"Setting", "MoneyIndex", "按日期生成编号"};
inline constexpr OptionKey AccountType{"Setting", "AccountType", "1"};
inline constexpr OptionKey AccountSortKind{"Setting", "帐户排序方式", "0"};
inline constexpr OptionKey AccountSortOrder{"Setting", "帐户排序方向", "0"};
inline constexpr OptionKey BatchVoucher{"Setting", "批量开单功能", "关闭"};
inline constexpr OptionKey BillPrint{"Setting", "BillPrint", ""};
// Not in the first version's file: without the key, overlaps pass unasked.
inline constexpr OptionKey BookOverlap{"Setting", "预订重叠", "不提醒重叠"};
// Overtime at checkout: "不计费" (billed to the planned end), "按实际时长计费"
// (billed to the checkout), or "询问"; and minutes of grace before it counts.
inline constexpr OptionKey OvertimeCharge{"Setting", "超时计费", "不计费"};
inline constexpr OptionKey OvertimeGrace{"Setting", "超时宽限分钟", "0"};
inline constexpr OptionKey LastUser{"Velbrisk", "LastUser", "经营主管"};
inline constexpr OptionKey Address{"数据库内容", "Address", ""};
}  // namespace opt

// The sections of the two finance grids' column widths.
inline constexpr const char* kLedgerWidthSection = "日记帐簿";
inline constexpr const char* kReportWidthSection = "报表中心";
// Default width of a finance grid column by its field name; 0 when unknown.
int defaultFinanceColumnWidth(const QString& field);

// The configuration as the program sees it: one file and the program folder.
class Options {
public:
    Options(QString iniFile, QString appDir) : m_file(std::move(iniFile)), m_appDir(std::move(appDir)) {}

    QString read(const OptionKey& k) const;
    // Same key, other default (the finance day counts read "AccountType" with "5").
    QString read(const OptionKey& k, const QString& defaultValue) const;
    bool write(const OptionKey& k, const QString& value) const;

    QString file() const { return m_file; }
    QString appDir() const { return m_appDir; }

    // The options that are choices between two stored words.
    bool ringEveryHour() const;       // "RingMode" is "多次响铃"
    bool ticketAtCheckout() const;    // "小票打印" is "结帐时打印小票"
    bool printPortrait() const;       // "PrintType" is "纵向打印"
    bool automaticLogin() const;      // "LoginMode" is "自动登录"
    bool manualLogin() const;         // "LoginMode" is "手动登录"
    bool batchVouchers() const;       // "批量开单功能" is "开启"
    bool printNewVouchers() const;    // "BillPrint" is "开单时自动打印"
    bool warnOverlaps() const;        // "预订重叠" is "提醒重叠"
    // "超时计费": "不计费" (and any other text), "按实际时长计费", "询问".
    enum class Overtime { NotCharged, Charged, Ask };
    Overtime overtimeCharge() const;
    // Minutes of "超时宽限分钟" (0 for anything else than 0 to 1440).
    int overtimeGraceMinutes() const;

private:
    QString m_file;
    QString m_appDir;
};

}  // namespace velbrisk
