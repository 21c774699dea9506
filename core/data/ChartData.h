#pragma once
// What a chart shows: labelled values read from a query.
#include <QList>
#include <QString>

namespace velbrisk {

class Query;

struct ChartPoint {
    QString label;
    double value = 0;
};

// The rows of an open query as points, from the first: a value of 0 is no
// point; at most `most` points.
QList<ChartPoint> readChartPoints(Query& q, const QString& labelField, const QString& valueField, int most = 20);

}  // namespace velbrisk
