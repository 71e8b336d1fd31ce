#pragma once

#include <QWidget>

namespace qtwin {

// A ring drawn around a widget, in its parent's margin, while the widget has
// the focus that the keyboard gave it: Tab shows where it went, a click does
// not need to. Stacked under the widget, it shows only outside it.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(QWidget& watched);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget& watched_;
    bool byKeyboard_ = false; // how the widget last got the focus
};

} // namespace qtwin
