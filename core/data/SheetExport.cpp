#include "core/data/SheetExport.h"

#include "core/data/DateText.h"
#include "core/data/Query.h"

#include <QFile>
#include <QRegularExpression>
#include <xlsxwriter.h>

namespace velbrisk {

bool looksLikeNumber(const QString& text, double* value)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*-?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?\s*$)"));
    if (!number.match(text).hasMatch())
        return false;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (ok && value)
        *value = v;
    return ok;
}

QString sheetCellText(Query& q, int row, int column)
{
    const QVariant raw = q.valueAt(row, column);
    if (raw.isNull())
        return QString();
    if (q.fieldType(column) == FieldType::DateTime) {
        const QString shown = Query::displayText(raw, FieldType::DateTime);
        const auto dt = fromStoredDate(raw.toString());
        if (!dt)
            return shown;
        return dt->toString(shown.size() > 10 ? QStringLiteral("yyyy.MM.dd HH.mm.ss") : QStringLiteral("yyyy.MM.dd"));
    }
    return q.textAt(row, column);
}

bool writeQuerySheet(const QString& path, const QDate& today, const QList<SheetColumn>& columns, Query& query,
                     QString* error, const std::function<void(int)>& progress)
{
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook* book = workbook_new(file.constData());
    if (!book) {
        if (error)
            *error = QStringLiteral("无法建立文件：%1").arg(path);
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    auto text = [&](int r, int c, const QString& s) {
        const QByteArray u = s.toUtf8();
        worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), u.constData(), nullptr);
    };
    auto cell = [&](int r, int c, const QString& s) {
        double v = 0;
        if (s.isEmpty())
            return;
        if (looksLikeNumber(s, &v))
            worksheet_write_number(sheet, lxw_row_t(r), lxw_col_t(c), v, nullptr);
        else
            text(r, c, s);
    };

    text(0, 0, QStringLiteral("日期:") + today.toString(QStringLiteral("yyyy年MM月dd日")));
    QList<int> fields;
    for (int c = 0; c < columns.size(); ++c) {
        text(2, c, columns[c].title);  // titles stay text
        fields << query.fieldIndex(columns[c].field);
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), 14, nullptr);
    }
    int row = 3;
    if (query.isOpen()) {
        const int total = std::max(1, query.recordCount());
        for (int r = 0;; ++r) {
            if (r >= query.fetchedCount() && !query.canFetchMore())
                break;
            query.valueAt(r, 0);  // fetches the row when needed
            if (r >= query.fetchedCount())
                break;
            for (int c = 0; c < columns.size(); ++c)
                if (fields[c] >= 0)
                    cell(row, c, sheetCellText(query, r, fields[c]));
            ++row;
            if (progress && r % 500 == 0)
                progress(int(qint64(r) * 100 / total));
        }
    }
    const lxw_error rc = workbook_close(book);
    if (progress)
        progress(100);
    if (rc != LXW_NO_ERROR) {
        if (error)
            *error = QStringLiteral("写入文件时出错：%1（%2）").arg(path, QString::fromUtf8(lxw_strerror(rc)));
        return false;
    }
    return true;
}

}  // namespace velbrisk
