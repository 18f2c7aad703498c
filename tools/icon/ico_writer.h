// WriteIco: the bytes of a Windows icon file holding the given images, each
// stored at 4 bits per pixel (a 16-entry palette) with its AND mask, in the
// order given. Every image must be at most 256 pixels on a side and use at
// most 16 colours (what ParseXpm gives).
#pragma once

#include <cstdint>
#include <vector>

#include "icon/xpm_image.h"

std::vector<std::uint8_t> WriteIco(const std::vector<XpmImage>& images);
