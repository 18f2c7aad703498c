// The application icon, built into the program from res/: the hand-drawn
// 16 x 16 and 32 x 32 pictures of the board for a display at scale 1, and
// the scalable picture drawn at the larger sizes high-density displays ask for.
#pragma once

#include <QIcon>

QIcon AppIcon();
