#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace form {
class Control;
}

namespace ui {

// The controls that sit in one frame of a form, in creation order.
struct Frame {
    QString name;
    QString caption;
    QList<form::Control*> controls;
    int column = -1; // the page column the frame asks for; -1 = none
};

// Groups controls by their placement's frame, the frames in order of first appearance; controls
// without a frame make up a frame of their own with an empty name.
QList<Frame> collectFrames(const QList<form::Control*>& controls);

// A titled group box, or a plain panel when the frame has no caption. Lists and text boxes sit
// behind their caption (or behind the label created just before them); buttons that follow one
// another, and the option buttons of one control array, share a row.
QWidget* buildFrame(const Frame& frame, QWidget* parent = nullptr);

// The frames flowing into columns of equal width: a frame that asks for a column goes there (the
// last one when there are fewer), any other to the shortest column so far.
QWidget* buildFrameColumns(const QList<Frame>& frames, int columns, QWidget* parent = nullptr);

} // namespace ui
