#include "forms/OptionButtons.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <stdexcept>
#include <string>

namespace forms {

OptionButtons::OptionButtons(QWidget* parent)
    : QObject(parent)
    , parent_(parent)
{
}

QRadioButton* OptionButtons::add(int16_t index, const QString& caption, const QRect& geometry)
{
    auto* radio = new QRadioButton(caption, parent_);
    radio->setGeometry(geometry);
    radio->setObjectName(QStringLiteral("Option1_%1").arg(index));
    radio->setAccessibleName(caption);
    radio->installEventFilter(this);
    connect(radio, &QRadioButton::clicked, this, [this, index] { emit Click(index); });
    buttons_[index] = radio;
    return radio;
}

QRadioButton* OptionButtons::button(int16_t index) const
{
    const auto found = buttons_.find(index);
    if (found == buttons_.end())
        throw std::out_of_range("OptionButtons: no option button with index " + std::to_string(index));
    return found->second;
}

bool OptionButtons::eventFilter(QObject* watched, QEvent* event)
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

bool OptionButtons::Value(int16_t index) const { return button(index)->isChecked(); }

void OptionButtons::setValue(int16_t index, bool selected) { button(index)->setChecked(selected); }

bool OptionButtons::Enabled(int16_t index) const { return button(index)->isEnabled(); }

void OptionButtons::setEnabled(int16_t index, bool enabled) { button(index)->setEnabled(enabled); }

} // namespace forms
