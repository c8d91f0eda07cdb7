#pragma once

#include <QByteArray>

namespace form {

class FormSet;

// Every control of every form, one compact JSON object per line, forms and controls in creation
// order.
QByteArray controlDump(const FormSet& forms);

} // namespace form
