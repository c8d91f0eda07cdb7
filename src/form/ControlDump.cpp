#include "ControlDump.h"

#include "FormSet.h"

#include <QJsonDocument>

namespace form {

QByteArray controlDump(const FormSet& forms) {
    QByteArray out;
    for (const Form* f : forms.forms()) {
        for (const Control* control : f->controls()) {
            out += QJsonDocument(control->toJson()).toJson(QJsonDocument::Compact);
            out += '\n';
        }
    }
    return out;
}

} // namespace form
