// A box whose size never changes (the main dialog, the About box, the help
// box): a title with the system menu and the close box, no maximise box, and
// no resizing offered to the window manager.
#pragma once

#include <Qt>

class QWidget;

// The window flags such a box is made with.
inline constexpr Qt::WindowFlags kFixedSizeBoxFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// On X11, replaces the Motif hints Qt gives `box`, which offer resizing to
// every window with a close box, by ones offering only to move and close it;
// other platforms take the flags alone. Called once the box has its flags.
void AdvertiseFixedSize(QWidget& box);
