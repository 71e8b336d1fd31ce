#pragma once

#include <QObject>

class QWidget;

// Watches a window; after its first frame, prints the monotonic clock in
// nanoseconds and the peak resident memory so far in KiB on stdout, and ends
// the event loop.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool seen_ = false;
};
