#pragma once

// What the page's script does for the C++ side (library_page.js). Colours go
// across as 0xRRGGBB; -1 means none. Strings are UTF-8.

extern "C" {

// The window: a box of the client area's size in the page's main content.
void pbCreateForm(const char* designCaption, int width, int height, int back, const char* fontFamily,
                  int fontPixels, int fontWeight);
// One control of the layout; `control` is its row in the table and comes back
// with its clicks. Kinds as window::ControlKind; the element's id is the
// control's name, with "_index" for an element of a control array. A heading
// label is the page's level-one heading; `keys` names the keys that act on it.
void pbAddControl(int control, int kind, const char* name, int index, const char* caption, int left, int top, int width,
                  int height, int fore, int back, const char* fontFamily, int fontPixels, int fontWeight,
                  const char* accessibleName, const char* description, int heading, const char* keys);
void pbSetCaption(const char* caption);
// Nothing answers any more, nothing is kept; the tab closes where the browser lets it.
void pbEnd();
// From now on the board is kept in the tab whenever the page is hidden, and
// one kept before by the page of this `release` is shown instead (pb_restore).
void pbKeepBoard(const char* release);

// The board: one animation frame is asked for, and in it the dirty rectangle is
// shown from the chalk canvas and the figure drawn over it. The board's canvas
// and the chalk's have a device pixel for each one the board covers on the
// screen; drawing is in board pixels, the painted rectangle in device pixels.
int pbBoardDeviceWidth();
int pbBoardDeviceHeight();
void pbRequestFrame();
// 0, and nothing to draw on, while the browser refuses the board's canvas.
int pbBeginPaint(int deviceLeft, int deviceTop, int deviceWidth, int deviceHeight);
void pbEndPaint();
void pbLine(double x1, double y1, double x2, double y2, int width, int color);
void pbAddLetter(int letter, const char* caption, const char* fontFamily, int fontPixels, int fontWeight);
void pbLetter(int letter, int left, int top, int width, int height, int fore, int back);

// The chalk canvas.
void pbChalkClear(int color);
void pbChalkStroke(double x1, double y1, double x2, double y2, double width, int color);

// The palette's radio buttons.
int pbOptionValue(int index);
void pbSetOptionValue(int index, int selected);
int pbOptionEnabled(int index);
void pbSetOptionEnabled(int index, int enabled);
}
