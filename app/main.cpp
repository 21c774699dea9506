#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/widgets/QtPlatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("澄岳体育场馆管理软件"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    velbrisk::installChineseTranslations();

    velbrisk::QtPrompter prompter;
    velbrisk::QtSoundPlayer sound;
    velbrisk::QtFileOpener opener;
    const velbrisk::StartOptions options =
        velbrisk::parseStartOptions(QApplication::arguments(), QApplication::applicationDirPath());
    velbrisk::Application program(options, velbrisk::Platform{&prompter, &sound, &opener});
    if (!program.start())
        return 0;
    return app.exec();
}
