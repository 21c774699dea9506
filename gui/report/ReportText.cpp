#include "gui/report/ReportText.h"

#include "core/data/Clock.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"

#include <QRegularExpression>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace velbrisk::report {

void Totals::add(Query& row, const QStringList& fields)
{
    ++count;
    for (const QString& f : fields)
        sums[f.toLower()] += row.num(f);
}

const QString kPagesMark = QStringLiteral("\u0001PAGES\u0001");

namespace {

QString formatted(double number, const QString& format)
{
    const qsizetype dot = format.indexOf(QLatin1Char('.'));
    return QString::number(number, 'f', dot < 0 ? 0 : int(format.size() - dot - 1));
}

// A text keeps this much room (millimetres) from each side of its item.
constexpr double kTextPadding = 0.8;

}  // namespace

QString expand(const QString& text, Query* row, const QHash<QString, QString>* snapshot, const VariableProvider& vars,
               int page, const Totals* totals)
{
    static const QRegularExpression ref(
        QStringLiteral(R"(\[(?:(Sum|Count|Capitals)\((\w*)\)|([#A-Za-z_][\w]*))(?::([0#.,]+))?\])"));
    QString out;
    qsizetype last = 0;
    auto it = ref.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        const QString function = m.captured(1);
        const QString argument = m.captured(2);
        const QString name = m.captured(3);
        const QString format = m.captured(4);
        std::optional<QString> value;
        double number = 0;
        bool numeric = false;
        auto lookUp = [&](const QString& n) -> std::optional<QString> {
            if (row && row->isOpen() && row->hasField(n) && !row->eof())
                return row->str(n);
            if (snapshot && snapshot->contains(n.toLower()))
                return snapshot->value(n.toLower());
            return vars ? vars(n) : std::nullopt;
        };
        if (function == QLatin1String("Sum")) {
            number = totals ? totals->sums.value(argument.toLower()) : 0;
            value = QString::number(number, 'f', 2);
            numeric = true;
        } else if (function == QLatin1String("Count") || name == QLatin1String("Count")) {
            number = totals ? totals->count : 0;
            value = QString::number(int(number));
            numeric = true;
        } else if (function == QLatin1String("Capitals")) {
            bool ok = false;
            const std::optional<QString> amount = lookUp(argument);
            const double a = amount ? amount->toDouble(&ok) : 0;
            if (ok)
                value = AmountInWords(a);
        } else if (name == QLatin1String("#Page")) {
            value = QString::number(page + 1);
        } else if (name == QLatin1String("#Pages")) {
            value = kPagesMark;
        } else if (name == QLatin1String("#Date")) {
            value = Clock::today().toString(QStringLiteral("yyyy-MM-dd"));
        } else if (name == QLatin1String("#Time")) {
            value = Clock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        } else {
            value = lookUp(name);
            if (value) {
                bool ok = false;
                number = value->toDouble(&ok);
                numeric = ok;
            }
        }
        if (!value) {
            out += m.captured(0);
            continue;
        }
        out += !format.isEmpty() && numeric ? formatted(number, format) : *value;
    }
    out += text.mid(last);
    return out;
}

QTextOption textOption(Qt::Alignment align)
{
    QTextOption o(align);
    o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return o;
}

QFont reportFont(const QString& family, double points, bool bold, double pixelsPerMm)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(points * 0.3528 * pixelsPerMm))));  // points to millimetres
    f.setBold(bold);
    return f;
}

QRectF textArea(const QRectF& item) { return item.adjusted(kTextPadding, 0, -kTextPadding, 0); }

// Measured a little narrower than drawn: glyphs come out a little wider on
// some devices, and a text must never need more lines there than here.
double wrappedHeight(const QString& text, const QString& family, double points, bool bold, double width)
{
    constexpr double kPxPerMm = 20;
    width = std::max(1.0, width - 2 * kTextPadding) * 0.97;
    QTextLayout layout(text, reportFont(family, points, bold, kPxPerMm));
    layout.setTextOption(textOption(Qt::AlignLeft));
    layout.beginLayout();
    double height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width * kPxPerMm);
        height += line.height();
    }
    layout.endLayout();
    return height / kPxPerMm;
}

}  // namespace velbrisk::report
