#pragma once

#include "FormSet.h"
#include "ScriptError.h"
#include "ScriptHost.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace form {

// Runs an automation script against a form set, line by line, as a person would act: one action
// per line, `#` comments, arguments with blanks in double quotes ("" inside quotes is a quote).
//
// Install host() as the form set's host before anything may show a box: a box or a modal dialog
// then takes the following lines as the person's answer, and the action that opened it goes on
// once it is answered or closed. Every failure is a ScriptError naming the line.
class ScriptRunner {
public:
    explicit ScriptRunner(FormSet& forms);

    // Replaces the script; throws ScriptError for a line that cannot be read.
    void load(const QString& script);
    void loadFile(const QString& path);

    // Runs the lines not yet taken. Any error that escapes an action ends the run as a
    // ScriptError on that action's line.
    void run();
    // Runs the next action with the lines it takes for its boxes and dialogs; false when no
    // line is left.
    bool runNext();
    bool atEnd() const { return m_next >= m_lines.size(); }
    // When the lines run out while a dialog is open, close it as a person would instead of
    // failing. The write-fault tour needs this: an action that failed inside a dialog leaves it
    // open, and the lines that would have closed it are not reached.
    void setCloseDialogsWhenDone(bool close) { m_closeDialogsWhenDone = close; }

    ScriptHost& host() { return m_host; }

    // The host's side: take the answer to a box from the next line.
    bool answerQuestion(const QString& text);
    void answerMessage(const QString& text);
    std::optional<QString> answerSaveFile();
    // Takes an `ok` line that follows as the acknowledgement of an error box; false when the
    // next line is something else.
    bool acknowledgeError(const QString& text);
    // Runs lines until the dialog is hidden.
    void runWhileOpen(Form& dialog);

private:
    struct Line {
        int number;
        QString verb;
        QStringList args;
    };

    [[noreturn]] void fail(int line, const QString& reason) const;
    void performNext();
    void perform(const Line& line);
    const Line& takeAnswer(const QString& box, const QString& text, const QStringList& verbs);
    void checkBoxText(const Line& line, int argIndex, const QString& box, const QString& text);
    void checkArgs(const Line& line, int min, int max) const;

    std::pair<Form*, Control*> resolve(const QString& name) const;
    template <class T> T& reach(const QString& name, const QString& what);
    void checkReachable(const Form& form, const Control& control) const;
    void selectTab(const Line& line);
    void expect(const Line& line);

    FormSet& m_forms;
    ScriptHost m_host;
    std::vector<Line> m_lines;
    std::size_t m_next = 0;
    int m_current = 0;
    bool m_closeDialogsWhenDone = false;
};

} // namespace form
