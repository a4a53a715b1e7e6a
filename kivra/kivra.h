/* The image-conversion library: decodes JPEG, GIF and PNG files into red,
   green, blue pixels and writes BMP and PNG files of a captured screen
   rectangle. Every function returns a 32-bit result; negative means failure.
   Paths are UTF-8. Pictures above 65535 dots a side or 2^28 dots in all are
   refused. */
#ifndef KIVRA_KIVRA_H
#define KIVRA_KIVRA_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Sizes of the information records and of the capture block. */
enum {
    KV_PHOTO_INFO_BYTES = 112,
    KV_INDEXED_INFO_BYTES = 832,
    KV_LOSSLESS_INFO_BYTES = 20,
    KV_BLOCK_BYTES = 104
};

/* Results. */
enum {
    KV_OK = 0,
    KV_ERR_ARGUMENT = -1,    /* null pointer, bad size, no open picture */
    KV_ERR_OPEN = -2,        /* the file cannot be opened or read */
    KV_ERR_FORMAT = -3,      /* not a picture of the format, or damaged */
    KV_ERR_TOO_LARGE = -4,   /* beyond the size limits */
    KV_ERR_MEMORY = -5,
    KV_ERR_GRAB = -6,        /* no grabber registered, or the grabber failed */
    KV_ERR_WRITE = -7
};

/* Decoders, called in pairs: an open decodes a file and fills its
   information record, the fetch that follows copies that picture into the
   caller's buffer of width x height x 3 bytes (red, green, blue, top row
   first, no row padding). width and height must be those of the record.

   Photo (JPEG) record: int32 at 0 record size, 4 colour components of the
   file, 8 chroma subsampling, 12 colour space, 16 width, 20 height.
   mode: 1 (the only mode). */
int32_t kvPhotoOpen(const char* path, int32_t mode, void* info);
int32_t kvPhotoFetch(uint8_t* buffer, int32_t width, int32_t height);

/* Reduced decoding of the open photo, for a small view of a large picture:
   chooses the largest of the reductions 1/2, 1/4 and 1/8 (the JPEG's own
   scaled decoding) that still gives at least minWidth x minHeight dots, or
   none, and returns its denominator (1, 2, 4 or 8). The record then holds at
   24 the width and at 28 the height that the next kvPhotoFetch takes
   (ceil(width / denominator), ceil(height / denominator)) and at 32 the
   denominator; 16 and 20 keep the full size. Each dot of the reduced picture
   stands for the denominator x denominator block of dots whose top-left dot
   is (x * denominator, y * denominator). Called between kvPhotoOpen and
   kvPhotoFetch; KV_ERR_ARGUMENT when no photo is open. */
int32_t kvPhotoReduce(int32_t minWidth, int32_t minHeight, void* info);

/* Indexed (GIF, first frame; transparent dots become white) record: int32 at
   0 record size, 4 width, 8 height, 12 colours in the frame's colour map,
   16 transparent index or -1, 20 1 when interlaced; from byte 64 the colour
   map, 3 bytes (red, green, blue) per colour, up to 256 colours. */
int32_t kvIndexedOpen(const char* path, void* info);
int32_t kvIndexedFetch(uint8_t* buffer, int32_t width, int32_t height);

/* Lossless (PNG; transparency composed over white) record: int32 at 0 record
   size, 4 width, 8 height, 12 bit depth, 16 colour type. */
int32_t kvLosslessOpen(const char* path, void* info);
int32_t kvLosslessFetch(uint8_t* buffer, int32_t width, int32_t height);

/* Screen grabs. The program registers the function that copies a screen
   rectangle: it fills rgb (width x height x 3 bytes, red, green, blue, top
   row first) and returns 0 or more, or a negative value when it cannot. */
typedef int32_t (*kvGrabFunction)(void* context, int32_t left, int32_t top, int32_t width,
                                  int32_t height, uint8_t* rgb);
/* Registers grabber (null removes it); context is handed back to it. */
void kvSetGrabber(kvGrabFunction grabber, void* context);

/* Writers, called with a block of 104 bytes: int32 words 0 to 3 are left,
   top, width and height of the screen rectangle, the rest zero. The grab
   captures the rectangle and marks the block; the save that follows with the
   same block writes the captured picture and releases it. */
int32_t kvRasterGrab(void* block);
int32_t kvRasterSave(const char* path, void* block);    /* BMP, 24 bits */
int32_t kvLosslessGrab(void* block);
int32_t kvLosslessSave(const char* path, void* block);  /* PNG, 8-bit RGB */

#ifdef __cplusplus
}
#endif

#endif
