#include "core/data/JetFunctions.h"

#include "core/data/Clock.h"
#include "core/data/DateText.h"

#include <QString>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <sqlite3.h>
#include <string>

namespace velbrisk {

double jetRound(double x, int digits)
{
    // Rounds the decimal value as written (its shortest exact text), half to
    // even: 2.675 -> 2.68, 2.665 -> 2.66, 0.125 -> 0.12.
    if (!std::isfinite(x) || x == 0 || digits < 0 || digits > 15)
        return x;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    const std::string text(buf, res.ptr);
    const bool negative = text[0] == '-';
    const size_t e = text.find('e');
    std::string mant = text.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
    mant.erase(std::remove(mant.begin(), mant.end(), '.'), mant.end());
    const int exponent = std::stoi(text.substr(e + 1));
    const long keep = long(exponent) + 1 + digits;  // digits of `mant` that stay
    if (keep >= long(mant.size()))
        return x;
    if (keep < 0)
        return negative ? -0.0 : 0.0;
    const char first = mant[size_t(keep)];
    const bool restNonZero = mant.find_first_not_of('0', size_t(keep) + 1) != std::string::npos;
    const bool lastOdd = keep > 0 && (mant[size_t(keep) - 1] - '0') % 2 == 1;
    const bool up = first > '5' || (first == '5' && (restNonZero || lastOdd));
    std::string kept = keep > 0 ? mant.substr(0, size_t(keep)) : std::string("0");
    if (up) {
        int i = int(kept.size()) - 1;
        while (i >= 0 && kept[size_t(i)] == '9')
            kept[size_t(i--)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[size_t(i)];
    }
    const std::string out = (negative ? "-" : "") + kept + "e" + std::to_string(exponent + 1 - keep);
    return std::strtod(out.c_str(), nullptr);
}

namespace {

QString textArg(sqlite3_value* v)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

void resultInt(sqlite3_context* ctx, qint64 v) { sqlite3_result_int64(ctx, v); }

void fnInstr(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const int base = argc == 3 ? 1 : 0;
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    qsizetype start = 0;
    if (argc == 3) {
        start = sqlite3_value_int(argv[0]) - 1;
        if (start < 0) {
            sqlite3_result_error(ctx, "InStr: start must be 1 or more", -1);
            return;
        }
    }
    const QString hay = textArg(argv[base]);
    const QString needle = textArg(argv[base + 1]);
    if (start > hay.size()) {
        resultInt(ctx, 0);
        return;
    }
    // Jet compares text without regard to case.
    resultInt(ctx, hay.indexOf(needle, start, Qt::CaseInsensitive) + 1);
}

void fnRound(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const int digits = sqlite3_value_type(argv[1]) == SQLITE_NULL ? 0 : sqlite3_value_int(argv[1]);
    sqlite3_result_double(ctx, jetRound(sqlite3_value_double(argv[0]), digits));
}

template <int Part>
void fnDatePart(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto dt = fromStoredDate(textArg(argv[0]));
    if (!dt) {
        sqlite3_result_null(ctx);
        return;
    }
    int v = 0;
    switch (Part) {
    case 0: v = dt->date().year(); break;
    case 1: v = dt->date().month(); break;
    case 2: v = dt->date().day(); break;
    case 3: v = dt->time().hour(); break;
    case 4: v = dt->time().minute(); break;
    default: v = dt->time().second(); break;
    }
    resultInt(ctx, v);
}

void resultText(sqlite3_context* ctx, const QString& s)
{
    const QByteArray b = s.toUtf8();
    sqlite3_result_text(ctx, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}

void fnNow(sqlite3_context* ctx, int, sqlite3_value**) { resultText(ctx, toStoredDate(Clock::now())); }
void fnDate(sqlite3_context* ctx, int, sqlite3_value**) { resultText(ctx, toStoredDate(Clock::today())); }

void fnRight(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString s = textArg(argv[0]);
    const int n = std::max(0, sqlite3_value_int(argv[1]));
    resultText(ctx, s.right(n));
}

}  // namespace

void registerJetFunctions(sqlite3* db)
{
    struct Fn {
        const char* name;
        int args;
        void (*fn)(sqlite3_context*, int, sqlite3_value**);
        bool deterministic;
    };
    const Fn fns[] = {
        {"jet_instr", 2, fnInstr, true},           {"jet_instr3", 3, fnInstr, true},
        {"jet_round", 2, fnRound, true},           {"jet_year", 1, fnDatePart<0>, true},
        {"jet_month", 1, fnDatePart<1>, true},     {"jet_day", 1, fnDatePart<2>, true},
        {"jet_hour", 1, fnDatePart<3>, true},      {"jet_minute", 1, fnDatePart<4>, true},
        {"jet_second", 1, fnDatePart<5>, true},    {"jet_now", 0, fnNow, false},
        {"jet_date", 0, fnDate, false},            {"jet_right", 2, fnRight, true},
    };
    for (const Fn& f : fns) {
        const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        sqlite3_create_function_v2(db, f.name, f.args, flags, nullptr, f.fn, nullptr, nullptr, nullptr);
    }
}

}  // namespace velbrisk
