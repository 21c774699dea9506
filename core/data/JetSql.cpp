#include "core/data/JetSql.h"

#include "core/data/DateText.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <vector>

namespace velbrisk {

JetSyntaxError::JetSyntaxError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

QString quoted(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

QString jetDate(const QDate& date)
{
    return QLatin1Char('#') + date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('#');
}

QString jetDateTime(const QDateTime& dt)
{
    return QLatin1Char('#') + dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char('#');
}

namespace {

enum class Tok { Space, Word, Number, String, Date, LParen, RParen, Comma, Star, Semicolon, Other };

struct Token {
    Tok kind;
    QString text;  // for String: the literal already in engine form
};

bool isWordStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$'); }

std::vector<Token> tokenize(const QString& s)
{
    std::vector<Token> out;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            qsizetype j = i;
            while (j < n && s[j].isSpace())
                ++j;
            out.push_back({Tok::Space, QStringLiteral(" ")});
            i = j;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // Jet takes both quote characters for text; the engine wants single ones.
            QString value;
            qsizetype j = i + 1;
            bool closed = false;
            while (j < n) {
                if (s[j] == c) {
                    if (j + 1 < n && s[j + 1] == c) {
                        value += c;
                        j += 2;
                        continue;
                    }
                    closed = true;
                    break;
                }
                value += s[j++];
            }
            if (!closed)
                throw JetSyntaxError(QStringLiteral("SQL语句中的文字缺少结束引号"));
            out.push_back({Tok::String, quoted(value)});
            i = j + 1;
        } else if (c == QLatin1Char('#')) {
            const qsizetype j = s.indexOf(QLatin1Char('#'), i + 1);
            if (j < 0)
                throw JetSyntaxError(QStringLiteral("SQL语句中的日期缺少结束的#号"));
            const QString body = s.mid(i + 1, j - i - 1);
            const auto dt = parseLooseDate(body);
            if (!dt)
                throw JetSyntaxError(QStringLiteral("SQL语句中的日期无效：#%1#").arg(body));
            out.push_back({Tok::Date, QLatin1Char('\'') + toStoredDate(*dt) + QLatin1Char('\'')});
            i = j + 1;
        } else if (c == QLatin1Char('[')) {
            const qsizetype j = s.indexOf(QLatin1Char(']'), i + 1);
            if (j < 0)
                throw JetSyntaxError(QStringLiteral("SQL语句中的名称缺少结束的]号"));
            QString name = s.mid(i + 1, j - i - 1);
            name.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            out.push_back({Tok::Word, QLatin1Char('"') + name + QLatin1Char('"')});
            i = j + 1;
        } else if (isWordStart(c)) {
            qsizetype j = i;
            while (j < n && isWordChar(s[j]))
                ++j;
            out.push_back({Tok::Word, s.mid(i, j - i)});
            i = j;
        } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && s[i + 1].isDigit())) {
            qsizetype j = i;
            while (j < n && (s[j].isDigit() || s[j] == QLatin1Char('.')))
                ++j;
            if (j < n && (s[j] == QLatin1Char('e') || s[j] == QLatin1Char('E'))) {
                qsizetype k = j + 1;
                if (k < n && (s[k] == QLatin1Char('+') || s[k] == QLatin1Char('-')))
                    ++k;
                if (k < n && s[k].isDigit()) {
                    j = k;
                    while (j < n && s[j].isDigit())
                        ++j;
                }
            }
            out.push_back({Tok::Number, s.mid(i, j - i)});
            i = j;
        } else if (c == QLatin1Char('(')) {
            out.push_back({Tok::LParen, QStringLiteral("(")});
            ++i;
        } else if (c == QLatin1Char(')')) {
            out.push_back({Tok::RParen, QStringLiteral(")")});
            ++i;
        } else if (c == QLatin1Char(',')) {
            out.push_back({Tok::Comma, QStringLiteral(",")});
            ++i;
        } else if (c == QLatin1Char('*')) {
            out.push_back({Tok::Star, QStringLiteral("*")});
            ++i;
        } else if (c == QLatin1Char(';')) {
            out.push_back({Tok::Semicolon, QStringLiteral(";")});
            ++i;
        } else if (c == QLatin1Char('&')) {
            // Jet's text concatenation turns numbers and Null into text its
            // own way; no engine operator does the same.
            throw JetSyntaxError(QStringLiteral("不支持的SQL写法：&"));
        } else if (c == QLatin1Char('?')) {
            throw JetSyntaxError(QStringLiteral("SQL语句中不能含有参数占位符“?”"));
        } else if (c == QLatin1Char('-') && i + 1 < n && s[i + 1] == QLatin1Char('-')) {
            throw JetSyntaxError(QStringLiteral("SQL语句中不能含有注释"));
        } else if (c == QLatin1Char('/') && i + 1 < n && s[i + 1] == QLatin1Char('*')) {
            throw JetSyntaxError(QStringLiteral("SQL语句中不能含有注释"));
        } else {
            // Operators: = < > <> <= >= + - / . and the like pass unchanged.
            qsizetype j = i + 1;
            if ((c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('!'))
                && j < n && (s[j] == QLatin1Char('=') || s[j] == QLatin1Char('>')))
                ++j;
            out.push_back({Tok::Other, s.mid(i, j - i)});
            i = j;
        }
    }
    return out;
}

// Keywords that may stand right before an opening bracket without being a call.
const QSet<QString>& keywordsBeforeParen()
{
    static const QSet<QString> words = {
        QStringLiteral("IN"),     QStringLiteral("EXISTS"), QStringLiteral("FROM"),
        QStringLiteral("JOIN"),   QStringLiteral("AND"),    QStringLiteral("OR"),
        QStringLiteral("NOT"),    QStringLiteral("WHERE"),  QStringLiteral("ON"),
        QStringLiteral("SELECT"), QStringLiteral("AS"),     QStringLiteral("BETWEEN"),
        QStringLiteral("VALUES"), QStringLiteral("SET"),    QStringLiteral("HAVING"),
        QStringLiteral("BY"),     QStringLiteral("WHEN"),   QStringLiteral("THEN"),
        QStringLiteral("ELSE"),   QStringLiteral("IS"),     QStringLiteral("ALL"),
        QStringLiteral("ANY"),    QStringLiteral("SOME"),   QStringLiteral("DISTINCT"),
        QStringLiteral("UNION"),  QStringLiteral("LIKE"),   QStringLiteral("ASC"),
        QStringLiteral("DESC"),
    };
    return words;
}

class Translator {
public:
    explicit Translator(std::vector<Token> tokens) : m_t(std::move(tokens)) {}

    QString run()
    {
        checkStatementShape();
        return render(0, m_t.size());
    }

private:
    std::vector<Token> m_t;

    static QString upper(const Token& t) { return t.text.toUpper(); }

    size_t nextSignificant(size_t i, size_t end) const
    {
        while (i < end && m_t[i].kind == Tok::Space)
            ++i;
        return i;
    }

    size_t matchingParen(size_t open, size_t end) const
    {
        int depth = 0;
        for (size_t i = open; i < end; ++i) {
            if (m_t[i].kind == Tok::LParen)
                ++depth;
            else if (m_t[i].kind == Tok::RParen && --depth == 0)
                return i;
        }
        throw JetSyntaxError(QStringLiteral("SQL语句中的括号不配对"));
    }

    void checkStatementShape()
    {
        int depth = 0;
        bool sawSemicolon = false;
        QString first;
        bool isSelect = false;
        for (size_t i = 0; i < m_t.size(); ++i) {
            const Token& t = m_t[i];
            if (t.kind == Tok::Space)
                continue;
            if (sawSemicolon)
                throw JetSyntaxError(QStringLiteral("一次只能执行一条SQL语句"));
            if (first.isEmpty()) {
                first = upper(t);
                isSelect = first == QLatin1String("SELECT");
            }
            if (t.kind == Tok::LParen)
                ++depth;
            else if (t.kind == Tok::RParen && --depth < 0)
                throw JetSyntaxError(QStringLiteral("SQL语句中的括号不配对"));
            else if (t.kind == Tok::Semicolon)
                sawSemicolon = true;
            else if (t.kind == Tok::Word) {
                const QString w = upper(t);
                if (w == QLatin1String("TOP") || w == QLatin1String("TRANSFORM")
                    || w == QLatin1String("PIVOT") || w == QLatin1String("PARAMETERS"))
                    throw JetSyntaxError(QStringLiteral("不支持的SQL写法：%1").arg(t.text));
                if (isSelect && w == QLatin1String("INTO"))
                    throw JetSyntaxError(QStringLiteral("不支持的SQL写法：Select ... Into"));
            }
        }
        if (depth != 0)
            throw JetSyntaxError(QStringLiteral("SQL语句中的括号不配对"));
        if (first.isEmpty())
            throw JetSyntaxError(QStringLiteral("SQL语句为空"));
    }

    std::vector<QString> arguments(size_t open, size_t close) const
    {
        std::vector<QString> args;
        int depth = 0;
        size_t start = open + 1;
        for (size_t i = open + 1; i < close; ++i) {
            if (m_t[i].kind == Tok::LParen)
                ++depth;
            else if (m_t[i].kind == Tok::RParen)
                --depth;
            else if (m_t[i].kind == Tok::Comma && depth == 0) {
                args.push_back(const_cast<Translator*>(this)->render(start, i).trimmed());
                start = i + 1;
            }
        }
        const QString last = const_cast<Translator*>(this)->render(start, close).trimmed();
        if (!last.isEmpty() || !args.empty())
            args.push_back(last);
        return args;
    }

    static void wantArgs(const QString& name, const std::vector<QString>& args, size_t lo, size_t hi)
    {
        if (args.size() < lo || args.size() > hi)
            throw JetSyntaxError(QStringLiteral("SQL函数 %1 的参数个数不对").arg(name));
    }

    QString call(const QString& name, const std::vector<QString>& a)
    {
        const QString n = name.toUpper();
        auto plain = [&](const char* engine, size_t lo, size_t hi) -> QString {
            wantArgs(name, a, lo, hi);
            QStringList parts(a.begin(), a.end());
            return QLatin1String(engine) + QLatin1Char('(') + parts.join(QLatin1Char(',')) + QLatin1Char(')');
        };
        if (n == QLatin1String("IIF")) {
            wantArgs(name, a, 3, 3);
            return QStringLiteral("(CASE WHEN (%1) THEN (%2) ELSE (%3) END)").arg(a[0], a[1], a[2]);
        }
        if (n == QLatin1String("INSTR")) {
            wantArgs(name, a, 2, 3);
            return a.size() == 2 ? plain("jet_instr", 2, 2) : plain("jet_instr3", 3, 3);
        }
        if (n == QLatin1String("ROUND")) {
            wantArgs(name, a, 1, 2);
            return QStringLiteral("jet_round(%1,%2)").arg(a[0], a.size() == 2 ? a[1] : QStringLiteral("0"));
        }
        if (n == QLatin1String("COUNT")) {
            wantArgs(name, a, 1, 1);
            return QStringLiteral("COUNT(%1)").arg(a[0]);
        }
        static const QHash<QString, QString> same = {
            {QStringLiteral("ABS"), QStringLiteral("abs")},   {QStringLiteral("SUM"), QStringLiteral("SUM")},
            {QStringLiteral("MAX"), QStringLiteral("MAX")},   {QStringLiteral("MIN"), QStringLiteral("MIN")},
            {QStringLiteral("AVG"), QStringLiteral("AVG")},   {QStringLiteral("LEN"), QStringLiteral("length")},
            {QStringLiteral("TRIM"), QStringLiteral("trim")}, {QStringLiteral("LTRIM"), QStringLiteral("ltrim")},
            {QStringLiteral("RTRIM"), QStringLiteral("rtrim")}, {QStringLiteral("UCASE"), QStringLiteral("upper")},
            {QStringLiteral("LCASE"), QStringLiteral("lower")}, {QStringLiteral("YEAR"), QStringLiteral("jet_year")},
            {QStringLiteral("MONTH"), QStringLiteral("jet_month")}, {QStringLiteral("DAY"), QStringLiteral("jet_day")},
            {QStringLiteral("HOUR"), QStringLiteral("jet_hour")}, {QStringLiteral("MINUTE"), QStringLiteral("jet_minute")},
            {QStringLiteral("SECOND"), QStringLiteral("jet_second")},
        };
        if (auto it = same.find(n); it != same.end()) {
            wantArgs(name, a, 1, 1);
            return it.value() + QLatin1Char('(') + a[0] + QLatin1Char(')');
        }
        if (n == QLatin1String("NOW"))
            return plain("jet_now", 0, 0);
        if (n == QLatin1String("DATE"))
            return plain("jet_date", 0, 0);
        if (n == QLatin1String("LEFT")) {
            wantArgs(name, a, 2, 2);
            return QStringLiteral("substr(%1,1,%2)").arg(a[0], a[1]);
        }
        if (n == QLatin1String("RIGHT"))
            return plain("jet_right", 2, 2);
        if (n == QLatin1String("MID"))
            return plain("substr", 2, 3);
        throw JetSyntaxError(QStringLiteral("不支持的SQL函数：%1").arg(name));
    }

    QString render(size_t begin, size_t end)
    {
        QString out;
        QString previousWord;  // upper-cased last significant word
        for (size_t i = begin; i < end; ++i) {
            const Token& t = m_t[i];
            switch (t.kind) {
            case Tok::Space:
                out += t.text;
                continue;
            case Tok::Semicolon:
                continue;  // a closing ';' is dropped; a second statement was refused earlier
            case Tok::Word: {
                const QString w = upper(t);
                const size_t next = nextSignificant(i + 1, end);
                if (next < end && m_t[next].kind == Tok::LParen && !t.text.startsWith(QLatin1Char('"'))) {
                    if (keywordsBeforeParen().contains(w) || previousWord == QLatin1String("INTO")) {
                        out += t.text;
                    } else {
                        const size_t close = matchingParen(next, end);
                        out += call(t.text, arguments(next, close));
                        i = close;
                    }
                } else if (w == QLatin1String("TRUE")) {
                    out += QStringLiteral("1");
                } else if (w == QLatin1String("FALSE")) {
                    out += QStringLiteral("0");
                } else if (w == QLatin1String("MOD")) {
                    out += QStringLiteral("%");
                } else if (w == QLatin1String("DELETE")) {
                    out += QStringLiteral("DELETE");
                    // Jet writes "Delete * From"; the engine has no star there.
                    const size_t star = nextSignificant(i + 1, end);
                    if (star < end && m_t[star].kind == Tok::Star)
                        i = star;
                } else {
                    out += t.text;
                }
                previousWord = w;
                continue;
            }
            default:
                out += t.text;
                previousWord.clear();
                continue;
            }
        }
        return out;
    }
};

}  // namespace

QString translateJet(const QString& jet)
{
    return Translator(tokenize(jet)).run().trimmed();
}

}  // namespace velbrisk
