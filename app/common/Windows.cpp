#include "common/Windows.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace windows {

namespace {
QHash<QString, QPointer<QWidget>>& open() {
    static QHash<QString, QPointer<QWidget>> map;
    return map;
}
int gKeepFocus = 0;

QHash<QString, int>& raises() {
    static QHash<QString, int> map;
    return map;
}
}  // namespace

Shown show(const QString& name, const std::function<QWidget*()>& create) {
    QPointer<QWidget>& slot = open()[name];
    if (slot && !slot->isVisible()) {
        // Closed by the user and waiting for its deferred deletion: gone.
        delete slot.data();
    }
    if (slot) {
        slot->show();
        slot->raise();
        if (!gKeepFocus) slot->activateWindow();
        ++raises()[name];
        return {slot.data(), false};
    }
    QWidget* w = create();
    w->setObjectName(name);
    w->setAttribute(Qt::WA_DeleteOnClose);
    slot = w;
    if (gKeepFocus) w->setAttribute(Qt::WA_ShowWithoutActivating);
    w->show();
    w->raise();
    if (!gKeepFocus) w->activateWindow();
    w->setAttribute(Qt::WA_ShowWithoutActivating, false);
    return {w, true};
}

QWidget* find(const QString& name) {
    QWidget* w = open().value(name).data();
    return w && w->isVisible() ? w : nullptr;
}

void close(const QString& name) {
    if (QWidget* w = find(name)) {
        w->close();
        // A window that refuses to close stays registered; a closed one is
        // destroyed at once so that it can never be found again.
        if (!w->isVisible()) {
            open().remove(name);
            delete w;
        }
    }
}

KeepFocus::KeepFocus() { ++gKeepFocus; }
KeepFocus::~KeepFocus() { --gKeepFocus; }

int raiseCount(const QString& name) { return raises().value(name); }

}  // namespace windows
