#pragma once

#include "Control.h"

namespace form {

// A picture of a page: it shows one image of the program's set, named by the behaviour
// ("NDD reflected"); a person cannot act on it. Changing the image from code runs nothing.
class Picture : public Control {
    Q_OBJECT

public:
    Picture(Form& form, const QString& baseName, int index)
        : Control(form, Kind::Picture, baseName, index) {}

    const QString& image() const { return m_image; }
    void setImage(const QString& image) {
        if (m_image == image)
            return;
        m_image = image;
        emit changed();
    }

    QJsonObject toJson() const override {
        QJsonObject json = Control::toJson();
        json.insert(QStringLiteral("image"), m_image);
        return json;
    }

private:
    QString m_image;
};

} // namespace form
