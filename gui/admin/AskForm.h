#pragma once
// A small window asking for one word.
#include <QDialog>

class QLabel;
class QLineEdit;

namespace velbrisk {

class TFormAsk : public QDialog {
    Q_OBJECT
public:
    explicit TFormAsk(QWidget* parent = nullptr);

    QString AskCaption;
    QString AskPrompt;
    QString AskValue;

    void prepare();
    void OkClick();
    QLineEdit* valueEdit() const { return m_value; }
    int exec() override;

private:
    QLabel* m_prompt;
    QLineEdit* m_value;
};

// How the word lists ask for a word: returns false on Cancel. Tests answer
// without a window.
class WordAsker {
public:
    virtual ~WordAsker() = default;
    virtual bool ask(const QString& caption, const QString& prompt, QString* value) = 0;
};

class FormWordAsker : public WordAsker {
public:
    explicit FormWordAsker(TFormAsk* form) : m_form(form) {}
    bool ask(const QString& caption, const QString& prompt, QString* value) override;

private:
    TFormAsk* m_form;
};

}  // namespace velbrisk
