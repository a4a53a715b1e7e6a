#include "data/rectified_picture.h"

#include <cstdint>

#include "data/plane_measure.h"
#include "image/rgb_view_of.h"
#include "render/rectify_picture.h"
#include "res/texts_plane.h"

Notice ProposedDotsPerMm(const CImageData& photo, const plane::PlaneSetting& setting, double& dotsPerMm) {
    const plane::PlaneFit fit = plane::FitPlane(setting);
    if (!fit.Ok()) return PlaneRefusalNotice(fit.refusal);
    plane::RectifyGeometry proposal;
    plane::PlanRectify(fit.toPlane, setting.widthMm, setting.heightMm, photo.width(), photo.height(), 0,
                       INT64_MAX, proposal);
    dotsPerMm = proposal.dotsPerMm;
    return {};
}

Notice RectifyPhoto(const CImageData& photo, const plane::PlaneSetting& setting, double dotsPerMm,
                    RectifiedPicture& out) {
    const plane::PlaneFit fit = plane::FitPlane(setting);
    if (!fit.Ok()) return PlaneRefusalNotice(fit.refusal);
    const Notice tooLarge{texts_plane::MSG_RECTIFY_TOO_LARGE, texts_plane::RECTIFY_TITLE};
    if (!photo.HasPicture() || photo.width() < 4 || photo.height() < 4)
        return {texts_plane::MSG_PLANE_NONE, texts_plane::PLANE_TITLE};
    plane::RectifyGeometry geometry;
    switch (plane::PlanRectify(fit.toPlane, setting.widthMm, setting.heightMm, photo.width(), photo.height(),
                               dotsPerMm, kMostRectifiedDots, geometry)) {
    case plane::RectifyPlan::Ok: break;
    case plane::RectifyPlan::NoPlane: return PlaneRefusalNotice(plane::PlaneRefusal::BeyondHorizon);
    case plane::RectifyPlan::TooLarge: return tooLarge;
    }
    PixelBuffer pixels(CImageData::BufferBytes(geometry.width, geometry.height));
    if (pixels.size() == 0 || !out.image.SetImageSize(geometry.width, geometry.height)) return tooLarge;
    const std::ptrdiff_t stride = std::ptrdiff_t(geometry.width) * 3;
    if (!RectifyPicture(RgbViewOf(photo), geometry.outToSource.Matrix().data(), geometry.width,
                        geometry.height, pixels.data(), stride) ||
        !out.image.AdoptPixels(std::move(pixels)))
        return tooLarge;
    out.image.SetKind(photo.kind());
    out.geometry = geometry;
    return {};
}

bool MapTableOntoRectified(const SampleTable& table, double fromR, const plane::RectifyGeometry& geometry,
                           double toR, SampleTable& mapped) {
    return MapTableToPlane(table, fromR, geometry.sourceToOut, toR > 0 ? toR : 1.0, mapped);
}
