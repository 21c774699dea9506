#include "gui/widgets/EditDialog.h"

#include "core/data/Platform.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "gui/widgets/Buttons.h"

namespace velbrisk {

QString modeText(EditMode mode)
{
    return mode == EditMode::New ? QStringLiteral("新增") : QStringLiteral("修改");
}

EditDialog::EditDialog(Reporter& reporter, QWidget* parent) : QDialog(parent), m_reporter(reporter) {}

int EditDialog::exec()
{
    prepare();
    return QDialog::exec();
}

QHBoxLayout* EditDialog::buttonRow(const std::function<void()>& onOk, const QString& okText)
{
    return okCancelRow(this, onOk, okText);
}

bool EditDialog::openEditedRow(Query& q, const QString& sql, const QString& failure)
{
    if (OpenQuery(q, sql, failure) && !q.eof())
        return true;
    if (q.isOpen())
        m_reporter.inform(QStringLiteral("找不到要修改的记录"));
    q.close();
    QMetaObject::invokeMethod(this, [this] { reject(); }, Qt::QueuedConnection);
    return false;
}

bool EditDialog::finish(const SaveResult& result)
{
    if (!result.message.isEmpty())
        m_reporter.inform(result.message);
    if (!result.saved) {
        if (QWidget* field = m_fields.value(result.focus))
            field->setFocus();
        return false;
    }
    accept();
    return true;
}

}  // namespace velbrisk
