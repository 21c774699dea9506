#pragma once
// Writes a list into a real spreadsheet file (.xlsx): a date line, the
// column titles and one row per record. The grid's footer line is no record
// and stays out, so that a sum in the sheet counts every amount once.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace velbrisk {

class Query;

struct SheetColumn {
    QString title;
    QString field;
};

// The text of a cell as the sheet gets it (dates as yyyy.mm.dd or
// yyyy.mm.dd hh.nn.ss, everything else as the field's text).
QString sheetCellText(Query& q, int row, int column);
// True when the sheet should hold `text` as a number (as a spreadsheet reads
// a typed text: 007 becomes 7, SR24031503 stays text).
bool looksLikeNumber(const QString& text, double* value = nullptr);

// Writes the sheet; false with `error` set when the file cannot be written.
// `progress` (may be empty) hears 0..100 as rows are written.
bool writeQuerySheet(const QString& path, const QDate& today, const QList<SheetColumn>& columns, Query& query,
                     QString* error, const std::function<void(int)>& progress = {});

}  // namespace velbrisk
