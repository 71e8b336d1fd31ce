#include "window/FormLayout.h"

#include "board/Scene.h"
#include "forms/Fonts.h"
#include "forms/OptionButtons.h"
#include "forms/PictureBox.h"

#include <QRadioButton>

namespace window {

namespace {

constexpr int kRegular = 400;
constexpr int kBold = 700;

void paintBackground(QWidget& widget, const QColor& back)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, back);
    widget.setPalette(palette);
    // Buttons fill with the Button role unless told otherwise.
    widget.setBackgroundRole(QPalette::Window);
    widget.setAutoFillBackground(true);
}

QLabel* makeTitle(QWidget& form)
{
    auto* title = new QLabel(QStringLiteral("相似と比"), &form);
    title->setObjectName(QStringLiteral("Label1"));
    title->setGeometry(16, 8, 125, 33);
    title->setAccessibleName(title->text());
    title->setFont(forms::gothicFont(32, kBold)); // 24 pt
    paintBackground(*title, board::kBoardColor);
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 255, 0));
    title->setPalette(palette);
    return title;
}

forms::PictureBox* makeBoard(QWidget& form, board::Scene& scene)
{
    auto* gamen = new forms::PictureBox(scene.surface, &form);
    gamen->setObjectName(QStringLiteral("gamen"));
    gamen->setGeometry(8, 48, board::kBoardWidth, board::kBoardHeight);
    gamen->setFocusPolicy(Qt::StrongFocus);
    gamen->setAccessibleName(QStringLiteral("図形ボード"));
    gamen->setAccessibleDescription(QStringLiteral(
        "三角形ABCと、BCに平行な線分DE。DEの近くを左ボタンで押して上下に動かす。右ボタンで初めの図に戻る。"));
    board::Figure& f = scene.figure;
    // Triangle ADE over triangle ABC, the marks over both, the letters on top.
    for (auto* lines : {&f.Line1, &f.Line2})
        for (auto& line : *lines)
            gamen->addShape(line);
    for (auto& line : f.Line3)
        gamen->addShape(line);
    for (auto& label : f.Label2)
        gamen->addLabel(label);
    for (auto& label : f.Label3)
        gamen->addLabel(label);
    return gamen;
}

QPushButton* makeCommand(QWidget& form, const char* name, const QString& caption, const QRect& place)
{
    auto* button = new QPushButton(caption, &form);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setAccessibleName(caption);
    button->setAutoDefault(true); // Enter presses the focused button, as Space does
    return button;
}

QLabel* makeRowCaption(QWidget& form, int index, const QString& caption, int top)
{
    auto* label = new QLabel(caption, &form);
    label->setObjectName(QStringLiteral("Label4_%1").arg(index));
    label->setGeometry(384, top, 24, 12);
    paintBackground(*label, kFormColor);
    return label;
}

struct OptionPlace {
    int16_t index;
    const char* caption;
    QRect place;
};

// Lower row (thin) 0..3 at y 24, upper row (thick) 4..7 at y 8.
const OptionPlace kOptionPlaces[] = {
    {0, "赤色", {416, 24, 57, 17}},    {1, "黄色", {472, 24, 57, 17}}, {2, "青色", {528, 24, 57, 17}},
    {3, "消しゴム", {584, 24, 81, 17}}, {4, "赤色", {416, 8, 57, 17}},  {5, "黄色", {472, 8, 57, 17}},
    {6, "青色", {528, 8, 57, 17}},      {7, "消しゴム", {584, 8, 81, 17}},
};

forms::OptionButtons* makePalette(QWidget& form)
{
    auto* palette = new forms::OptionButtons(&form);
    for (const OptionPlace& option : kOptionPlaces) {
        QRadioButton* radio = palette->add(option.index, QString::fromUtf8(option.caption), option.place);
        radio->setAccessibleDescription(option.index < 4 ? QStringLiteral("細字") : QStringLiteral("太字"));
        paintBackground(*radio, kFormColor);
    }
    return palette;
}

void setTabOrder(const FormControls& c)
{
    QWidget* order[] = {c.gamen, c.Command1, c.Command2, c.Command3};
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (QWidget* widget : order)
        chain(widget);
    for (int16_t i = 0; i <= 7; ++i)
        chain(c.Option1->button(i));
}

} // namespace

FormControls buildFormLayout(QWidget& form, board::Scene& scene)
{
    form.setWindowTitle(QStringLiteral("Form1"));
    form.setFixedSize(kFormWidth, kFormHeight);
    form.setFont(forms::gothicFont(12, kRegular));
    paintBackground(form, kFormColor);

    FormControls c;
    c.Label1 = makeTitle(form);
    c.gamen = makeBoard(form, scene);
    c.Command1 = makeCommand(form, "Command1", QStringLiteral("初期画面"), {176, 8, 73, 33});
    c.Command2 = makeCommand(form, "Command2", QStringLiteral("終了"), {736, 8, 65, 33});
    c.Command3 = makeCommand(form, "Command3", QStringLiteral("メモ"), {304, 8, 73, 33});
    c.Command3->setFont(forms::gothicFont(16, kRegular)); // 12 pt
    c.Option1 = makePalette(form);
    c.Label4[0] = makeRowCaption(form, 0, QStringLiteral("太字"), 8);
    c.Label4[1] = makeRowCaption(form, 1, QStringLiteral("細字"), 24);
    setTabOrder(c);
    return c;
}

} // namespace window
