#pragma once
// Test doubles of the desktop pieces: questions answered from a script,
// sounds and opened files recorded.
#include "core/data/Platform.h"

#include <QStringList>
#include <deque>

namespace velbrisk {

class ScriptedPrompter : public Prompter {
public:
    void inform(const QString& text, const QString& title = QString()) override;
    bool ask(const QString& text, const QString& title) override;
    QString openFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                         const QString& directory = QString()) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                         const QString& suggested = QString()) override;

    void setNextAnswer(bool yes) { m_answers.push_back(yes); }
    void setNextFileName(const QString& path) { m_files.push_back(path); }

    QStringList messages;   // every text shown, questions included
    QStringList titles;     // the title of each
    bool defaultAnswer = false;

private:
    std::deque<bool> m_answers;
    std::deque<QString> m_files;
};

class RecordingSound : public SoundPlayer {
public:
    bool play(const QString& wavFile) override
    {
        played << wavFile;
        return true;
    }
    QStringList played;
};

class RecordingOpener : public FileOpener {
public:
    bool open(const QString& pathOrUrl) override
    {
        opened << pathOrUrl;
        return succeed;
    }
    QStringList opened;
    bool succeed = true;  // false: as a desktop without a launcher
};

}  // namespace velbrisk
