#include "core/data/ChartData.h"

#include "core/data/Query.h"

namespace velbrisk {

QList<ChartPoint> readChartPoints(Query& q, const QString& labelField, const QString& valueField, int most)
{
    QList<ChartPoint> points;
    for (q.first(); !q.eof() && points.size() < most; q.next()) {
        const double value = q.num(valueField);
        if (value != 0)
            points.append({q.str(labelField), value});
    }
    return points;
}

}  // namespace velbrisk
