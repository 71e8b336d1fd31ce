#include "platform/qt/RadioPalette.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <stdexcept>
#include <string>

namespace qtwin {

QRadioButton* RadioPalette::add(QWidget& parent, int16_t index, const QString& caption, const QRect& geometry)
{
    auto* radio = new QRadioButton(caption, &parent);
    radio->setGeometry(geometry);
    radio->setFocusPolicy(Qt::TabFocus); // chosen with the mouse, it leaves the focus where it was
    radio->installEventFilter(this);
    connect(radio, &QRadioButton::clicked, this, [this, index] { emit Click(index); });
    buttons_[index] = radio;
    return radio;
}

QRadioButton* RadioPalette::button(int16_t index) const
{
    const auto found = buttons_.find(index);
    if (found == buttons_.end())
        throw std::out_of_range("RadioPalette: no option button with index " + std::to_string(index));
    return found->second;
}

bool RadioPalette::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QRadioButton*>(watched)->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

int16_t RadioPalette::LBound() const { return buttons_.empty() ? 0 : buttons_.begin()->first; }

int16_t RadioPalette::UBound() const { return buttons_.empty() ? -1 : buttons_.rbegin()->first; }

bool RadioPalette::Value(int16_t index) const { return button(index)->isChecked(); }

void RadioPalette::setValue(int16_t index, bool selected) { button(index)->setChecked(selected); }

bool RadioPalette::Enabled(int16_t index) const { return button(index)->isEnabled(); }

void RadioPalette::setEnabled(int16_t index, bool enabled) { button(index)->setEnabled(enabled); }

} // namespace qtwin
