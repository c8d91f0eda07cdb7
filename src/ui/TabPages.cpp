#include "TabPages.h"

#include "Frames.h"
#include "UserInput.h"

#include <QLayout>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <form/TabControl.h>

namespace ui {

namespace {

constexpr int kPageColumns = 3;

QWidget* buildPage(const QList<form::Control*>& controls) {
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    QWidget* frames = buildFrameColumns(collectFrames(controls), kPageColumns);
    frames->layout()->setContentsMargins(6, 6, 6, 6);
    scroll->setWidget(frames);
    return scroll;
}

} // namespace

QTabWidget* buildTabPages(form::TabControl& tabs, const QList<QList<form::Control*>>& pageControls,
                          QWidget* parent) {
    auto* w = new QTabWidget(parent);
    w->setObjectName(tabs.name());
    for (int i = 0; i < tabs.count(); ++i)
        w->addTab(buildPage(pageControls.value(i)), QString());

    auto show = [&tabs, w] {
        const QSignalBlocker blocker(w);
        while (w->count() < tabs.count())
            w->addTab(buildPage({}), QString());
        for (int i = 0; i < tabs.count(); ++i) {
            w->setTabText(i, tabs.pages().at(i).caption);
            w->setTabEnabled(i, tabs.pages().at(i).enabled);
        }
        // After the enabled states: disabling the page in front makes Qt bring another one to
        // the front, which the model did not do.
        if (tabs.currentIndex() >= 0)
            w->setCurrentIndex(tabs.currentIndex());
        w->setEnabled(tabs.isEnabled());
        w->setHidden(!tabs.isVisible());
    };
    QObject::connect(&tabs, &form::Control::changed, w, show);
    show();
    QObject::connect(w, &QTabWidget::currentChanged, w, [&tabs, show](int index) {
        if (index >= 0 && index < tabs.count())
            forwardUserInput([&tabs, index] { tabs.userSelect(index); }, show);
    });
    return w;
}

} // namespace ui
