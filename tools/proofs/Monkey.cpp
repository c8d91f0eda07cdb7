#include "Monkey.h"

#include "Proofs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>
#include <form/Host.h>
#include <random>
#include <sys/stat.h>

namespace proofs {

namespace {

// Texts a person might type, chosen to break whatever handles them: nothing, very much, the
// characters of SQL and of patterns, letters beyond ASCII, numbers no field holds.
QStringList hostileTexts() {
    QString huge;
    while (huge.size() < 100000)
        huge += QStringLiteral("Größe 0123456789 ");
    huge.truncate(100000);
    return {QString(),
            huge,
            QStringLiteral("O'Brien \"quoted\" name"),
            QStringLiteral("'"),
            QStringLiteral("[Available Lasers]"),
            QStringLiteral("a]; DROP TABLE [History]; --"),
            QStringLiteral("100% _x_ %_"),
            QStringLiteral("Ångström µm Größe 測試 ß"),
            QStringLiteral("99999999999999999999"),
            QStringLiteral("-2147483649"),
            QStringLiteral("1e309"),
            QStringLiteral("1,5"),
            QStringLiteral("0,05"),
            QStringLiteral("12.5"),
            QStringLiteral("-0"),
            QStringLiteral("NaN"),
            QStringLiteral("  leading and trailing  ")};
}

QString quoted(const QString& text) {
    QString inner = text;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

// The identity of a file: a replacement (rename over it) or a rewrite changes it.
QString fileIdentity(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QString();
    return QStringLiteral("%1/%2/%3.%4")
        .arg(info.st_ino)
        .arg(info.st_size)
        .arg(info.st_mtim.tv_sec)
        .arg(info.st_mtim.tv_nsec);
}

class Failure {
public:
    explicit Failure(QString what) : message(std::move(what)) {}
    QString message;
};

class Monkey : public form::Host {
public:
    Monkey(const MonkeyOptions& options, MonkeyReport& report)
        : m_options(options), m_report(report), m_random(options.seed), m_texts(hostileTexts()),
          m_installation(options.demoSystem, options.templateDatabase) {}

    void run() {
        if (!m_installation.error().isEmpty())
            throw Failure(m_installation.error());
        QDir().mkpath(m_installation.folder() + QStringLiteral("/saved"));
        m_script << QStringLiteral("# Random actions, seed %1, on the demo installation.")
                        .arg(m_options.seed)
                 << QStringLiteral("# Files chosen in the save-file dialog are in %1; lines "
                                   "\"# --- start ...\" mark where the program ended and was "
                                   "started again.")
                        .arg(m_installation.folder());
        start();
        for (int i = 0; i < m_options.actions; ++i) {
            m_report.failedAction = i + 1;
            step();
            ++m_report.actions;
            if (m_options.progress && m_report.actions % 100 == 0)
                m_options.progress(m_report.actions);
        }
        m_report.failedAction = 0;
    }

    QString script() const { return m_script.join(u'\n') + u'\n'; }
    QString folder() const { return m_installation.folder(); }
    int controls() const { return int(m_touched.size()); }

    // The host: the person's answers, chosen at random.
    bool askYesNo(const QString& text, const QString&) override {
        const bool yes = coin();
        record(QStringLiteral("answer %1 %2").arg(yes ? "yes" : "no", quoted(text)));
        return yes;
    }
    void message(const QString& text, const QString&, form::MessageIcon) override {
        record(QStringLiteral("ok ") + quoted(text));
    }
    void showError(const QString& text, const QString&) override { m_errors.append(text); }
    void beep() override {}
    void setBusy(bool) override {}
    void processEvents() override {}
    void sleepMs(int) override {}
    std::optional<QString> askSaveFileName(const QString& preset, const QString&,
                                           const QString&) override {
        QString path;
        switch (pick(4)) {
        case 0:
            record(QStringLiteral("cancel"));
            return std::nullopt;
        case 1:
            path = preset;
            break;
        case 2:
            if (!m_saved.isEmpty()) {
                path = m_saved.at(pick(int(m_saved.size())));
                break;
            }
            [[fallthrough]];
        default:
            path = QStringLiteral("%1/saved/Copy %2 O'Neil [µ].mdb")
                       .arg(m_installation.folder())
                       .arg(m_saved.size() + 1);
            m_saved.append(path);
        }
        record(QStringLiteral("save ") + quoted(path));
        return path;
    }
    void runModal(form::Form& dialog) override {
        // A person does a few things in the dialog, then closes it if it is still open.
        for (int i = 0; i < 6 && dialog.isVisible(); ++i) {
            if (pick(6) == 0)
                break;
            ++m_report.dialogActions;
            act(dialog);
        }
        if (dialog.isVisible()) {
            record(QStringLiteral("close"));
            dialog.userClose();
        }
        if (dialog.isVisible())
            throw Failure(QStringLiteral("the dialog %1 does not close").arg(dialog.name()));
    }
    void showSplash(bool) override {}
    void raiseMainWindow() override {}

private:
    int pick(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(m_random)); }
    bool coin() { return pick(2) == 1; }
    void record(const QString& line) { m_script.append(line); }

    void start() {
        m_program.reset();
        m_program = std::make_unique<Program>(m_installation, *this);
        m_errors.clear();
        m_program->start();
        ++m_report.starts;
        if (!m_errors.isEmpty())
            throw Failure(QStringLiteral("start-up caught an error: ") + m_errors.join(u'\n'));
        if (!m_program->editor().isWorkOpen() || !m_program->editor().isLive())
            throw Failure(QStringLiteral("start-up refused the installation: ") + statusLine());
        m_systemIdentity = fileIdentity(m_installation.systemPath());
        if (m_options.started)
            m_options.started(m_program->session());
    }

    QString statusLine() {
        return m_program->forms().main().label(QStringLiteral("LMsg")).caption();
    }

    // The controls a person can reach in the form: enabled, visible and on the page in front.
    QList<form::Control*> reachable(form::Form& form) const {
        QList<form::Control*> result;
        const form::TabControl* tabs = form.mainTabs();
        for (form::Control* control : form.controls()) {
            if (!control->isEnabled() || !control->isVisible())
                continue;
            // Labels and pictures only show.
            if (control->kind() == form::Kind::Label || control->kind() == form::Kind::Picture)
                continue;
            if (auto* list = qobject_cast<form::ListBox*>(control); list && list->count() == 0)
                continue;
            if (auto* tree = qobject_cast<form::TreeView*>(control);
                tree && tree->root().children().empty())
                continue;
            const int page = control->placement().page;
            if (page >= 0 && tabs && tabs != control &&
                (!tabs->isEnabled() || !tabs->isVisible() || tabs->currentIndex() != page ||
                 !tabs->isPageEnabled(page)))
                continue; // the window disables every control of a disabled page
            result.append(control);
        }
        return result;
    }

    // One action of the person on a control of the form; the control.
    form::Control& act(form::Form& form) {
        QList<form::Control*> candidates = reachable(form);
        if (candidates.isEmpty())
            throw Failure(QStringLiteral("%1 has no control a person can use").arg(form.name()));
        // Controls that ended the program once are pressed again now and then, not as often as
        // the others, so that sequences of actions grow long.
        QList<double> weights;
        for (form::Control* control : candidates)
            weights.append(m_quitters.contains(key(*control)) ? 0.05 : 1.0);
        std::discrete_distribution<int> choose(weights.begin(), weights.end());
        form::Control& control = *candidates.at(choose(m_random));
        m_touched.insert(key(control));
        if (!control.hasHandler()) {
            m_pending.unhandled.insert(key(control));
            if (auto* option = qobject_cast<form::OptionButton*>(&control))
                for (form::Control* other : form.controls())
                    if (auto* member = qobject_cast<form::OptionButton*>(other);
                        member && member->group() == option->group())
                        m_pending.unhandled.insert(key(*member));
        }
        perform(control);
        return control;
    }

    static QString key(const form::Control& control) {
        return controlKey(control.form().name(), control.name());
    }

    void perform(form::Control& control) {
        const QString name = control.name();
        if (auto* box = qobject_cast<form::CheckBox*>(&control)) {
            const bool tick = !box->isChecked();
            line(tick ? "tick" : "untick", name);
            box->userSetChecked(tick);
        } else if (auto* option = qobject_cast<form::OptionButton*>(&control)) {
            line("choose", name);
            option->userChoose();
        } else if (auto* list = qobject_cast<form::ListBox*>(&control)) {
            const int index = list->findText(list->itemText(pick(list->count())));
            if (list->currentIndex() < 0)
                m_pending.unselected.insert(key(control));
            line("select", name + u' ' + quoted(list->itemText(index)));
            list->userSelect(index);
        } else if (auto* text = qobject_cast<form::TextBox*>(&control)) {
            const QString typed = m_texts.at(pick(int(m_texts.size())));
            line("type", name + u' ' + quoted(typed));
            text->userSetText(typed);
        } else if (auto* tabs = qobject_cast<form::TabControl*>(&control)) {
            QList<int> pages;
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isPageEnabled(i))
                    pages.append(i);
            const int page =
                pages.isEmpty() ? tabs->currentIndex() : pages.at(pick(int(pages.size())));
            line("tab", QString::number(page));
            tabs->userSelect(page);
        } else if (auto* tree = qobject_cast<form::TreeView*>(&control)) {
            actOnTree(*tree);
        } else if (auto* button = qobject_cast<form::Button*>(&control)) {
            ++m_report.presses[key(control)];
            // The Edit menu's entries have script lines of their own.
            if (name == u"mnuUndo" || name == u"mnuRedo")
                record(name == u"mnuUndo" ? QStringLiteral("undo") : QStringLiteral("redo"));
            else
                line("click", name);
            button->userPress();
        } else {
            throw Failure(
                QStringLiteral("%1 is of a kind the random actions do not know").arg(name));
        }
    }

    void actOnTree(form::TreeView& tree) {
        // The nodes a script can name: reached by their texts, none of which holds the separator.
        QList<QPair<form::TreeNode*, QStringList>> nodes;
        std::function<void(const form::TreeNode&, const QStringList&)> walk =
            [&](const form::TreeNode& parent, const QStringList& path) {
                for (const auto& child : parent.children()) {
                    QStringList childPath = path;
                    childPath.append(child->text());
                    if (!child->text().contains(u'>') && child->text() == child->text().trimmed() &&
                        tree.findPath(childPath) == child.get())
                        nodes.append({child.get(), childPath});
                    walk(*child, childPath);
                }
            };
        walk(tree.root(), {});
        if (nodes.isEmpty() || pick(5) == 0) {
            line("dblclick", tree.name());
            tree.userDoubleClick();
            return;
        }
        const auto& [node, path] = nodes.at(pick(int(nodes.size())));
        line("node", tree.name() + u' ' + quoted(path.join(QStringLiteral(" > "))));
        tree.userClickNode(*node);
    }

    void line(const char* verb, const QString& rest) {
        const QString v = QString::fromLatin1(verb);
        ++m_report.verbs[v];
        record(v + u' ' + rest);
    }

    // One action in the main window (or the dialog in front of it), then the checks.
    void step() {
        m_errors.clear();
        m_pending = {};
        form::FormSet& forms = m_program->forms();
        form::Form* front = forms.innermostDialog();
        const qint64 changes = changesOf(m_program->editor());
        form::Control& acted = act(front ? *front : forms.main());
        const QString chosen = key(acted);
        const bool viewOrInput =
            acted.kind() == form::Kind::TextBox || acted.kind() == form::Kind::ListBox;
        if (!m_errors.isEmpty())
            throw Failure(QStringLiteral("the editor caught an error: ") + m_errors.join(u'\n'));
        if (m_program->quitRequested()) {
            m_quitters.insert(chosen);
            record(QStringLiteral("# --- start the program again and go on with the lines below "
                                  "---"));
            start();
            return;
        }
        editor::Editor& editor = m_program->editor();
        if (!editor.isWorkOpen())
            throw Failure(QStringLiteral("the working copy is closed: ") + statusLine());
        const QString identity = fileIdentity(m_installation.systemPath());
        if (identity != m_systemIdentity) {
            m_systemIdentity = identity;
            ++m_report.replacements;
            for (const QString& path : {m_installation.systemPath(), m_installation.workCopyPath(),
                                        m_installation.templatePath()}) {
                const QString integrity = integrityOf(path);
                if (integrity != QStringLiteral("ok"))
                    throw Failure(QStringLiteral("%1 is damaged: %2").arg(path, integrity));
            }
        }
        // Undo and redo rewrite rows of both files by the statements they logged.
        if (chosen.endsWith(u"mnuUndo") || chosen.endsWith(u"mnuRedo")) {
            for (const QString& path :
                 {m_installation.workCopyPath(), m_installation.templatePath()}) {
                const QString integrity = integrityOf(path);
                if (integrity != QStringLiteral("ok"))
                    throw Failure(
                        QStringLiteral("%1 is damaged after %2: %3").arg(path, chosen, integrity));
            }
        }
        // Text typed into a box is the person's input until a button stores it, and a list
        // often only chooses what a page shows (the node whose version is shown). A typing or a
        // selection that wrote nothing changed only what is shown; a fresh read puts back the
        // database's text or the first entry, and what follows from them (a Store button
        // disabled again). Since the last check matched, nothing else can differ.
        const bool pendingOnly = viewOrInput && changesOf(editor) == changes;
        const QString difference =
            freshReadDifference(m_program->session(), forms, dump(forms), m_pending);
        if (pendingOnly && m_errors.isEmpty())
            return;
        if (!m_errors.isEmpty())
            throw Failure(QStringLiteral("reading every page anew caught an error: ") +
                          m_errors.join(u'\n'));
        if (!difference.isEmpty())
            throw Failure(QStringLiteral("the controls differ from a fresh read of every page:\n") +
                          difference);
    }

    const MonkeyOptions& m_options;
    MonkeyReport& m_report;
    std::mt19937_64 m_random;
    const QStringList m_texts;
    Installation m_installation;
    std::unique_ptr<Program> m_program;
    QStringList m_script;
    QStringList m_errors;
    PendingInput m_pending;
    QSet<QString> m_quitters;
    QSet<QString> m_touched;
    QStringList m_saved;
    QString m_systemIdentity;
};

} // namespace

MonkeyReport runMonkey(const MonkeyOptions& options) {
    MonkeyReport report;
    QElapsedTimer timer;
    timer.start();
    Monkey monkey(options, report);
    try {
        monkey.run();
        report.passed = true;
    } catch (const Failure& failure) {
        report.failure = failure.message;
    } catch (const std::exception& error) {
        report.failure =
            QStringLiteral("an error escaped the action: ") + QString::fromLocal8Bit(error.what());
    }
    report.script = monkey.script();
    report.folder = monkey.folder();
    report.controls = monkey.controls();
    report.milliseconds = timer.elapsed();
    return report;
}

QString summary(const MonkeyReport& report, quint64 seed) {
    QStringList verbs;
    for (auto it = report.verbs.cbegin(); it != report.verbs.cend(); ++it)
        verbs.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value()));
    QStringList presses;
    for (auto it = report.presses.cbegin(); it != report.presses.cend(); ++it)
        presses.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value()));
    QString text = QStringLiteral("seed %1: %2 actions (%3 more inside dialogs) on %4 controls, "
                                  "%5 start-ups, %6 replacements of the system database, %7 ms\n"
                                  "verbs: %8\npressed: %9\n")
                       .arg(seed)
                       .arg(report.actions)
                       .arg(report.dialogActions)
                       .arg(report.controls)
                       .arg(report.starts)
                       .arg(report.replacements)
                       .arg(report.milliseconds)
                       .arg(verbs.join(QStringLiteral(", ")), presses.join(QStringLiteral(", ")));
    if (!report.passed)
        text += QStringLiteral("FAILED at action %1 (seed %2): %3\n")
                    .arg(report.failedAction)
                    .arg(seed)
                    .arg(report.failure);
    return text;
}

} // namespace proofs
