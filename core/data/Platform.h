#pragma once
// What the program asks of the desktop: message boxes and questions, file
// dialogs, sound, opening a file with its program. The program uses the Qt
// versions (gui/widgets/QtPlatform.h); tests answer through the scripted ones
// of tests/support/Doubles.h.
#include <QString>
#include <QStringList>

namespace velbrisk {

class Reporter {
public:
    virtual ~Reporter() = default;
    // A plain message box with one OK button.
    virtual void inform(const QString& text, const QString& title = QString()) = 0;
};

class Prompter : public Reporter {
public:
    // A Yes/No question with a title; true for Yes.
    virtual bool ask(const QString& text, const QString& title) = 0;
    // File dialogs; an empty result means the person cancelled.
    virtual QString openFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                                 const QString& directory = QString()) = 0;
    virtual QString saveFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                                 const QString& suggested = QString()) = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays a WAV file without waiting for it to end; false when it cannot.
    virtual bool play(const QString& wavFile) = 0;
};

class FileOpener {
public:
    virtual ~FileOpener() = default;
    // Opens a file or web page with the desktop's associated program.
    virtual bool open(const QString& pathOrUrl) = 0;
};

// The desktop pieces a window needs, handed to it when it is made.
struct Platform {
    Prompter* prompt = nullptr;
    SoundPlayer* sound = nullptr;
    FileOpener* opener = nullptr;
};

// Opens a file or page with its program; when the desktop cannot, says so
// with the path, so the person can open it by hand. True when it opened.
bool openOrSay(const Platform& platform, const QString& pathOrUrl);

}  // namespace velbrisk
