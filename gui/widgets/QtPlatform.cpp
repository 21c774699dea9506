#include "gui/widgets/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrl>

namespace velbrisk {

static QWidget* dialogParent()
{
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

static QString titleOr(const QString& title)
{
    return title.isEmpty() ? QStringLiteral("提示") : title;
}

void QtPrompter::inform(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Information, titleOr(title), text, QMessageBox::Ok, dialogParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

bool QtPrompter::ask(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, titleOr(title), text, QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool installChineseTranslations()
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool found = false;
    for (const char* name : {"qtbase_zh_CN", "qtmultimedia_zh_CN"}) {
        auto* t = new QTranslator(qApp);
        if (t->load(QString::fromLatin1(name), dir)) {
            QCoreApplication::installTranslator(t);
            found = true;
        } else {
            delete t;
        }
    }
    return found;
}

QString qtFilter(const QString& designFilter)
{
    // The design writes "Description (*.ext)|*.EXT|..."; Qt wants the descriptions.
    const QStringList parts = designFilter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i < parts.size(); i += 2)
        out << parts[i];
    return out.join(QStringLiteral(";;"));
}

QString QtPrompter::openFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                                 const QString& directory)
{
    QFileDialog dlg(dialogParent(), title, directory, qtFilter(filter));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(QString(defaultSuffix).remove(QLatin1Char('.')));
    return dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty() ? dlg.selectedFiles().first() : QString();
}

QString QtPrompter::saveFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                                 const QString& suggested)
{
    QFileDialog dlg(dialogParent(), title, suggested, qtFilter(filter));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(QString(defaultSuffix).remove(QLatin1Char('.')));
    return dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty() ? dlg.selectedFiles().first() : QString();
}

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::play(const QString& wavFile)
{
    if (!QFileInfo(wavFile).isFile())
        return false;
    if (!m_effect)
        m_effect = std::make_unique<QSoundEffect>();
    const QUrl url = QUrl::fromLocalFile(QFileInfo(wavFile).absoluteFilePath());
    if (m_effect->source() != url)
        m_effect->setSource(url);
    m_effect->play();
    return true;
}

bool QtFileOpener::open(const QString& pathOrUrl)
{
    const QUrl url = pathOrUrl.contains(QStringLiteral("://")) ? QUrl(pathOrUrl) : QUrl::fromLocalFile(pathOrUrl);
    return QDesktopServices::openUrl(url);
}

}  // namespace velbrisk
