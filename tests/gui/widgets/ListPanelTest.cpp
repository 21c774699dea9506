// The list panel every catalogue and tab stands on, through its buttons.
#include "core/data/Query.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/ListPanel.h"
#include "tests/support/Gui.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

class Panel : public ::testing::Test {
protected:
    test::TestVenue v;
    ScriptedPrompter prompt;
    Query query{v.db()};
    ListPanel panel{prompt, query, {QStringLiteral("CostReasonIndex")}};

    void SetUp() override
    {
        v.exec(QStringLiteral("Delete * From CostReason"));
        for (const char* item : {"矿泉水", "毛巾", "球拍"})
            v.exec(QStringLiteral("Insert Into CostReason (CostReasonName, CostReasonPrice) Values ('%1', 3)").arg(QString::fromUtf8(item)));
        panel.grid()->setColumns({{QStringLiteral("CostReasonName"), QStringLiteral("消费项目"), 72}});
        panel.load = [this] { OpenQuery(query, QStringLiteral("Select * From CostReason Order By CostReasonName")); };
        panel.reload();
    }
    static void OpenQuery(Query& q, const QString& sql)
    {
        q.setSql(sql);
        q.open();
    }
    QString currentName() { return panel.grid()->model()->cellText(panel.grid()->currentRow(), 0); }
};

TEST_F(Panel, EditingKeepsTheSameRecordCurrent)
{
    int edited = 0;
    panel.edit = [&](int key) {
        edited = key;
        v.exec(QStringLiteral("Update CostReason Set CostReasonName = '啊哈' Where CostReasonIndex = %1").arg(key));
        return true;
    };
    int changes = 0;
    QObject::connect(&panel, &ListPanel::changed, [&] { ++changes; });
    panel.grid()->setCurrentRow(2);
    const QString before = currentName();
    test::click(&panel, QStringLiteral("修改"));
    EXPECT_GT(edited, 0);
    EXPECT_EQ(currentName(), QStringLiteral("啊哈")) << "the edited record, now sorted first, is current again (was " << before.toStdString() << ")";
    EXPECT_EQ(panel.grid()->currentRow(), 0);
    EXPECT_EQ(changes, 1);
    // A cancelled edit changes nothing and reloads nothing.
    panel.edit = [](int) { return false; };
    test::click(&panel, QStringLiteral("修改"));
    EXPECT_EQ(changes, 1);
}

TEST_F(Panel, NothingChosenGetsTheWindowsMessage)
{
    panel.grid()->setCurrentRow(-1);
    test::click(&panel, QStringLiteral("修改"));
    ASSERT_FALSE(prompt.messages.isEmpty());
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("请先选中需要修改的记录"));
    test::click(&panel, QStringLiteral("删除"));
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("请先选中需要删除的记录"));
}

TEST_F(Panel, DeletingAsksFirst)
{
    panel.grid()->setCurrentRow(1);
    prompt.setNextAnswer(false);
    test::click(&panel, QStringLiteral("删除"));
    EXPECT_EQ(prompt.titles.last(), QStringLiteral("删除警告"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From CostReason")), QStringLiteral("3")) << "No deletes nothing";
    prompt.setNextAnswer(true);
    test::click(&panel, QStringLiteral("删除"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From CostReason")), QStringLiteral("2"));
    EXPECT_EQ(panel.grid()->model()->rowCount(), 2);
    // A window's own deletion reports its failure.
    panel.remove = [](int) { return SaveResult::refused(QStringLiteral("该记录已被使用，不能删除")); };
    prompt.setNextAnswer(true);
    test::click(&panel, QStringLiteral("删除"));
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("该记录已被使用，不能删除"));
}

TEST_F(Panel, NewRecordsReloadTheList)
{
    panel.create = [&] {
        v.exec(QStringLiteral("Insert Into CostReason (CostReasonName, CostReasonPrice) Values ('O''Brien 饮料', 5)"));
        return true;
    };
    test::click(&panel, QStringLiteral("新增"));
    EXPECT_EQ(panel.grid()->model()->rowCount(), 4);
}

}  // namespace
