// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the two start-up probes: reports the moment the window's first
// frame has been painted, then ends the process at once so that its peak
// resident memory is that of a program that has just come up.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace tavrimo::bench {

inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Watches the top-level window for its first paint. The paint pass that the
// first QEvent::Paint opens also paints the children and hands the frame to
// the platform; the frame counts as shown once that pass has returned to the
// event loop, so the time is taken from a zero timer queued from inside it.
class FirstFrameProbe : public QObject {
public:
    explicit FirstFrameProbe(QWidget* window) : window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [window = window_] {
                const long long at = monotonicNanoseconds();
                // The widget count lets the two probes be checked against each other.
                const auto widgets = window->findChildren<QWidget*>().size() + 1;
                std::printf("first-frame %lld widgets %lld\n", at, static_cast<long long>(widgets));
                std::fflush(stdout);
                // No teardown: what is measured ends with the first frame.
                _exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
    bool seen_ = false;
};

}  // namespace tavrimo::bench
