// The B-V colour index of the catalogue's stars (Yale Bright Star Catalogue, 5th revised
// edition, Johnson photometry); the star file itself keeps only the spectral letter. The natural
// style colours each star from it.
#pragma once

#include <cstdint>
#include <optional>

// The B-V of the star with this HR number, magnitudes; nothing for a star the catalogue gives
// no B-V.
std::optional<double> ColourIndexOfStar(std::int32_t hr);
