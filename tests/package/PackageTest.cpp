// The Debian package as a venue's computer gets it: built from this build,
// extracted into an empty root, and started there with a data folder of its
// own; lintian finds no error or warning in it.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Ran {
    int code = -1;
    QString out, err;
};

Ran run(const QString& program, const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
        int timeoutMs = 300000)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Ran r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("timed out");
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// Every file below `dir` with its size and time, to tell whether anything
// was written there.
QStringList snapshot(const QString& dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        files << QStringLiteral("%1 %2 %3").arg(QDir(dir).relativeFilePath(f.filePath())).arg(f.size()).arg(f.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

class Package : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"dpkg-deb", "dpkg-shlibdeps"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is missing (bash tools/deps.sh installs the Debian packaging tools)";
        ASSERT_TRUE(tmp.isValid());
        const Ran built = run(QStringLiteral("bash"), {QStringLiteral(VELBRISK_SOURCE_DIR "/tools/package.sh"), QStringLiteral("--from"),
                                                       QStringLiteral(VELBRISK_BINARY_DIR), QStringLiteral("--out"), tmp.filePath(QStringLiteral("out")),
                                                       QStringLiteral("--no-lintian")});
        ASSERT_EQ(built.code, 0) << built.err.toStdString();
        deb = built.out.trimmed().split(QLatin1Char('\n')).last();
        ASSERT_TRUE(QFileInfo(deb).isFile()) << deb.toStdString();
        ASSERT_TRUE(QFileInfo(deb).fileName().startsWith(QStringLiteral("velbrisk_2.0_"))) << deb.toStdString();
    }

    QTemporaryDir tmp;
    QString deb;
};

TEST_F(Package, ExtractedItStartsOnANewVenueInTheUsersDataFolderAndWritesNothingElse)
{
    const QString root = tmp.filePath(QStringLiteral("root")), home = tmp.filePath(QStringLiteral("home")),
                  data = tmp.filePath(QStringLiteral("data"));
    ASSERT_EQ(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, root}).code, 0);
    for (const char* path : {"usr/bin/velbrisk", "usr/share/velbrisk/Frf/Ticket.frf", "usr/share/velbrisk/Res/White64.jpg",
                             "usr/share/velbrisk/ShortRing.wav", "usr/share/velbrisk/Help.html", "usr/share/velbrisk/template/Velbrisk.mdb",
                             "usr/share/applications/cn.chengyue.Velbrisk.desktop", "usr/share/metainfo/cn.chengyue.Velbrisk.metainfo.xml",
                             "usr/share/icons/hicolor/16x16/apps/velbrisk.png", "usr/share/icons/hicolor/256x256/apps/velbrisk.png",
                             "usr/share/doc/velbrisk/copyright"})
        EXPECT_TRUE(QFileInfo::exists(root + QLatin1Char('/') + QLatin1String(path))) << path;
    QFile desktop(root + QStringLiteral("/usr/share/applications/cn.chengyue.Velbrisk.desktop"));
    ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
    const QString entry = QString::fromUtf8(desktop.readAll());
    EXPECT_TRUE(entry.contains(QStringLiteral("\nName=澄岳体育场馆管理软件\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=velbrisk\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nCategories=Office;Finance;\n")));

    const Ran info = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")});
    EXPECT_TRUE(info.out.contains(QStringLiteral("libqt6widgets6"))) << "read off the linked libraries: " << info.out.toStdString();
    EXPECT_TRUE(info.out.contains(QStringLiteral("libsqlcipher")));

    ASSERT_TRUE(QDir().mkpath(home));
    ASSERT_TRUE(QDir().mkpath(data));
    const QStringList rootBefore = snapshot(root);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("VELBRISK_HOME"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), data);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const Ran started = run(root + QStringLiteral("/usr/bin/velbrisk"), {QStringLiteral("--check-start")}, env, 60000);
    ASSERT_EQ(started.code, 0) << started.err.toStdString();
    EXPECT_EQ(started.out.trimmed(), QStringLiteral("澄岳体育场馆管理软件 2.0")) << "the board's window";

    // Its data file, made from the empty one; the installed tree untouched.
    QFile made(data + QStringLiteral("/velbrisk/Velbrisk.mdb")), shipped(root + QStringLiteral("/usr/share/velbrisk/template/Velbrisk.mdb"));
    ASSERT_TRUE(made.open(QIODevice::ReadOnly));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    EXPECT_EQ(made.size(), shipped.size());
    EXPECT_EQ(snapshot(root), rootBefore);
    // Nothing but the venue's own files in the data folder, nothing at home
    // beyond what the desktop itself keeps there.
    for (const QString& f : snapshot(data)) {
        const QString path = f.section(QLatin1Char(' '), 0, 0);
        EXPECT_TRUE(path == QLatin1String("velbrisk") || path.startsWith(QLatin1String("velbrisk/Velbrisk."))) << f.toStdString();
    }
    for (const QString& f : snapshot(home))
        EXPECT_TRUE(f.startsWith(QLatin1String(".cache")) || f.startsWith(QLatin1String(".config"))) << f.toStdString();

    // A second start keeps the venue's file.
    ASSERT_EQ(run(root + QStringLiteral("/usr/bin/velbrisk"), {QStringLiteral("--check-start")}, env, 60000).code, 0);
    EXPECT_EQ(QFileInfo(data + QStringLiteral("/velbrisk/Velbrisk.mdb")).size(), made.size());
}

TEST_F(Package, LintianFindsNoErrorOrWarning)
{
    if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty())
        GTEST_SKIP() << "lintian is missing (bash tools/deps.sh installs it)";
    const Ran lint = run(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), deb});
    EXPECT_EQ(lint.code, 0) << lint.out.toStdString() << lint.err.toStdString();
    EXPECT_FALSE(lint.out.contains(QStringLiteral("E: ")) || lint.out.contains(QStringLiteral("W: "))) << lint.out.toStdString();
}

}  // namespace
