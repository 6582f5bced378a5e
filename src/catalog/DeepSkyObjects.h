// Names of deep-sky objects: the type names of the object-type codes, the catalogue prefix of a
// deep-sky table entry and the shown common name.
#pragma once

#include "catalog/Records.h"

#include <cstddef>
#include <string>
#include <string_view>

// "nebula", "globular cluster", "open cluster", "planetary nebula", "galaxy" for the codes
// 'e', 'g', 'o', 'p', 's'; empty for any other code.
std::string_view DeepSkyTypeName(char typeCode);

// "M" for entries 0..109 of m_deepSky, "NGC" for entries from 110 on.
std::string_view CatalogPrefix(std::size_t deepSkyIndex);

// "M 31" / "NGC 869": prefix, a blank, the number (the information panel's title).
std::string DeepSkyTitle(std::size_t deepSkyIndex, const DeepSkyRecord& object);

// "M31" / "NGC869": prefix and number without a blank (the picture file name).
std::string DeepSkyPictureName(std::size_t deepSkyIndex, const DeepSkyRecord& object);

// The common name with trailing blanks removed; a name that is "*" (no common name) gives " ".
std::string DeepSkyCommonName(const DeepSkyRecord& object);
