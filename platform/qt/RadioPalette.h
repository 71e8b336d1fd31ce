#pragma once

#include "forms/OptionArray.h"

#include <QObject>
#include <QRect>
#include <map>

class QRadioButton;
class QWidget;

namespace qtwin {

// Option buttons placed directly on one parent window, so that they form one
// exclusive group. Click(Index) is delivered whenever an enabled button is
// chosen with the mouse or the keyboard, also when it was already selected.
class RadioPalette : public QObject, public forms::OptionArray {
    Q_OBJECT
public:
    QRadioButton* add(QWidget& parent, int16_t index, const QString& caption, const QRect& geometry);
    QRadioButton* button(int16_t index) const;

    int16_t LBound() const override;
    int16_t UBound() const override;
    bool Value(int16_t index) const override;
    void setValue(int16_t index, bool selected) override;
    bool Enabled(int16_t index) const override;
    void setEnabled(int16_t index, bool enabled) override;

signals:
    void Click(int16_t Index);

protected:
    // Enter and Return choose the focused button, as Space does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<int16_t, QRadioButton*> buttons_;
};

} // namespace qtwin
