#pragma once

#include "Control.h"

namespace form {

// Shows its caption; nothing else.
class Label : public Control {
    Q_OBJECT

public:
    Label(Form& form, const QString& baseName, int index)
        : Control(form, Kind::Label, baseName, index) {}
};

} // namespace form
