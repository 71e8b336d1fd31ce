#pragma once

#include "forms/OptionArray.h"

#include <QObject>
#include <QRect>
#include <map>

class QRadioButton;
class QWidget;

namespace forms {

// Option buttons placed directly on one parent window, so that they form one
// exclusive group. Click(Index) is delivered whenever an enabled button is
// chosen with the mouse or the keyboard, also when it was already selected.
class OptionButtons : public QObject, public OptionArray {
    Q_OBJECT
public:
    explicit OptionButtons(QWidget* parent);

    QRadioButton* add(int16_t index, const QString& caption, const QRect& geometry);
    QRadioButton* button(int16_t index) const;

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
    QWidget* parent_;
    std::map<int16_t, QRadioButton*> buttons_;
};

} // namespace forms
