// The application icon: a 32 x 32 and a 16 x 16 picture of
// the board, built into the program from res/.
#pragma once

#include <QIcon>

QIcon AppIcon();
