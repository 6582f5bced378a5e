#include "navigation/Picking.h"

namespace {

// An entry the frame did not write keeps the cleared position (0, 0).
bool WasDrawn(int ex, int ey) {
    return ex != 0 || ey != 0;
}

bool InBox(int ex, int ey, int x, int y, int halfWidth) {
    return WasDrawn(ex, ey) && x - halfWidth <= ex && ex <= x + halfWidth && y - halfWidth <= ey &&
           ey <= y + halfWidth;
}

} // namespace

int StarPickHalfWidth(int magnitudeClass) {
    if (magnitudeClass <= -1) {
        return kBrightStarPickHalfWidth;
    }
    if (magnitudeClass == 0) {
        return kMediumStarPickHalfWidth;
    }
    return kFaintStarPickHalfWidth;
}

std::optional<PickedObject> PickObject(const PickingTables& picks, int x, int y) {
    for (std::size_t i = picks.bodies.size(); i-- > 0;) {
        const PixelPoint& p = picks.bodies[i];
        if (InBox(p.x, p.y, x, y, kBodyPickHalfWidth)) {
            return PickedObject{PickedKind::Body, i};
        }
    }
    for (std::size_t i = picks.stars.size(); i-- > 0;) {
        const StarPick& s = picks.stars[i];
        if (InBox(s.x, s.y, x, y, StarPickHalfWidth(s.magnitude))) {
            return PickedObject{PickedKind::Star, i};
        }
    }
    for (std::size_t i = 0; i < picks.deepSky.size(); ++i) {
        const PixelPoint& p = picks.deepSky[i];
        if (InBox(p.x, p.y, x, y, kDeepSkyPickHalfWidth)) {
            return PickedObject{PickedKind::DeepSky, i};
        }
    }
    // The faint stars last, so that they never hide a brighter object; the last drawn first.
    for (std::size_t i = picks.faintStars.size(); i-- > 0;) {
        const FaintStarPick& s = picks.faintStars[i];
        if (InBox(s.x, s.y, x, y, kFaintStarPickHalfWidth + 1)) {
            return PickedObject{PickedKind::FaintStar, s.index};
        }
    }
    return std::nullopt;
}
