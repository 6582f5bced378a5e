#include "cli/RenderMode.h"

#include "astro/SkySession.h"
#include "catalog/CatalogStore.h"
#include "catalog/DeepSkyObjects.h"
#include "catalog/Loaders.h"
#include "catalog/StarDesignations.h"
#include "chart/Centering.h"
#include "chart/ChartExport.h"
#include "chart/ChartSetup.h"
#include "chart/ChartState.h"
#include "chart/LayerSwitches.h"
#include "cli/ChartOptions.h"
#include "cli/ConsoleCatalogs.h"
#include "cli/ExitStatus.h"
#include "cli/JsonText.h"
#include "cli/OptionTable.h"
#include "files/SafeFile.h"
#include "navigation/Navigation.h"
#include "settings/ProgramDir.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace {

// What --render --help says besides the usage line and the options.
std::string RenderAbout() {
    return "Draws one chart frame into the file without opening a display. Layer names: " +
           LayerSwitchNames() + ".";
}

// Limits of --size and --page: small enough for one image in memory (400 MB at most).
constexpr int kMinSide = 16;
constexpr int kMaxSide = 20000;
constexpr long long kMaxPixels = 100'000'000;

struct PixelSize {
    int width = 0;
    int height = 0;
};

struct RenderRequest {
    PixelSize screen{1600, 1000};
    PixelSize page{2480, 3508};
    std::optional<int> mode;
    std::optional<int> level;
    std::optional<std::pair<double, double>> centre;
    std::vector<std::pair<std::string, int>> layers; // name, 0 or 1
    bool coloredSky = false;
    bool natural = false;
    bool print = false;
    bool pageGiven = false;
    std::string objectsPath;
};

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<PixelSize> ParseSize(std::string_view text) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos) {
        return std::nullopt;
    }
    const auto w = ParseInt(text.substr(0, x));
    const auto h = ParseInt(text.substr(x + 1));
    if (!w || !h || *w < kMinSide || *h < kMinSide || *w > kMaxSide || *h > kMaxSide ||
        static_cast<long long>(*w) * *h > kMaxPixels) {
        return std::nullopt;
    }
    return PixelSize{*w, *h};
}

// Parses the render options; returns the error line or an empty text. A missing value is a
// wrong value, named by the option's own message.
std::string ParseRenderOptions(const std::vector<std::string>& args, RenderRequest& request,
                               bool& help) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const OptionMatch match =
            MatchOption(args, i, Only(Mode::Render), {OptionKind::General, OptionKind::Own});
        if (!match.row) {
            if (arg.starts_with("-")) {
                return "unknown option " + arg + " for --render";
            }
            return "unexpected argument '" + arg + "' for --render";
        }
        const std::optional<std::string>& value = match.value;
        switch (match.row->id) {
        case OptionId::Help:
            help = true;
            return {};
        case OptionId::ColoredSky:
            request.coloredSky = true;
            break;
        case OptionId::Style:
            if (value == "natural" || value == "classic") {
                request.natural = value == "natural";
            } else {
                return "--style needs natural or classic";
            }
            break;
        case OptionId::Print:
            request.print = true;
            break;
        case OptionId::Size: {
            const auto size = value ? ParseSize(*value) : std::nullopt;
            if (!size) {
                return "--size needs WIDTHxHEIGHT, each 16..20000 pixels, 100 million pixels at "
                       "most";
            }
            request.screen = *size;
            break;
        }
        case OptionId::Page: {
            const auto size = value ? ParseSize(*value) : std::nullopt;
            if (!size) {
                return "--page needs WIDTHxHEIGHT, each 16..20000 pixels, 100 million pixels at "
                       "most";
            }
            request.page = *size;
            request.pageGiven = true;
            break;
        }
        case OptionId::ChartMode:
            if (value == "equatorial") {
                request.mode = 0;
            } else if (value == "horizon") {
                request.mode = 1;
            } else {
                return "--mode needs equatorial or horizon";
            }
            break;
        case OptionId::Level: {
            const auto level = value ? ParseInt(*value) : std::nullopt;
            if (!level || *level < 0 || *level > kMaxDeepLevel) {
                return "--level needs a zoom level 0..11 (0..17 with --layers +faintstars)";
            }
            request.level = *level;
            break;
        }
        case OptionId::Center: {
            const std::string text = value.value_or("");
            const std::size_t comma = text.find(',');
            const auto ra = comma == std::string::npos
                                ? std::nullopt
                                : ParseNumber(std::string_view(text).substr(0, comma));
            const auto dec = comma == std::string::npos
                                 ? std::nullopt
                                 : ParseNumber(std::string_view(text).substr(comma + 1));
            if (!ra || !dec || *ra < 0.0 || *ra >= 24.0 || *dec < -90.0 || *dec > 90.0) {
                return "--center needs RA_HOURS,DEC_DEG with 0 <= RA < 24 and -90 <= DEC <= 90";
            }
            request.centre = std::pair{*ra, *dec};
            break;
        }
        case OptionId::Layers: {
            if (!value || value->empty()) {
                return "--layers needs a list such as +grid,-milkyway";
            }
            std::string_view list = *value;
            while (!list.empty()) {
                const std::size_t comma = list.find(',');
                std::string_view item = list.substr(0, comma);
                list =
                    comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
                int on = 1;
                if (!item.empty() && (item.front() == '+' || item.front() == '-')) {
                    on = item.front() == '+' ? 1 : 0;
                    item.remove_prefix(1);
                }
                if (!FindLayerSwitch(item)) {
                    return "--layers: unknown layer '" + std::string(item) + "' (" +
                           LayerSwitchNames() + ")";
                }
                request.layers.emplace_back(std::string(item), on);
            }
            break;
        }
        case OptionId::Objects:
            if (!value || value->empty()) {
                return "--objects needs a file name";
            }
            request.objectsPath = *value;
            break;
        default: // the table gives --render no other option of these kinds
            break;
        }
    }
    if (request.pageGiven && !request.print) {
        return "--page applies only with --print";
    }
    // The deep levels exist only with the faint stars to fill them.
    if (request.level && *request.level > kMaxLevel) {
        bool faint = false;
        for (const auto& [name, on] : request.layers) {
            if (name == "faintstars") {
                faint = on != 0;
            }
        }
        if (!faint) {
            return "--level needs a zoom level 0..11 (0..17 with --layers +faintstars)";
        }
    }
    return {};
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// The name a user knows a star by: its proper name, else Bayer, else Flamsteed, else HR number.
std::string StarLabel(const CatalogStore& catalog, const StarRecord& star) {
    const std::string_view proper = StarNameOf(catalog, star.hr);
    if (!proper.empty()) {
        return Trimmed(proper);
    }
    const StarDesignations d = DesignationsOf(star);
    if (!Trimmed(d.bayer).empty()) {
        return Trimmed(d.bayer);
    }
    if (!Trimmed(d.flamsteed).empty()) {
        return Trimmed(d.flamsteed);
    }
    return "HR " + std::to_string(star.hr);
}

} // namespace

std::string PickingTablesJson(const PickingTables& picks, const CatalogStore& catalog,
                              unsigned radius, int centerX, int centerY, bool faintStars) {
    std::string json = "{\"centerX\": " + std::to_string(centerX) +
                       ", \"centerY\": " + std::to_string(centerY) +
                       ", \"radius\": " + std::to_string(radius) + ",\n \"stars\": [";
    bool first = true;
    for (std::size_t i = 0; i < picks.stars.size(); ++i) {
        const StarPick& p = picks.stars[i];
        if (p.x == 0 && p.y == 0) {
            continue; // not drawn in this frame
        }
        const StarRecord& star = catalog.m_stars[i];
        json += first ? "\n  " : ",\n  ";
        first = false;
        json += "{\"index\": " + std::to_string(i) + ", \"hr\": " + std::to_string(star.hr) +
                ", \"name\": " + JsonString(StarLabel(catalog, star)) +
                ", \"x\": " + std::to_string(p.x) + ", \"y\": " + std::to_string(p.y) +
                ", \"magnitude\": " + std::to_string(p.magnitude) + "}";
    }
    json += "],\n \"bodies\": [";
    first = true;
    for (std::size_t b = 0; b < picks.bodies.size(); ++b) {
        const PixelPoint& p = picks.bodies[b];
        if (p.x == 0 && p.y == 0) {
            continue;
        }
        json += first ? "\n  " : ",\n  ";
        first = false;
        json += "{\"index\": " + std::to_string(b) + ", \"name\": " + JsonString(kBodyNames[b]) +
                ", \"x\": " + std::to_string(p.x) + ", \"y\": " + std::to_string(p.y) + "}";
    }
    json += "],\n \"deepSky\": [";
    first = true;
    for (std::size_t i = 0; i < picks.deepSky.size(); ++i) {
        const PixelPoint& p = picks.deepSky[i];
        if (p.x == 0 && p.y == 0) {
            continue;
        }
        const DeepSkyRecord& object = catalog.m_deepSky[i];
        json += first ? "\n  " : ",\n  ";
        first = false;
        json += "{\"index\": " + std::to_string(i) +
                ", \"name\": " + JsonString(DeepSkyTitle(i, object)) +
                ", \"number\": " + std::to_string(object.number) +
                ", \"x\": " + std::to_string(p.x) + ", \"y\": " + std::to_string(p.y) + "}";
    }
    json += "]";
    if (faintStars) {
        json += ",\n \"faintStars\": [";
        first = true;
        for (const FaintStarPick& p : picks.faintStars) {
            const FaintStar& star = catalog.m_faintStars.stars.at(p.index);
            char magnitude[16];
            std::snprintf(magnitude, sizeof magnitude, "%.2f", static_cast<double>(star.magnitude));
            json += first ? "\n  " : ",\n  ";
            first = false;
            json += "{\"index\": " + std::to_string(p.index) +
                    ", \"hip\": " + std::to_string(star.hip) + ", \"x\": " + std::to_string(p.x) +
                    ", \"y\": " + std::to_string(p.y) + ", \"magnitude\": " + magnitude + "}";
        }
        json += "]";
    }
    json += "}\n";
    return json;
}

int RunRenderMode(const std::string& outputPath, const std::vector<std::string>& args,
                  std::ostream& out, std::ostream& err, ClockInstant now) {
    const ChartOptionsResult parsed = ParseModeChartOptions(args, now, err);
    if (!parsed.ok) {
        return kExitBadOption;
    }
    RenderRequest request;
    bool help = false;
    if (const std::string error = ParseRenderOptions(parsed.rest, request, help); !error.empty()) {
        err << "vesperanova: " << error << "\n";
        return kExitBadOption;
    }
    if (help) {
        out << ModeUsage(Mode::Render, RenderAbout());
        return kExitOk;
    }
    if (outputPath.empty() || outputPath.starts_with("-")) {
        err << "vesperanova: --render needs an output file (.png, .svg or .pdf)\n";
        return kExitBadOption;
    }
    const std::optional<ExportFormat> format = ExportFormatForPath(outputPath);
    if (!format) {
        err << "vesperanova: cannot tell the format of '" << outputPath
            << "': the name must end in .png, .svg or .pdf\n";
        return kExitBadOption;
    }
    if (!request.objectsPath.empty() && NameSameFile(outputPath, request.objectsPath)) {
        err << "vesperanova: --render and --objects name the same file " << outputPath << "\n";
        return kExitBadOption;
    }
    // Both outputs are checked before anything is drawn or written, so that a refused second
    // file does not leave the first one written.
    for (const std::string& path : {outputPath, request.objectsPath}) {
        if (path.empty()) {
            continue;
        }
        if (const FileResult writable = CheckWritable(path); !writable) {
            err << "vesperanova: " << writable.error << "\n";
            return kExitFailed;
        }
    }
    PrintSettingsWarnings(parsed.options, err);

    AppSettings settings = parsed.options.settings;
    settings.ProgramDir = FindProgramDir();
    if (request.mode) {
        settings.HorizonView = *request.mode;
    }
    if (request.level) {
        settings.Level = *request.level;
    }
    for (const auto& [name, on] : request.layers) {
        settings.*FindLayerSwitch(name)->setting = on;
    }
    if (request.coloredSky) {
        settings.ColoredSky = 1;
    }
    // The classic chart unless asked for, whatever the profile says: a picture made by a script
    // looks the same on every machine.
    settings.NaturalSky = request.natural ? 1 : 0;

    auto catalog = std::make_unique<CatalogStore>();
    if (!LoadConsoleCatalogs(*catalog, std::filesystem::path(settings.ProgramDir), parsed.options,
                             err)) {
        return kExitMissingCatalogue;
    }

    SkySession session(std::move(catalog), settings.SkyDate, PlaceOf(settings.Observer),
                       SkyModelOfSettings(settings));
    auto chart = std::make_unique<ChartState>(settings);
    SetClientSize(*chart, request.screen.width, request.screen.height);
    InitialUpdate(*chart, request.screen.width, request.screen.height);
    if (const auto warning =
            TurnOffMissingFaintStars(session.Catalog().m_faintStars, *chart, settings.AutoMode)) {
        err << "vesperanova: " << *warning << "\n";
    }
    // A deep level asked for in Auto mode comes with its own limits, as zooming to it does; the
    // twelve levels keep the profile's stored limits, as renders always have.
    if (request.level && *request.level > kMaxLevel && settings.AutoMode == 1) {
        ApplyAutoLimits(*chart);
    }
    if (request.centre) {
        CenterOn(*chart, session.Sky(), request.centre->first, request.centre->second);
    }

    ExportOptions options;
    if (request.print) {
        options.target = FrameTarget::Printer;
        options.pageWidth = request.page.width;
        options.pageHeight = request.page.height;
    }
    // With --objects the chart and its picking tables are written together or not at all.
    options.writeFile = request.objectsPath.empty();
    const ExportResult result =
        ExportChart(outputPath, *format, *chart, session, settings, options);
    if (!result.ok) {
        err << "vesperanova: " << result.error << "\n";
        return kExitFailed;
    }
    if (!request.objectsPath.empty()) {
        const std::string json =
            PickingTablesJson(result.picks, session.Catalog(), result.radius, result.centerX,
                              result.centerY, chart->m_bFaintStars != 0);
        const FileResult written =
            WriteFilesTogether({{outputPath, result.bytes}, {request.objectsPath, json}});
        if (!written) {
            err << "vesperanova: " << written.error << "\n";
            return kExitFailed;
        }
    }
    return kExitOk;
}
