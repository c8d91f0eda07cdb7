#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <db/WriteFaults.h>
#include <form/ScriptRunner.h>
#include <proofs/Proofs.h>

using namespace Qt::StringLiterals;

namespace {

// The script's host, but an error box takes no line: the tour cannot know where one comes.
class TourHost : public form::Host {
public:
    form::ScriptHost* script = nullptr;
    QStringList errors;

    bool askYesNo(const QString& text, const QString& title) override {
        return script->askYesNo(text, title);
    }
    void message(const QString& text, const QString& title, form::MessageIcon icon) override {
        script->message(text, title, icon);
    }
    void showError(const QString& text, const QString&) override { errors.append(text); }
    void beep() override {}
    void setBusy(bool) override {}
    void processEvents() override {}
    void sleepMs(int) override {}
    std::optional<QString> askSaveFileName(const QString& preset, const QString& description,
                                           const QString& pattern) override {
        return script->askSaveFileName(preset, description, pattern);
    }
    void runModal(form::Form& dialog) override { script->runModal(dialog); }
    void showSplash(bool) override {}
    void raiseMainWindow() override {}
};

struct Block {
    int line; // of its first line in the tour
    QString text;
};

// The paragraphs of the tour that hold an action.
QList<Block> blocksOf(const QString& tour) {
    QList<Block> blocks;
    Block block{0, {}};
    bool action = false;
    const QStringList lines = tour.split(u'\n');
    for (int i = 0; i <= lines.size(); ++i) {
        const QString line = i < lines.size() ? lines.at(i).trimmed() : QString();
        if (line.isEmpty()) {
            if (action)
                blocks.append(block);
            block = {i + 2, {}};
            action = false;
            continue;
        }
        // Blank lines inside the block keep the runner's line numbers those of the tour.
        if (block.text.isEmpty())
            block.text = QString(block.line - 1, u'\n');
        block.text += line + u'\n';
        action = action || !line.startsWith(u'#');
    }
    return blocks;
}

// The names the tour's lines act on.
QSet<QString> namesIn(const QString& tour) {
    static const QRegularExpression acting(
        QStringLiteral("^(tick|untick|choose|select|type|click|node|dblclick)\\s+\"?([^\"\\s]+)"),
        QRegularExpression::MultilineOption);
    QSet<QString> names;
    for (auto it = acting.globalMatch(tour); it.hasNext();)
        names.insert(it.next().captured(2));
    return names;
}

} // namespace

// Every handler of the tour, with its k-th write made to fail for k = 1, 2, ... until it
// completes: nothing of a failed action is left in the working copy, the template database or
// the installation's files, the error was shown, and every control shows what a fresh read shows.
class TestWriteFaults : public QObject {
    Q_OBJECT

    proofs::Installation m_installation{QStringLiteral(ORBIS_DEMO_DB),
                                        QStringLiteral(ORBIS_TEMPLATE_DB)};
    TourHost m_host;
    std::unique_ptr<proofs::Program> m_program;
    std::unique_ptr<form::ScriptRunner> m_runner;

    void start() {
        m_runner.reset();
        m_program.reset();
        m_program = std::make_unique<proofs::Program>(m_installation, m_host);
        m_runner = std::make_unique<form::ScriptRunner>(m_program->forms());
        m_runner->setCloseDialogsWhenDone(true);
        m_host.script = &m_runner->host();
        m_host.errors.clear();
        m_program->start();
        QVERIFY2(m_host.errors.isEmpty(), qPrintable(m_host.errors.join(u'\n')));
        QVERIFY(m_program->editor().isWorkOpen());
    }

    struct State {
        QString work;
        QString templ;
        QMap<QString, QByteArray> files;
        bool live;
    };
    State state() {
        const QString work = m_installation.workCopyPath();
        const QString templ = m_installation.templatePath();
        return {proofs::contentOf(work), proofs::contentOf(templ),
                proofs::filesIn(m_installation.folder(), {work, templ}),
                m_program->editor().isLive()};
    }

    QString freshReadDifference() {
        m_host.errors.clear();
        form::FormSet& forms = m_program->forms();
        const QString difference =
            proofs::freshReadDifference(m_program->session(), forms, proofs::dump(forms));
        if (!m_host.errors.isEmpty())
            return u"reading every page anew failed: "_s + m_host.errors.join(u'\n');
        return difference;
    }

private Q_SLOTS:
    void cleanup() { db::faults::disarm(); }

    void everyWriteOfEveryActionFailsCleanly() {
        QVERIFY2(m_installation.error().isEmpty(), qPrintable(m_installation.error()));
        QFile file(QStringLiteral(ORBIS_TOUR_SCRIPT));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString tour = QString::fromUtf8(file.readAll());
        tour.replace(u"%INSTALLATION%"_s, m_installation.folder());
        start();

        int injected = 0;
        int actions = 0;
        int writingActions = 0;
        for (const Block& block : blocksOf(tour)) {
            form::TabControl& tabs = *m_program->forms().main().mainTabs();
            const int page = tabs.currentIndex();
            // The t-th action of the paragraph is tested; each attempt plays the paragraph again
            // from its start, the actions before the t-th preparing it.
            bool done = false;
            for (int t = 0; !done; ++t) {
                const QString where = u"tour line %1, action %2"_s.arg(block.line).arg(t + 1);
                int k = 1;
                for (;; ++k) {
                    // A failed tab switch leaves its page in front; each attempt starts where
                    // the person started.
                    if (tabs.currentIndex() != page)
                        tabs.setCurrentIndex(page);
                    m_runner->load(block.text);
                    try {
                        for (int i = 0; i < t; ++i)
                            m_runner->runNext();
                    } catch (const form::ScriptError& error) {
                        QFAIL(qPrintable(where + u", preparing: "_s + error.message()));
                    }
                    const State before = state();
                    m_host.errors.clear();
                    db::faults::failAt(k);
                    try {
                        m_runner->runNext();
                    } catch (const form::ScriptError& error) {
                        db::faults::disarm();
                        QFAIL(qPrintable(
                            u"%1, write %2: %3"_s.arg(where).arg(k).arg(error.message())));
                    }
                    const bool fired = db::faults::fired();
                    db::faults::disarm();
                    if (!fired)
                        break;
                    ++injected;
                    const QString at = u"%1, write %2 failed"_s.arg(where).arg(k);
                    QVERIFY2(m_host.errors.size() == 1 &&
                                 m_host.errors.first().contains(u"Injected"_s),
                             qPrintable(at + u": shown "_s + m_host.errors.join(u" | "_s)));
                    QVERIFY2(m_program->forms().main().label(u"LMsg"_s).caption().contains(
                                 u"Injected"_s),
                             qPrintable(at + u": the status line does not say it"_s));
                    const State after = state();
                    QVERIFY2(after.work == before.work,
                             qPrintable(at + u": the working copy changed"_s));
                    QVERIFY2(after.templ == before.templ,
                             qPrintable(at + u": the template database changed"_s));
                    QVERIFY2(after.files == before.files,
                             qPrintable(at + u": files of the installation changed: "_s +
                                        QStringList(after.files.keys()).join(u", "_s)));
                    QVERIFY2(after.live == before.live,
                             qPrintable(at + u": the live flag changed"_s));
                    const QString difference = freshReadDifference();
                    QVERIFY2(difference.isEmpty(), qPrintable(at + u": "_s + difference));
                }
                ++actions;
                if (k > 1)
                    ++writingActions;
                QVERIFY2(m_host.errors.isEmpty(),
                         qPrintable(where + u": failed without a fault: "_s +
                                    m_host.errors.join(u'\n')));
                done = m_runner->atEnd();
                // What the person typed stays for the next action (a voltage for the store); the
                // random-action test compares completed actions with a fresh read.
                if (m_program->quitRequested()) {
                    QVERIFY2(done, qPrintable(where + u": the program ended inside a paragraph"_s));
                    start();
                }
            }
        }
        qInfo("%d actions, %d of them writing; %d writes made to fail", actions, writingActions,
              injected);
        QVERIFY(injected > 0);

        // Every control with behaviour that a person can reach is pressed by the tour; one that
        // stays disabled or hidden waits for the page or installation that offers it.
        const QSet<QString> named = namesIn(tour);
        QStringList missing;
        for (form::Form* form : m_program->forms().forms())
            for (form::Control* control : form->controls())
                if (control->hasHandler() && control->isEnabled() && control->isVisible() &&
                    control->kind() != form::Kind::TabControl && !named.contains(control->name()))
                    missing.append(form->name() + u'/' + control->name());
        QVERIFY2(missing.isEmpty(),
                 qPrintable(u"tests/tour/tour.script presses no handler of "_s +
                            missing.join(u", "_s) + u" (see Proofs in CONTRIBUTING.md)"_s));
    }
};

QTEST_GUILESS_MAIN(TestWriteFaults)
#include "tst_writefaults.moc"
