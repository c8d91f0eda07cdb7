#include "ScriptRunner.h"

#include <QFile>
#include <QJsonValue>

namespace form {
namespace {

// Splits a line into words; double quotes keep blanks, "" inside quotes is a quote.
QStringList splitWords(const QString& text, int number) {
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != u'"')
                word += c;
            else if (i + 1 < text.size() && text.at(i + 1) == u'"')
                word += text.at(++i);
            else
                quoted = false;
        } else if (c == u'"') {
            quoted = true;
            inWord = true;
        } else if (c.isSpace()) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        throw ScriptError(number, QStringLiteral("a double quote is not closed"));
    if (inWord)
        words.append(word);
    return words;
}

QString jsonText(const QJsonValue& value) {
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isDouble())
        return QString::number(value.toInteger());
    return value.toString();
}

const QStringList expectProperties{QStringLiteral("checked"), QStringLiteral("selected"),
                                   QStringLiteral("enabled"), QStringLiteral("visible"),
                                   QStringLiteral("text"),    QStringLiteral("caption"),
                                   QStringLiteral("index"),   QStringLiteral("image")};

} // namespace

ScriptRunner::ScriptRunner(FormSet& forms) : m_forms(forms), m_host(*this) {}

void ScriptRunner::load(const QString& script) {
    std::vector<Line> lines;
    const QStringList texts = script.split(u'\n');
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const int number = int(i) + 1;
        const QString text = texts.at(i).trimmed();
        if (text.isEmpty() || text.startsWith(u'#'))
            continue;
        QStringList words = splitWords(text, number);
        const QString verb = words.takeFirst();
        lines.push_back({number, verb, words});
    }
    m_lines = std::move(lines);
    m_next = 0;
    m_current = 0;
}

void ScriptRunner::loadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ScriptError(
            0, QStringLiteral("cannot read the script %1: %2").arg(path, file.errorString()));
    const QByteArray text = file.readAll();
    // A read that fails half way must not pass for a shorter script.
    if (file.error() != QFileDevice::NoError)
        throw ScriptError(
            0, QStringLiteral("cannot read the script %1: %2").arg(path, file.errorString()));
    load(QString::fromUtf8(text));
}

void ScriptRunner::run() {
    while (m_next < m_lines.size())
        performNext();
}

bool ScriptRunner::runNext() {
    if (atEnd())
        return false;
    performNext();
    return true;
}

void ScriptRunner::fail(int line, const QString& reason) const {
    throw ScriptError(line, reason);
}

void ScriptRunner::performNext() {
    const Line& line = m_lines.at(m_next++);
    const int outer = m_current;
    m_current = line.number;
    try {
        perform(line);
    } catch (const ScriptError&) {
        throw;
    } catch (const std::exception& e) {
        // Converted here, on the innermost line, so the report names the line that failed.
        fail(line.number, QStringLiteral("error: %1").arg(QString::fromLocal8Bit(e.what())));
    }
    m_current = outer;
}

void ScriptRunner::checkArgs(const Line& line, int min, int max) const {
    const int n = int(line.args.size());
    if (n < min)
        fail(line.number, QStringLiteral("%1 needs more arguments").arg(line.verb));
    if (n > max)
        fail(line.number, QStringLiteral("%1 has too many arguments; put texts with blanks in "
                                         "double quotes")
                              .arg(line.verb));
}

void ScriptRunner::perform(const Line& line) {
    const QString& verb = line.verb;
    const QStringList& args = line.args;
    if (verb == u"tick" || verb == u"untick") {
        checkArgs(line, 1, 1);
        reach<CheckBox>(args[0], QStringLiteral("check box")).userSetChecked(verb == u"tick");
    } else if (verb == u"choose") {
        checkArgs(line, 1, 1);
        reach<OptionButton>(args[0], QStringLiteral("option button")).userChoose();
    } else if (verb == u"select") {
        checkArgs(line, 2, 2);
        auto& list = reach<ListBox>(args[0], QStringLiteral("list"));
        const int i = list.findText(args[1]);
        if (i < 0)
            fail(line.number, QStringLiteral("%1 has no entry \"%2\"").arg(args[0], args[1]));
        list.userSelect(i);
    } else if (verb == u"type") {
        checkArgs(line, 2, 2);
        reach<TextBox>(args[0], QStringLiteral("text box")).userSetText(args[1]);
    } else if (verb == u"click") {
        checkArgs(line, 1, 1);
        reach<Button>(args[0], QStringLiteral("button")).userPress();
    } else if (verb == u"undo" || verb == u"redo") {
        // The Edit menu's entries, as a person reaches them.
        checkArgs(line, 0, 0);
        reach<Button>(verb == u"undo" ? QStringLiteral("mnuUndo") : QStringLiteral("mnuRedo"),
                      QStringLiteral("menu entry"))
            .userPress();
    } else if (verb == u"tab") {
        checkArgs(line, 1, 1);
        selectTab(line);
    } else if (verb == u"close") {
        checkArgs(line, 0, 0);
        Form* dialog = m_forms.innermostDialog();
        if (!dialog)
            fail(line.number, QStringLiteral("no dialog is open"));
        dialog->userClose();
    } else if (verb == u"node") {
        checkArgs(line, 2, 2);
        auto& tree = reach<TreeView>(args[0], QStringLiteral("tree"));
        QStringList path = args[1].split(u'>');
        for (QString& text : path)
            text = text.trimmed();
        TreeNode* node = tree.findPath(path);
        if (!node)
            fail(line.number, QStringLiteral("%1 has no node \"%2\"").arg(args[0], args[1]));
        tree.userClickNode(*node);
    } else if (verb == u"dblclick") {
        checkArgs(line, 1, 1);
        reach<TreeView>(args[0], QStringLiteral("tree")).userDoubleClick();
    } else if (verb == u"expect") {
        checkArgs(line, 3, 3);
        expect(line);
    } else if (verb == u"answer") {
        fail(line.number, QStringLiteral("no question is open"));
    } else if (verb == u"ok") {
        fail(line.number, QStringLiteral("no message box is open"));
    } else if (verb == u"save" || verb == u"cancel") {
        fail(line.number, QStringLiteral("no save-file dialog is open"));
    } else {
        fail(line.number, QStringLiteral("unknown command \"%1\"").arg(verb));
    }
}

std::pair<Form*, Control*> ScriptRunner::resolve(const QString& name) const {
    Form* dialog = m_forms.innermostDialog();
    if (dialog) {
        if (Control* control = dialog->control(name))
            return {dialog, control};
    }
    Form& main = m_forms.main();
    if (Control* control = main.control(name))
        return {&main, control};
    fail(m_current, dialog ? QStringLiteral("neither %1 nor %2 has a control named %3")
                                 .arg(dialog->name(), main.name(), name)
                           : QStringLiteral("%1 has no control named %2").arg(main.name(), name));
}

template <class T> T& ScriptRunner::reach(const QString& name, const QString& what) {
    const auto [form, control] = resolve(name);
    T* typed = qobject_cast<T*>(control);
    if (!typed)
        fail(m_current, QStringLiteral("%1 is a %2, not a %3")
                            .arg(name, kindDescription(control->kind()), what));
    checkReachable(*form, *control);
    return *typed;
}

void ScriptRunner::checkReachable(const Form& form, const Control& control) const {
    const QString name = control.name();
    if (m_forms.isBlocked(form))
        fail(m_current, QStringLiteral("%1 cannot be reached while the dialog %2 is open")
                            .arg(name, m_forms.innermostDialog()->name()));
    if (!control.isEnabled())
        fail(m_current, QStringLiteral("%1 is disabled").arg(name));
    if (!control.isVisible())
        fail(m_current, QStringLiteral("%1 is hidden").arg(name));
    const TabControl* tabs = form.mainTabs();
    const int page = control.placement().page;
    if (page < 0 || !tabs || tabs == &control)
        return;
    if (!tabs->isEnabled() || !tabs->isVisible())
        fail(m_current,
             QStringLiteral("%1 sits on %2, which is %3")
                 .arg(name, tabs->name(),
                      tabs->isEnabled() ? QStringLiteral("hidden") : QStringLiteral("disabled")));
    if (tabs->currentIndex() != page)
        fail(m_current, QStringLiteral("%1 is on page %2 of %3, but page %4 is in front")
                            .arg(name)
                            .arg(page)
                            .arg(tabs->name())
                            .arg(tabs->currentIndex()));
}

void ScriptRunner::selectTab(const Line& line) {
    Form* form = m_forms.innermostDialog();
    if (!form || !form->mainTabs())
        form = &m_forms.main();
    TabControl* tabs = form->mainTabs();
    if (!tabs)
        fail(line.number, QStringLiteral("%1 has no tab control").arg(form->name()));
    bool ok = false;
    const int page = line.args[0].toInt(&ok);
    if (!ok || page < 0 || page >= tabs->count())
        fail(line.number, QStringLiteral("%1 has no page %2").arg(tabs->name(), line.args[0]));
    checkReachable(*form, *tabs);
    if (!tabs->isPageEnabled(page))
        fail(line.number, QStringLiteral("page %1 of %2 is disabled").arg(page).arg(tabs->name()));
    tabs->userSelect(page);
}

void ScriptRunner::expect(const Line& line) {
    const QString& property = line.args[1];
    const QString& expected = line.args[2];
    Control* control = resolve(line.args[0]).second;
    const QJsonValue value = control->toJson().value(property);
    if (!expectProperties.contains(property) || value.isUndefined())
        fail(line.number, QStringLiteral("%1 has no property \"%2\"").arg(line.args[0], property));
    const QString actual = jsonText(value);
    const bool same =
        value.isBool() ? actual.compare(expected, Qt::CaseInsensitive) == 0 : actual == expected;
    if (!same)
        fail(line.number, QStringLiteral("expected %1 %2 to be \"%3\", but it is \"%4\"")
                              .arg(line.args[0], property, expected, actual));
}

const ScriptRunner::Line& ScriptRunner::takeAnswer(const QString& box, const QString& text,
                                                   const QStringList& verbs) {
    if (m_next >= m_lines.size())
        fail(m_current,
             QStringLiteral("the script ended with the %1 \"%2\" unanswered").arg(box, text));
    const Line& line = m_lines.at(m_next);
    if (!verbs.contains(line.verb))
        fail(line.number, QStringLiteral("the %1 \"%2\" is open and must be answered first with %3")
                              .arg(box, text, verbs.join(QStringLiteral(" or "))));
    ++m_next;
    return line;
}

void ScriptRunner::checkBoxText(const Line& line, int argIndex, const QString& box,
                                const QString& text) {
    if (line.args.size() > argIndex && line.args.at(argIndex) != text)
        fail(line.number, QStringLiteral("the %1 says \"%2\", not \"%3\"")
                              .arg(box, text, line.args.at(argIndex)));
}

bool ScriptRunner::answerQuestion(const QString& text) {
    const QString box = QStringLiteral("question");
    const Line& line = takeAnswer(box, text, {QStringLiteral("answer")});
    checkArgs(line, 1, 2);
    const QString& answer = line.args[0];
    if (answer != u"yes" && answer != u"no")
        fail(line.number, QStringLiteral("answer yes or no, not \"%1\"").arg(answer));
    checkBoxText(line, 1, box, text);
    return answer == u"yes";
}

void ScriptRunner::answerMessage(const QString& text) {
    const QString box = QStringLiteral("message box");
    const Line& line = takeAnswer(box, text, {QStringLiteral("ok")});
    checkArgs(line, 0, 1);
    checkBoxText(line, 0, box, text);
}

std::optional<QString> ScriptRunner::answerSaveFile() {
    const QString box = QStringLiteral("save-file dialog");
    const Line& line =
        takeAnswer(box, QStringLiteral("Save"), {QStringLiteral("save"), QStringLiteral("cancel")});
    if (line.verb == u"cancel") {
        checkArgs(line, 0, 0);
        return std::nullopt;
    }
    checkArgs(line, 1, 1);
    return line.args[0];
}

bool ScriptRunner::acknowledgeError(const QString& text) {
    if (m_next >= m_lines.size() || m_lines.at(m_next).verb != u"ok")
        return false;
    const Line& line = m_lines.at(m_next++);
    checkArgs(line, 0, 1);
    checkBoxText(line, 0, QStringLiteral("error box"), text);
    return true;
}

void ScriptRunner::runWhileOpen(Form& dialog) {
    while (dialog.isVisible()) {
        if (m_next >= m_lines.size() && m_closeDialogsWhenDone) {
            dialog.userClose();
            if (dialog.isVisible()) // its close handler failed
                dialog.hide();
            continue;
        }
        if (m_next >= m_lines.size())
            fail(m_current,
                 QStringLiteral("the script ended while the dialog %1 is open").arg(dialog.name()));
        performNext();
    }
}

} // namespace form
