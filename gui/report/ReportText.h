#pragma once
// Inside the report engine: how a template's texts are expanded, measured
// and set, shared by the pagination and the painting.
#include "gui/report/Report.h"

#include <QFont>
#include <QHash>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextOption>

namespace velbrisk::report {

// Counts and sums of the rows placed so far (of a group, or of the report).
struct Totals {
    int count = 0;
    QHash<QString, double> sums;  // lower-case field -> sum
    void add(Query& row, const QStringList& fields);
};

// Stands for the number of pages until every page is laid out.
extern const QString kPagesMark;

// Expands the [..] references of a text. `row` is the master's current row
// (null outside the data rows), `snapshot` the last row's fields for a group
// footer, `totals` what aggregates run over.
QString expand(const QString& text, Query* row, const QHash<QString, QString>* snapshot, const VariableProvider& vars,
               int page, const Totals* totals);

// Texts wrap at word boundaries, or anywhere in a word too long for its line.
QTextOption textOption(Qt::Alignment align);
QFont reportFont(const QString& family, double points, bool bold, double pixelsPerMm);
// Where an item's text goes: a margin inside it, so the columns of a list
// never touch.
QRectF textArea(const QRectF& item);
// Height in millimetres that `text` takes when wrapped at `width` millimetres.
double wrappedHeight(const QString& text, const QString& family, double points, bool bold, double width);

}  // namespace velbrisk::report
