#pragma once
// A venue with the whole program started on it: the windows, the scripted
// desktop, prints written as PDF files, and the test's own connection open on
// the venue's data file. Pictures and templates come from the source tree.
#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "tests/support/PdfPresenter.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>
#include <memory>

namespace velbrisk::test {

class ProgramTest : public ::testing::Test {
protected:
    TestVenue v{false};
    ScriptedPrompter prompt;
    RecordingSound sound;
    RecordingOpener opener;
    PdfPresenter printed{v.dir()};
    std::unique_ptr<Application> app;

    // Where the program's own files are: the source tree by default.
    virtual QString programDir() const { return QStringLiteral(VELBRISK_SOURCE_DIR); }

    void SetUp() override
    {
        StartOptions o;
        o.appDir = v.dir();
        o.programDir = programDir();
        app = std::make_unique<Application>(o, Platform{&prompt, &sound, &opener}, &printed);
        ASSERT_TRUE(app->formMain().startUp()) << prompt.messages.join(QLatin1Char('\n')).toStdString();
        v.db().open(v.dataFile());
    }
};

}  // namespace velbrisk::test
