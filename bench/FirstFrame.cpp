#include "FirstFrame.h"

#include "BenchRunner.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace parlomatic::bench {

namespace {

class FirstFrameWatcher : public QObject {
public:
    FirstFrameWatcher(QWidget* window, std::function<void()> afterwards)
        : QObject(window), m_afterwards(std::move(afterwards)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The window's controls are painted in the same pass, right after the window itself.
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] {
                std::printf("frame %ld\n", peakMemoryKiB());
                std::fflush(stdout);
                if (m_afterwards)
                    m_afterwards();
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_afterwards;
    bool m_seen = false;
};

} // namespace

void endAfterFirstFrame(QWidget* window, std::function<void()> afterwards) {
    window->installEventFilter(new FirstFrameWatcher(window, std::move(afterwards)));
}

} // namespace parlomatic::bench
