// A zlib stream for pictures of flat colour, fast enough to write a frame per
// tick: the rows are PNG-filtered by "up", so a row like the one above is all
// zeros and a band of one colour repeats every pixel, and the only copies
// looked for are of the byte before (distance 1) and of the pixel before
// (distance 3), greedily, in one fixed-Huffman block. Everything else is a
// literal. The stream is valid zlib whatever the data.
#pragma once

#include <string>
#include <string_view>

std::string RunDeflate(std::string_view data);
