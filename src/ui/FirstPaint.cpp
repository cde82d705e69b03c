// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace parlomatic {

namespace {

class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget* window, std::function<void()> task) : QObject(window), m_task(std::move(task)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The window's controls are painted in the same pass, right after the window itself.
            QTimer::singleShot(0, this, [this] {
                m_task();
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_task;
    bool m_seen = false;
};

} // namespace

void runAfterFirstPaint(QWidget* window, std::function<void()> task) {
    window->installEventFilter(new FirstPaintWatcher(window, std::move(task)));
}

} // namespace parlomatic
