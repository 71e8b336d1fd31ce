#pragma once

#include <QIcon>
#include <QImage>

namespace qtwin {

// The program's icon: triangle ABC with DE parallel to BC on the green board,
// drawn for the given size in pixels.
QImage boardIcon(int size);

// The window's icon: a 32 x 32 two-colour image, 32 x 32 and 16 x 16 images in
// the 16-colour table, and full-colour 48 and 64 pixel images.
QIcon windowIcon();

} // namespace qtwin
