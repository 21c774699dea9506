#include "core/admin/Users.h"

#include "core/data/JetSql.h"
#include "core/data/Query.h"
#include "core/data/SaveResult.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace velbrisk {

namespace {
const QString kPrefix = QStringLiteral("sha256$");

QString digest(const QString& salt, const QString& password)
{
    return QString::fromLatin1(
        QCryptographicHash::hash((salt + QLatin1Char('$') + password).toUtf8(), QCryptographicHash::Sha256).toHex());
}
}  // namespace

QString hashPassword(const QString& password)
{
    if (password.isEmpty())
        return QString();
    QByteArray salt(12, Qt::Uninitialized);
    for (char& c : salt)
        c = char(QRandomGenerator::system()->bounded(256));
    const QString s = QString::fromLatin1(salt.toHex());
    return kPrefix + s + QLatin1Char('$') + digest(s, password);
}

bool passwordMatches(const QString& stored, const QString& typed)
{
    if (stored.isEmpty())
        return typed.isEmpty();
    if (stored.startsWith(kPrefix)) {
        const QStringList parts = stored.mid(kPrefix.size()).split(QLatin1Char('$'));
        if (parts.size() == 2)
            return digest(parts[0], typed) == parts[1];
    }
    return stored == typed;
}

QString rightsText(bool reports, bool finance, bool settings)
{
    QStringList words;
    if (reports)
        words << QStringLiteral("经营报表");
    if (finance)
        words << QStringLiteral("财务管理");
    if (settings)
        words << QStringLiteral("参数设置");
    return words.join(QStringLiteral("，"));
}

SaveResult saveUser(Query& q, const UserInput& in)
{
    const QString manager = QString::fromUtf8(kManager);
    if (in.name.isEmpty())
        return SaveResult::refused(QStringLiteral("用户名称不能为空"), QStringLiteral("Name"));
    return writeAll(q, [&] {
        if (in.isNew) {
            if (nameTaken(q, QStringLiteral("Power"), QStringLiteral("PowerName"), in.name))
                return SaveResult::refused(QStringLiteral("该用户名称已经存在，请重新操作"), QStringLiteral("Name"));
            q.setSql(QStringLiteral("Select * From Power"));
            q.open();
            q.insert();
            q.setValue(QStringLiteral("PowerName"), in.name);
            q.setValue(QStringLiteral("PowerKey"), hashPassword(in.password));
            q.setValue(QStringLiteral("PowerRange"), in.rights);
            q.post();
            return SaveResult::done(QStringLiteral("用户　") + in.name + QStringLiteral("　新增成功"));
        }
        const QString byIndex = QStringLiteral("Select * From Power Where PowerIndex = ") + QString::number(in.editIndex);
        q.setSql(byIndex);
        q.open();
        if (q.eof())
            return SaveResult::refused(QString());
        const QString stored = q.str(QStringLiteral("PowerName"));
        if (stored == manager && in.name != manager)
            return SaveResult::refused(QStringLiteral("经营主管帐号不能修改"));
        if (in.name != stored && nameTaken(q, QStringLiteral("Power"), QStringLiteral("PowerName"), in.name, in.editIndex))
            return SaveResult::refused(QStringLiteral("该用户名称已经存在，请重新操作"), QStringLiteral("Name"));
        q.setSql(byIndex);
        q.open();
        if (q.eof())
            return SaveResult::refused(QStringLiteral("找不到要修改的用户"));
        q.edit();
        q.setValue(QStringLiteral("PowerName"), in.name);
        if (!in.keepPassword)
            q.setValue(QStringLiteral("PowerKey"), hashPassword(in.password));
        if (in.name != manager)
            q.setValue(QStringLiteral("PowerRange"), in.rights);
        q.post();
        return SaveResult::done(QStringLiteral("用户权限修改成功"));
    }, QStringLiteral("数据库打开失败："));
}

}  // namespace velbrisk

namespace velbrisk {

LoginCheck checkLogin(Query& q, const QString& name, const QString& typed)
{
    LoginCheck c;
    QueryLease lease(q);
    try {
        lease.open(QStringLiteral("Select * From Power Where PowerName = ") + quoted(name));
        // Names compare exactly here: the login list offers them as stored.
        for (q.first(); !q.eof(); q.next())
            if (q.str(QStringLiteral("PowerName")) == name) {
                c.found = true;
                c.name = name;
                const QString stored = q.str(QStringLiteral("PowerKey"));
                c.emptyPassword = stored.isEmpty();
                c.matches = passwordMatches(stored, typed);
                c.rights = q.str(QStringLiteral("PowerRange"));
                break;
            }
    } catch (const Failure&) {
        // Unreadable: no such user, the login refuses.
    }
    return c;
}

}  // namespace velbrisk
