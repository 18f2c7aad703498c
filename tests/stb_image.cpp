// The PNG decoder the picture tests read the player's files with.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG

#include <stb_image.h>
