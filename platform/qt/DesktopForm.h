#pragma once

#include "forms/FormWindow.h"
#include "platform/qt/ImageSurface.h"
#include "platform/qt/RadioPalette.h"
#include "window/Form1.h"
#include "window/FormLayout.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace qtwin {

class BoardView;

// The controls of the window, each at its place in the layout.
struct FormControls {
    QLabel* Label1 = nullptr;
    BoardView* gamen = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    RadioPalette* Option1 = nullptr;
    QLabel* Label4[2] = {nullptr, nullptr};
};

// The program's one window on the desktop: the widgets of the layout around
// Form1, with every signal routed to the handler of that name and the board's
// pointer events handed to Form1. Start-up has run when the constructor
// returns, so the first picture shows the figure.
class DesktopForm : public QWidget, public forms::FormWindow {
    Q_OBJECT
public:
    explicit DesktopForm(QWidget* parent = nullptr);
    ~DesktopForm() override;

    window::Form1& form1() { return form1_; }
    board::Scene& scene() { return form1_.scene(); }
    window::FormHandlers& handlers() { return form1_.handlers(); }
    const FormControls& controls() const { return controls_; }
    const ImageSurface& surface() const { return surface_; }

    void setCaption(const std::string& caption) override;
    // The event loop returns with exit status 0 and the window closes with it.
    void End() override;

private:
    void buildControls();
    QWidget* makeControl(const window::ControlLayout& control);
    void connectEvents();

    ImageSurface surface_;
    RadioPalette palette_;
    window::Form1 form1_;
    FormControls controls_;
};

} // namespace qtwin
