#include "forms/FigurePainter.h"

#include "forms/BoardLabel.h"
#include "forms/LineShape.h"
#include "forms/PictureBox.h"

namespace forms {

void paintFigure(const PictureBox& box, const Box& exposed, FigureCanvas& canvas)
{
    for (const LineShape* shape : box.shapes()) {
        if (!shape->extent().intersects(exposed))
            continue;
        if (const auto seg = shape->visiblePart(exposed))
            canvas.drawLine(*seg, shape->BorderWidth(), shape->BorderColor());
    }
    for (const BoardLabel* label : box.labels()) {
        if (!label->extent().intersects(exposed))
            continue;
        if (const auto drawn = label->drawnBox())
            canvas.drawLabel(*label, *drawn);
    }
}

} // namespace forms
