#include "core/data/ShareDM.h"

#include "core/data/PublicFunction.h"

namespace velbrisk {

TShareDataModule::TShareDataModule(Reporter* reporter)
    : ADOQueryTemp(ADOConnection1), ADOQueryTemp2(ADOConnection1), ADOQueryTemp3(ADOConnection1)
{
    ADOConnection1.setReporter(reporter);
}

void TShareDataModule::connect()
{
    QString path, password;
    if (!ParseConnectionString(m_connectionString, &path, &password))
        throw DbError(QStringLiteral("数据库连接字符串有误"));
    disconnect();
    ADOConnection1.open(path, password, true, false, m_journal);
}

void TShareDataModule::disconnect()
{
    ADOQueryTemp.close();
    ADOQueryTemp2.close();
    ADOQueryTemp3.close();
    ADOConnection1.close();
}

}  // namespace velbrisk
