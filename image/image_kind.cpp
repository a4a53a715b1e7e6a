#include "image/image_kind.h"

#include "res/texts_image.h"

const char* ImageKindLabel(int kind) {
    switch (kind) {
    case IMG_JPEG: return texts::KIND_LABEL_JPEG;
    case IMG_GIF: return texts::KIND_LABEL_GIF;
    case IMG_BMP: return texts::KIND_LABEL_BMP;
    case IMG_CUT: return texts::KIND_LABEL_CUT;
    case IMG_CLIP: return texts::KIND_LABEL_CLIP;
    default: return texts::KIND_LABEL_UNKNOWN;
    }
}
