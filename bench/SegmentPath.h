#pragma once

#include <QPointF>

// An endless serpentine across the board in 10-pixel steps, so that chalk
// benchmarks draw fresh segments everywhere rather than one spot over and over.
class SegmentPath {
public:
    struct Step {
        QPointF to;
        bool lift; // jump back to the top: not a segment
    };

    Step next()
    {
        x_ += dx_;
        if (x_ > 770 || x_ < 20) {
            dx_ = -dx_;
            x_ += dx_;
            y_ += 10;
        }
        if (y_ > 620) {
            y_ = 20;
            return {{x_, y_}, true};
        }
        return {{x_, y_}, false};
    }
    QPointF start() const { return {x_, y_}; }

private:
    double x_ = 20, y_ = 20, dx_ = 10;
};
