#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/widgets/QtPlatform.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("澄岳体育场馆管理软件"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    QApplication::setDesktopFileName(QStringLiteral("cn.chengyue.Velbrisk"));
    velbrisk::installChineseTranslations();

    velbrisk::QtPrompter prompter;
    velbrisk::QtSoundPlayer sound;
    velbrisk::QtFileOpener opener;
    const velbrisk::StartOptions options =
        velbrisk::parseStartOptions(QApplication::arguments(), QApplication::applicationDirPath());
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(options.programDir + QStringLiteral("/Res/Icon%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    velbrisk::Application program(options, velbrisk::Platform{&prompter, &sound, &opener});
    if (!program.start())
        return options.checkStart ? 1 : 0;
    if (options.checkStart) {
        // The board is up: say so and leave, as an installation check.
        QTimer::singleShot(0, &app, [&] {
            std::printf("%s\n", qPrintable(program.formMain().windowTitle()));
            std::fflush(stdout);
            QApplication::quit();
        });
    }
    return app.exec();
}
