#include "platform/qt/DesktopForm.h"

#include "platform/qt/BoardIcon.h"
#include "platform/qt/BoardView.h"
#include "platform/qt/FocusRing.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/QtTypes.h"
#include "window/FormLayout.h"

#include <QCoreApplication>
#include <QRadioButton>
#include <stdexcept>

namespace qtwin {

namespace {

void paintBackground(QWidget& widget, forms::Color back)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(back));
    widget.setPalette(palette);
    // Buttons fill with the Button role unless told otherwise.
    widget.setBackgroundRole(QPalette::Window);
    widget.setAutoFillBackground(true);
}

void setLook(QWidget& widget, const window::ControlLayout& control)
{
    widget.setObjectName(control.index < 0 ? QString::fromUtf8(control.name)
                                        : QStringLiteral("%1_%2").arg(QString::fromUtf8(control.name)).arg(control.index));
    widget.setGeometry(toQRect(control.place));
    widget.setAccessibleName(QString::fromUtf8(*control.accessibleName ? control.accessibleName : control.caption));
    if (*control.description)
        widget.setAccessibleDescription(QString::fromUtf8(control.description));
    if (control.font)
        widget.setFont(fontFor(*control.font));
    if (control.back)
        paintBackground(widget, *control.back);
    if (control.fore) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::WindowText, toQColor(*control.fore));
        widget.setPalette(palette);
    }
}

} // namespace

DesktopForm::DesktopForm(QWidget* parent)
    : QWidget(parent)
    , surface_(QSize(board::kBoardWidth, board::kBoardHeight), toQColor(board::kBoardColor))
    , form1_(surface_, palette_, *this)
{
    const window::FormDesign& layout = window::formLayout();
    setWindowTitle(QString::fromUtf8(layout.designCaption));
    setFixedSize(layout.width, layout.height);
    setFont(fontFor(layout.font));
    paintBackground(*this, layout.back);
    setWindowIcon(windowIcon());
    buildControls();
    connectEvents();
    form1_.Form_Load();
}

DesktopForm::~DesktopForm() = default;

void DesktopForm::setCaption(const std::string& caption) { setWindowTitle(toQString(caption)); }

void DesktopForm::End() { QCoreApplication::exit(0); }

void DesktopForm::buildControls()
{
    // Labels take no focus. Made first, they stay out of the focus chain
    // between the controls that do, which the table lists in tab order.
    const auto& controls = window::formLayout().controls;
    for (const window::ControlLayout& control : controls)
        if (control.kind == window::ControlKind::Label)
            setLook(*makeControl(control), control);
    QWidget* previous = nullptr;
    for (const window::ControlLayout& control : controls) {
        if (control.kind == window::ControlKind::Label)
            continue;
        QWidget* widget = makeControl(control);
        setLook(*widget, control);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    controls_.Label1 = findChild<QLabel*>(QStringLiteral("Label1"));
    controls_.gamen = findChild<BoardView*>(QStringLiteral("gamen"));
    controls_.Command1 = findChild<QPushButton*>(QStringLiteral("Command1"));
    controls_.Command2 = findChild<QPushButton*>(QStringLiteral("Command2"));
    controls_.Command3 = findChild<QPushButton*>(QStringLiteral("Command3"));
    controls_.Option1 = &palette_;
    controls_.Label4[0] = findChild<QLabel*>(QStringLiteral("Label4_0"));
    controls_.Label4[1] = findChild<QLabel*>(QStringLiteral("Label4_1"));
    new FocusRing(*controls_.gamen); // made last, so that it stays out of the focus chain's order
    // The board holds the keyboard from the start, so that a presenter's remote
    // moves DE without a first click; the window gives it the focus when it opens.
    controls_.gamen->setFocus(Qt::OtherFocusReason);
}

QWidget* DesktopForm::makeControl(const window::ControlLayout& control)
{
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
    case window::ControlKind::Label:
        return new QLabel(caption, this);
    case window::ControlKind::Board: {
        auto* board = new BoardView(form1_.gamen(), surface_, form1_, this);
        board->setFocusPolicy(Qt::StrongFocus);
        return board;
    }
    case window::ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, this);
        button->setAutoDefault(true); // Enter presses the focused button, as Space does
        button->setFocusPolicy(Qt::TabFocus); // a click leaves the keyboard focus where it was
        return button;
    }
    case window::ControlKind::OptionButton:
        return palette_.add(*this, control.index, caption, toQRect(control.place));
    }
    throw std::logic_error("a control of no known kind in the layout");
}

void DesktopForm::connectEvents()
{
    for (const window::ControlLayout& control : window::formLayout().controls) {
        if (control.kind != window::ControlKind::CommandButton)
            continue;
        auto* button = findChild<QPushButton*>(QString::fromUtf8(control.name));
        connect(button, &QPushButton::clicked, this, [this, &control] { form1_.Click(control); });
    }
    connect(&palette_, &RadioPalette::Click, this,
            [this](int16_t i) { form1_.Click(window::layoutOf("Option1", i)); });
    window::FormHandlers* h = &form1_.handlers();
    connect(controls_.gamen, &BoardView::KeyDown, this, [h](int16_t& k, int16_t s) { h->gamen_KeyDown(k, s); });
    connect(controls_.gamen, &BoardView::KeyUp, this, [h](int16_t& k, int16_t s) { h->gamen_KeyUp(k, s); });
    connect(controls_.gamen, &BoardView::LostFocus, this, [h] { h->gamen_LostFocus(); });
}

} // namespace qtwin
