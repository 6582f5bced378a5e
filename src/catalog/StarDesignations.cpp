#include "catalog/StarDesignations.h"

const std::array<GreekLetter, 24> GreekLetterTable = {{
    {"Alp", "Alpha"},  {"Bet", "Beta"}, {"Gam", "Gamma"}, {"Del", "Delta"}, {"Eps", "Epsilon"},
    {"Zet", "Zeta"},   {"Eta", "Eta"},  {"The", "Theta"}, {"Iot", "Iota"},  {"Kap", "Kappa"},
    {"Lam", "Lambda"}, {"Mu", "Mu"},    {"Nu", "Nu"},     {"Xi", "Xi"},     {"Omi", "Omikron"},
    {"Pi", "Pi"},      {"Rho", "Rho"},  {"Sig", "Sigma"}, {"Tau", "Tau"},   {"Ups", "Ypsilon"},
    {"Phi", "Phi"},    {"Chi", "Chi"},  {"Psi", "Psi"},   {"Ome", "Omega"},
}};

namespace {

// Characters of the designation field (counted from 0).
constexpr std::size_t kNumberFirst = 0, kNumberLength = 3;
constexpr std::size_t kGreekFirst = 3, kGreekLength = 3;
constexpr std::size_t kSuperscript = 6;
constexpr std::size_t kConstellationFirst = 7, kConstellationLength = 3;
constexpr std::size_t kFieldLength = 10;

// A part of the field; the field may be cut short by a zero byte (a damaged record), and a
// missing character counts as a blank.
std::string_view Part(std::string_view field, std::size_t first, std::size_t length) {
    if (first >= field.size()) {
        return {};
    }
    return field.substr(first, length);
}

} // namespace

StarDesignations DesignationsOf(const StarRecord& star) {
    const std::string_view field = FieldText(star.designation).substr(0, kFieldLength);

    std::string_view number = Part(field, kNumberFirst, kNumberLength);
    while (!number.empty() && number.front() == ' ') {
        number.remove_prefix(1);
    }
    std::string_view greek = Part(field, kGreekFirst, kGreekLength);
    while (!greek.empty() && greek.back() == ' ') {
        greek.remove_suffix(1);
    }
    const char superscript = kSuperscript < field.size() ? field[kSuperscript] : ' ';
    const std::string_view constellation = Part(field, kConstellationFirst, kConstellationLength);

    StarDesignations result;
    if (!number.empty()) {
        result.flamsteed.append(number).append(" ").append(constellation);
    }

    const GreekLetter* letter = nullptr;
    for (const GreekLetter& row : GreekLetterTable) {
        if (row.abbreviation == greek) {
            letter = &row;
            break;
        }
    }
    if (letter == nullptr) {
        result.bayer = std::string(greek);
    } else if (superscript == ' ') {
        result.bayer.append(letter->name).append(" ").append(constellation);
    } else {
        result.bayer.append(letter->name)
            .append(" ")
            .append(1, superscript)
            .append(" ")
            .append(constellation);
    }
    return result;
}

std::string_view StarNameOf(const CatalogStore& store, std::int32_t hr) {
    for (const StarNameRecord& entry : store.m_starNames) {
        if (entry.hr == hr) {
            return FieldText(entry.name);
        }
    }
    return {};
}
