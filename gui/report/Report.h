#pragma once
// Our small banded report engine. A template (a JSON file in Frf/) describes
// the page and its bands: a title on the first page, a header on every page
// (column titles repeat on each page), a group header and footer around the
// rows that share a field's value, a data band printed once per row of the
// master query, a summary at the end and a page footer at the foot of every
// page. Pages may be landscape. Texts hold [Name] references: a field of the
// master query's current row, else a variable the calling window supplies,
// else a built-in ([#Page], [#Pages], [#Date], [#Time]). Aggregates run over
// the group in a group footer and over every row elsewhere: [Sum(Field)],
// [Count]. [Capitals(Name)] writes an amount in Chinese capitals.
// "[Name:0.00]" formats a number. An item with "when": "Field=Value" prints
// only on the rows whose field holds the value.
#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

class QPainter;
class QPagedPaintDevice;

namespace velbrisk {

class Query;

struct ReportItem {
    QRectF rect;  // millimetres within the band
    QString text;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    double fontSize = 9;
    bool bold = false;
    bool frame = false;
    bool line = false;  // a horizontal rule along the rect's top
    // "Field=Value": the item prints only for a row whose field holds that
    // value (a rule above a statement's total line, say).
    QString whenField, whenValue;
};

struct ReportBand {
    enum Kind { Title, Header, GroupHeader, Data, GroupFooter, Summary, PageFooter } kind = Data;
    double height = 5;  // millimetres
    QString groupField;  // group bands: the field whose value makes a group
    QList<ReportItem> items;
};

struct ReportTemplate {
    QSizeF pageSize{210, 297};  // millimetres; height 0: as long as the content
    double margin = 10;
    bool landscape = false;
    QString fontFamily = QStringLiteral("WenQuanYi Micro Hei");
    QList<ReportBand> bands;

    // Reads a template file; nullopt with `error` set when it cannot.
    static std::optional<ReportTemplate> load(const QString& path, QString* error = nullptr);
    static std::optional<ReportTemplate> parse(const QByteArray& json, QString* error = nullptr);
};

// A prepared report: pages of placed texts, ready to paint anywhere.
struct PlacedText {
    QRectF rect;  // millimetres on the page
    QString text;
    Qt::Alignment align;
    double fontSize;
    bool bold;
    bool frame;
    bool line;
};

struct PreparedReport {
    QSizeF pageSize;  // millimetres
    bool landscape = false;
    QString fontFamily;
    QList<QList<PlacedText>> pages;

    // Every text of every page, in order (for finding and for tests).
    QStringList texts() const;
    int findPage(const QString& needle, int fromPage = 0) const;  // -1 when absent
};

// Answers the template's requests for variables by name; nullopt leaves the
// name to the template (it prints as written).
using VariableProvider = std::function<std::optional<QString>(const QString& name)>;

// Binds the master band to `master` (may be null: the data band then prints
// nothing) and prepares every page. The query's rows are walked from the first.
PreparedReport prepareReport(const ReportTemplate& t, Query* master, const VariableProvider& variables);

// Paints one page onto a painter set up for a device of the page's size;
// texts holding `mark` (when not empty) on a yellow ground.
void paintPage(const PreparedReport& r, int page, QPainter& p, const QRectF& target, const QString& mark = QString());
// Paints every page onto a printer or PDF writer.
bool printReport(const PreparedReport& r, QPagedPaintDevice& device, const QString& mark = QString());
bool writePdf(const PreparedReport& r, const QString& path);

// Shows a prepared report to the person: the preview in the program, a PDF in tests.
class ReportPresenter {
public:
    virtual ~ReportPresenter() = default;
    virtual void present(const PreparedReport& report, const QString& title) = 0;
};

// Loads a template, prepares it over `master` and presents it under `title`.
// False with `error` set when the template cannot be read.
bool presentReport(const QString& templatePath, Query* master, const VariableProvider& variables,
                   ReportPresenter& presenter, const QString& title, QString* error);

}  // namespace velbrisk
