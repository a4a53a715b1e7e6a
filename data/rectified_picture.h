// The photo corrected onto its plane: resampled through the plane's
// homography at D dots per millimetre (render/rectify_picture.h), with
// where it lies in the plane, and the outline carried onto it.
#pragma once

#include "data/sample_table.h"
#include "image/image_data.h"
#include "plane/plane_setting.h"
#include "plane/rectify_geometry.h"
#include "res/notice.h"

// Most dots a corrected picture may have.
constexpr std::int64_t kMostRectifiedDots = std::int64_t(1) << 26;

struct RectifiedPicture {
    CImageData image;
    plane::RectifyGeometry geometry;
};

// The resolution first proposed for the corrected picture: as many dots as
// the photo has (0 when the photo shows nothing of the plane). A refusal's
// message when the plane is refused.
Notice ProposedDotsPerMm(const CImageData& photo, const plane::PlaneSetting& setting, double& dotsPerMm);

// dotsPerMm 0: as many dots as the photo has. A refusal's message when the
// plane is refused or the picture would be too large.
Notice RectifyPhoto(const CImageData& photo, const plane::PlaneSetting& setting, double dotsPerMm,
                    RectifiedPicture& out);

// The rows (dots of the photo at magnification fromR) carried onto the
// corrected picture at magnification toR; false (mapped untouched) when a
// point lies beyond the horizon.
bool MapTableOntoRectified(const SampleTable& table, double fromR, const plane::RectifyGeometry& geometry,
                           double toR, SampleTable& mapped);
