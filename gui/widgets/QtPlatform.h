#pragma once
// The desktop pieces of the program: Qt message boxes and file dialogs, WAV
// playback and opening files with their associated program.
#include "core/data/Platform.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QSoundEffect;

namespace velbrisk {

class QtPrompter : public Prompter {
public:
    void inform(const QString& text, const QString& title = QString()) override;
    bool ask(const QString& text, const QString& title) override;
    QString openFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                         const QString& directory = QString()) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                         const QString& suggested = QString()) override;
};

class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    bool play(const QString& wavFile) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

class QtFileOpener : public FileOpener {
public:
    bool open(const QString& pathOrUrl) override;
};

// Loads Qt's own Chinese texts (standard buttons, file and print dialogs,
// context menus) and makes Chinese the default locale. True when the
// translation was found.
bool installChineseTranslations();

// "Mdb Files (*.mdb)|*.MDB" -> "Mdb Files (*.mdb)"
QString qtFilter(const QString& designFilter);

}  // namespace velbrisk
