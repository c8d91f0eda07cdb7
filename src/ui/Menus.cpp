#include "Menus.h"

#include "ControlWidgets.h"

#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <form/Form.h>

namespace ui {

bool buildMenus(const form::Form& form, QMenuBar* bar) {
    QHash<QString, QMenu*> menus;
    for (form::Control* c : form.controls()) {
        auto* item = qobject_cast<form::MenuItem*>(c);
        if (!item)
            continue;
        const auto& placement = item->placement();
        QMenu*& menu = menus[placement.groupName];
        if (!menu) {
            menu = bar->addMenu(placement.groupCaption);
            menu->setObjectName(placement.groupName);
        }
        menu->addAction(createMenuAction(*item, menu));
    }
    return !menus.isEmpty();
}

} // namespace ui
