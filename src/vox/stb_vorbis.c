/* The Ogg Vorbis decoder of Vox.dll: Debian's stb_vorbis, compiled once. */
#define STB_VORBIS_NO_PUSHDATA_API
#include <stb_vorbis.h>
