#pragma once

#include "board/Scene.h"
#include "window/FormHandlers.h"
#include "window/FormLayout.h"

#include <QWidget>

namespace window {

inline const QString kCaption = QStringLiteral("平行線ボード (by n.Tavio)");

// The program's one window: the title, the commands, the chalk palette and
// the board. It owns the board's state and routes every event of its
// controls to the handler of that name.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    board::Scene& scene() { return scene_; }
    const FormControls& controls() const { return controls_; }
    FormHandlers& handlers() { return handlers_; }

private:
    void Form_Load();
    void Command2_Click();
    void connectEvents();

    board::Scene scene_;
    FormControls controls_;
    FormHandlers handlers_;
};

} // namespace window
