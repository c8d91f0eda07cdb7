#include "Frames.h"

#include "ControlWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <form/Control.h>

namespace ui {

namespace {

bool isEntryField(const form::Control& c) {
    return c.kind() == form::Kind::ListBox || c.kind() == form::Kind::TextBox;
}

// Controls with the same key share one row of the frame; an empty key means a row of its own.
QString rowKey(const form::Control& c) {
    if (c.kind() == form::Kind::Button)
        return QStringLiteral("buttons");
    if (c.kind() == form::Kind::OptionButton && c.index() >= 0)
        return QStringLiteral("options:") + c.baseName();
    return {};
}

} // namespace

QList<Frame> collectFrames(const QList<form::Control*>& controls) {
    QList<Frame> frames;
    for (form::Control* c : controls) {
        const auto& placement = c->placement();
        auto it = std::find_if(frames.begin(), frames.end(), [&placement](const Frame& f) {
            return f.name == placement.groupName;
        });
        if (it == frames.end()) {
            frames.append({placement.groupName, placement.groupCaption, {}, placement.column});
            it = frames.end() - 1;
        }
        it->controls.append(c);
    }
    return frames;
}

QWidget* buildFrame(const Frame& frame, QWidget* parent) {
    QWidget* box =
        frame.caption.isEmpty() ? new QWidget(parent) : new QGroupBox(frame.caption, parent);
    box->setObjectName(frame.name);
    // A label named like its frame is the frame's caption, which the behaviour may change.
    const form::Control* title = nullptr;
    for (const form::Control* c : frame.controls)
        if (c->kind() == form::Kind::Label && c->name() == frame.name)
            title = c;
    if (auto* group = qobject_cast<QGroupBox*>(box); group && title) {
        group->setTitle(title->caption());
        QObject::connect(title, &form::Control::changed, group,
                         [group, title] { group->setTitle(title->caption()); });
    }
    auto* grid = new QGridLayout(box);
    if (frame.caption.isEmpty())
        grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    QHBoxLayout* shared = nullptr;
    QString sharedKey;
    const auto& controls = frame.controls;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        form::Control& c = *controls.at(i);
        if (&c == title)
            continue;
        const QString key = rowKey(c);
        if (!key.isEmpty()) {
            if (key != sharedKey) {
                shared = new QHBoxLayout;
                grid->addLayout(shared, row++, 0, 1, 2, Qt::AlignLeft);
                sharedKey = key;
            }
            shared->addWidget(createControlWidget(c, box));
            continue;
        }
        sharedKey.clear();
        form::Control* next = i + 1 < controls.size() ? controls.at(i + 1) : nullptr;
        if (c.kind() == form::Kind::Label && next && isEntryField(*next) &&
            next->caption().isEmpty()) {
            grid->addWidget(createControlWidget(c, box), row, 0);
            grid->addWidget(createControlWidget(*next, box), row++, 1);
            ++i;
        } else if (isEntryField(c)) {
            grid->addWidget(createCaptionLabel(c, box), row, 0);
            grid->addWidget(createControlWidget(c, box), row++, 1);
        } else if (QWidget* w = createControlWidget(c, box)) {
            grid->addWidget(w, row++, 0, 1, 2);
        }
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* buildFrameColumns(const QList<Frame>& frames, int columns, QWidget* parent) {
    auto* panel = new QWidget(parent);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    QList<QVBoxLayout*> columnLayouts;
    QList<int> heights;
    for (int i = 0; i < columns; ++i) {
        columnLayouts.append(new QVBoxLayout);
        heights.append(0);
        row->addLayout(columnLayouts.last(), 1);
    }
    for (const Frame& frame : frames) {
        if (frame.controls.isEmpty())
            continue;
        QWidget* box = buildFrame(frame, panel);
        const auto chosen =
            frame.column >= 0 ? std::min<qsizetype>(frame.column, columns - 1)
                              : std::min_element(heights.begin(), heights.end()) - heights.begin();
        columnLayouts.at(chosen)->addWidget(box);
        heights[chosen] += box->sizeHint().height();
    }
    for (QVBoxLayout* column : columnLayouts)
        column->addStretch(1);
    return panel;
}

} // namespace ui
