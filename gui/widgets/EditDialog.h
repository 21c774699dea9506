#pragma once
// The base of every edit window: its mode and row, the preparation at each
// showing, the "确定"/"取消" row, and the ending of a save.
#include "core/data/SaveResult.h"

#include <QDialog>
#include <QHash>
#include <functional>

class QHBoxLayout;

namespace velbrisk {

class Query;
class Reporter;

// What the caller opens an edit window for (the windows' `Mode`).
enum class EditMode { New, Edit };
// "新增" or "修改", as captions show it.
QString modeText(EditMode mode);

class EditDialog : public QDialog {
    Q_OBJECT
public:
    explicit EditDialog(Reporter& reporter, QWidget* parent = nullptr);

    EditMode Mode = EditMode::New;
    int EditIndex = 0;  // the row to change when editing
    bool isNew() const { return Mode == EditMode::New; }

    // Fills the window for this showing; exec() runs it first.
    virtual void prepare() = 0;
    int exec() override;

protected:
    // The right-aligned "确定" / "取消" row: the first runs `onOk`, the second
    // closes the window with Cancel.
    QHBoxLayout* buttonRow(const std::function<void()>& onOk, const QString& okText = QStringLiteral("确定"));
    // A field a refused save may name for the cursor.
    void setField(const QString& key, QWidget* field) { m_fields.insert(key, field); }
    // Opens the row an edit showing works on. When the query fails (its
    // message shown) or the row is gone ("找不到要修改的记录"), the window
    // closes with Cancel as soon as it shows, and this returns false.
    bool openEditedRow(Query& q, const QString& sql, const QString& failure);
    // Shows the result's message; a refusal puts the cursor in its field and
    // keeps the window open, a save closes it with OK. True when saved.
    bool finish(const SaveResult& result);

private:
    Reporter& m_reporter;
    QHash<QString, QWidget*> m_fields;
};

}  // namespace velbrisk
