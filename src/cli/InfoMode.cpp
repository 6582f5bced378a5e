#include "cli/InfoMode.h"

#include "astro/Angles.h"
#include "astro/SkySession.h"
#include "astro/SkyState.h"
#include "catalog/Loaders.h"
#include "cli/ChartOptions.h"
#include "cli/ConsoleCatalogs.h"
#include "cli/ExitStatus.h"
#include "cli/OptionTable.h"
#include "files/Utf8Text.h"
#include "search/NameIndex.h"
#include "settings/ProgramDir.h"
#include "texts/InfoPanelText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <memory>

namespace {

constexpr const char* kInfoAbout =
    "Prints the rows of the object's information panel for the observer's clock time and place "
    "(default: now, at the place of the profile). OBJECT is any name the find box takes: "
    "HR<number>, HIP<number> (a faint star), M<number>, NGC<number>, a star's name or designation "
    "(Betelgeuse, \"alpha Ori\", "
    "\"58 Ori\"), a deep-sky name (\"Orion Nebula\"), a constellation (Orion, Ori) or one of "
    "Moon, Sun, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto.";

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// A catalogue number after its prefix: blanks allowed in between, digits only, no sign.
std::optional<long> NumberAfter(std::string_view text, std::size_t prefixLength) {
    std::string_view digits = text.substr(prefixLength);
    while (!digits.empty() && digits.front() == ' ') {
        digits.remove_prefix(1);
    }
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(),
                                       [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return std::nullopt;
    }
    long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

std::string ObjectText(const InfoObjectName& name) {
    switch (name.kind) {
    case InfoObjectKind::Star:
        return "HR " + std::to_string(name.number);
    case InfoObjectKind::DeepSky:
        return (name.ngc ? "NGC " : "M ") + std::to_string(name.number);
    case InfoObjectKind::FaintStar:
        return "HIP " + std::to_string(name.number);
    case InfoObjectKind::Body:
        break;
    }
    return kBodyNames[name.body];
}

// A constellation: its full name, then the position the chart centres on when it is found.
void PrintConstellation(std::ostream& out, const NamedObject& object, const CatalogStore& catalog) {
    const SearchTarget centre = NamedObjectPosition(object, catalog, SkyState{});
    const AngleTexts ra = RightAscensionTexts(centre.ra);
    const AngleTexts dec = DeclinationTexts(centre.dec);
    out << NamedObjectTitle(object, catalog) << "\n";
    out << "Right ascension: " << ra.whole << " " << ra.minutes << " " << ra.seconds << "\n";
    out << "Declination: " << dec.whole << " " << dec.minutes << " " << dec.seconds << "\n";
}

} // namespace

std::optional<InfoObjectName> ParseInfoObject(std::string_view text) {
    const std::string lower = Lower(text);
    for (std::size_t b = 0; b < kBodyCount; ++b) {
        if (lower == Lower(kBodyNames[b])) {
            InfoObjectName name;
            name.kind = InfoObjectKind::Body;
            name.body = b;
            return name;
        }
    }
    struct Prefix {
        const char* text;
        InfoObjectKind kind;
        bool ngc;
    };
    // NGC before M is not needed (neither begins with the other), HR is a star.
    for (const Prefix& p :
         {Prefix{"hip", InfoObjectKind::FaintStar, false},
          Prefix{"hr", InfoObjectKind::Star, false}, Prefix{"ngc", InfoObjectKind::DeepSky, true},
          Prefix{"m", InfoObjectKind::DeepSky, false}}) {
        const std::string_view prefix = p.text;
        if (lower.starts_with(prefix)) {
            const auto number = NumberAfter(lower, prefix.size());
            if (!number) {
                return std::nullopt;
            }
            InfoObjectName name;
            name.kind = p.kind;
            name.ngc = p.ngc;
            name.number = *number;
            return name;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindInfoObject(const InfoObjectName& name, const CatalogStore& catalog) {
    switch (name.kind) {
    case InfoObjectKind::Body:
        return name.body < kBodyCount ? std::optional(name.body) : std::nullopt;
    case InfoObjectKind::Star:
        for (std::size_t i = 0; i < catalog.m_stars.size(); ++i) {
            if (catalog.m_stars[i].hr == name.number && name.number > 0) {
                return i;
            }
        }
        return std::nullopt;
    case InfoObjectKind::FaintStar: {
        // Only the stars of hipparcos.bin: a Hipparcos star of the bright catalogue is found by
        // its HR number or name.
        const FaintStar* star =
            catalog.m_faintStars.FindHip(static_cast<std::int32_t>(name.number));
        if (star == nullptr || name.number <= 0) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(star - catalog.m_faintStars.stars.data());
    }
    case InfoObjectKind::DeepSky: {
        const std::size_t first = name.ngc ? kNgcFirst : 0;
        const std::size_t end = name.ngc ? kNgcFirst + kNgcCount : kMessierCount;
        for (std::size_t i = first; i < end; ++i) {
            if (catalog.m_deepSky[i].number == name.number && name.number > 0) {
                return i;
            }
        }
        return std::nullopt;
    }
    }
    return std::nullopt;
}

int RunInfoMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                ClockInstant now) {
    const ChartOptionsResult parsed = ParseModeChartOptions(args, now, err);
    if (!parsed.ok) {
        return kExitBadOption;
    }
    std::optional<std::string> objectText;
    for (std::size_t i = 0; i < parsed.rest.size(); ++i) {
        const std::string& arg = parsed.rest[i];
        const OptionMatch match =
            MatchOption(parsed.rest, i, Only(Mode::Info), {OptionKind::General, OptionKind::Own});
        if (match.row && match.row->id == OptionId::Help) {
            out << ModeUsage(Mode::Info, kInfoAbout);
            return kExitOk;
        }
        if (arg.starts_with("-")) {
            err << "vesperanova: unknown option " << arg << " for --info\n";
            return kExitBadOption;
        }
        if (objectText) {
            err << "vesperanova: --info takes one object, not '" << *objectText << "' and '" << arg
                << "'\n";
            return kExitBadOption;
        }
        objectText = arg;
    }
    if (!objectText) {
        err << "vesperanova: --info needs an object: HR<number>, M<number>, NGC<number> or a "
               "Solar System body (Moon, Sun, Mercury .. Pluto)\n";
        return kExitBadOption;
    }
    std::optional<InfoObjectName> name = ParseInfoObject(*objectText);
    PrintSettingsWarnings(parsed.options, err);

    const AppSettings& settings = parsed.options.settings;
    auto catalog = std::make_unique<CatalogStore>();
    if (!name || name->kind != InfoObjectKind::Body) {
        if (!LoadConsoleCatalogs(*catalog, std::filesystem::path(FindProgramDir()), parsed.options,
                                 err)) {
            return kExitMissingCatalogue;
        }
    }
    std::optional<std::size_t> index;
    if (name) {
        index = FindInfoObject(*name, *catalog);
    }
    if (!index) {
        const std::optional<NamedObject> named = NameIndex(*catalog).Find(*objectText);
        if (!named && name) {
            err << "vesperanova: " << ObjectText(*name) << " is not in the catalogue\n";
            return kExitBadOption;
        }
        if (!named) {
            err << "vesperanova: unknown object '" << *objectText
                << "': give a name or designation the find box knows, HR<number>, M<number>, "
                   "NGC<number> or a Solar System body (Moon, Sun, Mercury .. Pluto)\n";
            return kExitBadOption;
        }
        if (named->kind == NamedKind::Constellation) {
            PrintConstellation(out, *named, *catalog);
            out.flush();
            return out ? kExitOk : kExitFailed;
        }
        name = InfoObjectName{};
        index = named->index;
        name->kind = named->kind == NamedKind::Star        ? InfoObjectKind::Star
                     : named->kind == NamedKind::DeepSky   ? InfoObjectKind::DeepSky
                     : named->kind == NamedKind::FaintStar ? InfoObjectKind::FaintStar
                                                           : InfoObjectKind::Body;
        name->body = named->index;
    }

    // The sky of the instant: the bodies, and the catalogue as the chart's model holds it at
    // that instant.
    const SkySession session(std::move(catalog), settings.SkyDate, PlaceOf(settings.Observer),
                             SkyModelOfSettings(settings));
    const SkyModel& model = session.Model();
    InfoPanelContent content;
    switch (name->kind) {
    case InfoObjectKind::Star:
        content = StarInfoContent(session.Catalog(), *index, session.Now(), session.Place(), model);
        break;
    case InfoObjectKind::FaintStar:
        content =
            FaintStarInfoContent(session.Catalog(), *index, session.Now(), session.Place(), model);
        break;
    case InfoObjectKind::DeepSky:
        content =
            DeepSkyInfoContent(session.Catalog(), *index, session.Now(), session.Place(), model);
        break;
    case InfoObjectKind::Body:
        content =
            BodyInfoContent(session.Sky().m_bodies, *index, session.Now(), session.Place(), model);
        break;
    }
    // Catalogue text reaches the terminal as valid UTF-8 without control characters.
    out << SanitizedUtf8(content.title) << "\n";
    for (const InfoPanelRow& row : content.rows) {
        out << SanitizedUtf8(row.label) << " " << SanitizedUtf8(row.JoinedValues()) << "\n";
    }
    out << "Sky model: " << model.Name() << "\n";
    out.flush();
    return out ? kExitOk : kExitFailed;
}
