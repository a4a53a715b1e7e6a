/* The section-calculation library: integrates along a closed outline of
 * straight segments and three-point circular arcs and returns the section's
 * area, perimeter, centroid, second moments and principal axes. Closed-form
 * and exact for arcs; C API, no exceptions, no Qt. */
#ifndef OSMECA_OSMECA_H
#define OSMECA_OSMECA_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Most input rows; the segment buffer must hold one record more. */
#define OS_MAX_POINTS 200
#define OS_MAX_SEGMENTS 201

/* One input row, 64 bytes: the row's type (1 straight to the next point,
 * 2 three-point arc through this, the next and the next-but-one point) and
 * its coordinates as text, 8 characters each (a blank-padded decimal
 * number, possibly with a fraction or exponent). */
typedef struct SectionInputPoint {
    int32_t type;           /* 0 */
    char xText[8];          /* 4 */
    char xEnd;              /* 12: zero */
    char yText[8];          /* 13 */
    char yEnd;              /* 21: zero */
    char reserved[42];      /* 22..63: zero */
} SectionInputPoint;

/* A row of this type holds no point: it ends one loop of the outline and
 * begins the next (its coordinate texts are not read). */
#define OS_TYPE_LOOP_BREAK 9

/* Record kinds. */
#define OS_KIND_STRAIGHT 1
#define OS_KIND_ARC 3
#define OS_KIND_ARC_MIDDLE 33
#define OS_KIND_AUXILIARY 9

/* Arc directions, as seen on the screen with Y downward. */
#define OS_CLOCKWISE 0
#define OS_COUNTER_CLOCKWISE 1

/* One record of the expanded outline, 240 bytes. Records follow the input
 * rows one for one and end with an auxiliary record at the first point
 * again; in an outline of several loops each loop ends with an auxiliary
 * record at its own first point, standing where the loop break's row
 * stands, so record k always belongs to row k. A straight record ends at the next record's first point, an arc at
 * the first point of the record two places on. Angles are radians from +X,
 * clockwise positive on the screen (Y downward), start and end in [0, 2pi);
 * the sweep is the arc's positive angular extent, its sense is direction. */
typedef struct SectionSegment {
    int32_t rowType;        /* 0: type of the input row */
    int32_t kind;           /* 4: OS_KIND_* */
    double length;          /* 8: length of the straight segment or the arc */
    double reserved1[13];   /* 16..119 */
    double radius;          /* 120 */
    double centreX;         /* 128 */
    double centreY;         /* 136 */
    int32_t direction;      /* 144: OS_CLOCKWISE or OS_COUNTER_CLOCKWISE */
    int32_t reserved2;      /* 148 */
    double reserved3;       /* 152 */
    double startAngle;      /* 160 */
    double endAngle;        /* 168 */
    double reserved4;       /* 176 */
    double sweepAngle;      /* 184 */
    double x;               /* 192: first point */
    double y;               /* 200 */
    double endX;            /* 208: end point of a straight segment */
    double endY;            /* 216 */
    double reserved5[2];    /* 224..239 */
} SectionSegment;

/* Result indices. Lengths in the coordinates' dots, areas in dots^2,
 * moments in dots^4, angles in degrees. Unlisted indices are zero. */
enum SectionResultIndex {
    OS_POINT_COUNT = 0,      /* input rows */
    OS_SEGMENT_COUNT = 1,    /* records written */
    OS_PERIMETER = 2,        /* L */
    OS_AREA = 3,             /* A */
    OS_ARC_COUNT = 4,
    OS_H_UPPER = 6,          /* hU: centroid to the top edge */
    OS_H_LOWER = 7,          /* hL: centroid to the bottom edge */
    OS_CENTROID_X = 9,       /* xC */
    OS_CENTROID_Y = 10,      /* yC */
    OS_B_LEFT = 11,          /* bL: left edge to the centroid */
    OS_B_RIGHT = 12,         /* bR: centroid to the right edge */
    OS_MIN_X = 13,
    OS_MAX_X = 14,
    OS_MIN_Y = 15,
    OS_MAX_Y = 16,
    OS_FIRST_MOMENT_X = 17,  /* integral of x over the area */
    OS_FIRST_MOMENT_Y = 18,  /* integral of y over the area */
    OS_I_VERTICAL = 20,      /* about the vertical centroidal axis */
    OS_I_HORIZONTAL = 21,    /* about the horizontal centroidal axis */
    OS_PRODUCT = 22,         /* product moment about the centroid */
    OS_POLAR = 23,           /* polar moment about the centroid */
    OS_HEIGHT = 27,          /* H */
    OS_WIDTH = 29,           /* B */
    OS_I_MAX = 32,           /* largest centroidal second moment */
    OS_I_MIN = 33,           /* smallest */
    OS_THETA = 36,           /* axis of I_MAX, (-90, 90], clockwise from +X */
    OS_GYRATION_MAX = 37,    /* sqrt(I_MAX / A) */
    OS_GYRATION_MIN = 38,
    OS_EXTENT_MAX_AXIS = 43, /* extent of the section along the I_MAX axis */
    OS_EXTENT_MIN_AXIS = 44, /* along the perpendicular axis */
    OS_RESULT_COUNT = 45
};

typedef struct SectionResults {
    double values[OS_RESULT_COUNT];
} SectionResults;

/* Second moments about centroidal axes inclined at 0, 1, ..., 180 degrees:
 * iy about the axis at that angle, iz about the perpendicular one. */
#define OS_INCLINED_ROWS 181
typedef struct InclinedAxisTable {
    double angle[OS_INCLINED_ROWS];
    double iy[OS_INCLINED_ROWS];
    double iz[OS_INCLINED_ROWS];
} InclinedAxisTable;

/* Integrates the outline of count rows (3..200). Rows of type 9 split the
 * outline into loops (never first, last or two in a row); each loop has at
 * least three points and its last row may not be of type 2. A loop's last
 * point joins its first; a type 2 on a loop's next-to-last row makes the
 * arc through it, the loop's last row and its first. A loop inside an odd
 * number of other loops is a hole and subtracts, any other adds, whichever
 * way each was clicked; the perimeter is the sum of the loops' lengths, the
 * extents are those of all loops together. Loops must neither cross nor
 * touch (not checked here). Returns nonzero on success. On failure (too few
 * or too many points, a misplaced break, unreadable or non-finite
 * coordinates, a type other than 1, 2 or 9, arc points on one line or
 * coinciding, a loop of zero area, a null pointer) returns 0 and writes
 * nothing. */
int32_t osSectionIntegrate(const SectionInputPoint* inputs, SectionSegment* segments,
                           int32_t count, int32_t* segmentCount, SectionResults* results,
                           InclinedAxisTable* inclined);

#ifdef __cplusplus
}  /* extern "C" */
#endif

#endif /* OSMECA_OSMECA_H */
