#pragma once

#include <QIcon>
#include <QImage>
#include <array>

namespace qtwin {

// The program's icon: triangle ABC with DE parallel to BC on the green board,
// drawn for the given size in pixels.
QImage boardIcon(int size);

// The icons that go out with the program, as files of data/icons/: drawn once
// by this painter (tools/make_icons) and kept in the source, so that the site
// and the package carry the same bytes from every build machine, whose CPU
// decides how the toolkit rounds an antialiased edge. `onGreen` is an icon
// for iOS, which fills what is transparent with black and rounds the corners
// itself: the board's green to the edges.
struct IconFile {
    const char* name;
    int size;
    bool onGreen;
};
inline constexpr std::array<IconFile, 7> kIconFiles{{{"board-16.png", 16, false},
                                                     {"board-32.png", 32, false},
                                                     {"board-48.png", 48, false},
                                                     {"board-256.png", 256, false},
                                                     {"board-192.png", 192, false},
                                                     {"board-512.png", 512, false},
                                                     {"board-on-green-180.png", 180, true}}};

// The picture of an icon file as the painter draws it here.
QImage iconImage(const IconFile& file);

// The window's icon: a 32 x 32 two-colour image, 32 x 32 and 16 x 16 images in
// the 16-colour table, and full-colour 48 and 64 pixel images.
QIcon windowIcon();

} // namespace qtwin
