#include "catalog/DeepSkyObjects.h"

#include "catalog/CatalogStore.h"

std::string_view DeepSkyTypeName(char typeCode) {
    switch (typeCode) {
    case 'e':
        return "nebula";
    case 'g':
        return "globular cluster";
    case 'o':
        return "open cluster";
    case 'p':
        return "planetary nebula";
    case 's':
        return "galaxy";
    default:
        return {};
    }
}

std::string_view CatalogPrefix(std::size_t deepSkyIndex) {
    return deepSkyIndex < kNgcFirst ? "M" : "NGC";
}

std::string DeepSkyTitle(std::size_t deepSkyIndex, const DeepSkyRecord& object) {
    std::string title(CatalogPrefix(deepSkyIndex));
    title += ' ';
    title += std::to_string(object.number);
    return title;
}

std::string DeepSkyPictureName(std::size_t deepSkyIndex, const DeepSkyRecord& object) {
    std::string name(CatalogPrefix(deepSkyIndex));
    name += std::to_string(object.number);
    return name;
}

std::string DeepSkyCommonName(const DeepSkyRecord& object) {
    std::string_view name = FieldText(object.name);
    while (!name.empty() && name.back() == ' ') {
        name.remove_suffix(1);
    }
    if (name == "*") {
        return " ";
    }
    return std::string(name);
}
