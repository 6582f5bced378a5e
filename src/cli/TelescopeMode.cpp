#include "cli/TelescopeMode.h"

#include "astro/Angles.h"
#include "catalog/CatalogStore.h"
#include "cli/ChartOptions.h"
#include "cli/ConsoleCatalogs.h"
#include "cli/ExitStatus.h"
#include "cli/JsonText.h"
#include "cli/OptionTable.h"
#include "files/Utf8Text.h"
#include "search/NameIndex.h"
#include "settings/ProgramDir.h"
#include "telescope/MountAddress.h"
#include "telescope/MountClient.h"
#include "telescope/MountTarget.h"
#include "telescope/SlewSafety.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <thread>

namespace {

constexpr const char* kTelescopeAbout =
    "Drives the mount of an INDI server (for a try: indiserver indi_simulator_telescope, then "
    "--telescope localhost:7624). With --goto it sends the observer's place and clock time (the "
    "chart options; default: now, at the place of the profile), slews to the object's apparent "
    "place of date (computed with the precise model), waits until the slew ends and prints the "
    "target's and the mount's right ascension and declination of date. A target below the "
    "horizon or closer than 15 degrees to the Sun is refused unless --force is given. OBJECT is "
    "any name the find box takes. With --status it prints the mount's position and state. Exit "
    "status 4 when the server cannot be reached, the device is missing, or the slew is refused "
    "or does not end in time.";

constexpr double kDefaultSlewTimeoutSeconds = 120.0;
// How long connecting may take in all: reaching the server, then its list of devices, then the
// mount's first position.
constexpr auto kConnectWait = std::chrono::seconds(3 * kMountConnectTimeoutSeconds);
constexpr auto kPollInterval = std::chrono::milliseconds(100);

using Clock = std::chrono::steady_clock;

// "05:55:10.31" (hours) and "+07:24:25.4" (degrees), rounded as a whole first so that no field
// shows 60.
std::string HoursText(double hours) {
    const long hundredths = std::lround(hours * 360000.0) % (24L * 360000L);
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%05.2f", hundredths / 360000,
                  hundredths / 6000 % 60, static_cast<double>(hundredths % 6000) / 100.0);
    return text;
}

std::string DegreesText(double degrees) {
    const long tenths = std::lround(std::fabs(degrees) * 36000.0);
    char text[32];
    std::snprintf(text, sizeof text, "%c%02ld:%02ld:%04.1f", degrees < 0.0 ? '-' : '+',
                  tenths / 36000, tenths / 600 % 60, static_cast<double>(tenths % 600) / 10.0);
    return text;
}

// "05:55:10.31 +07:24:25.4 (5.9195306 h, +7.4070556 deg)".
std::string PlaceText(double raHours, double decDegrees) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, " (%.7f h, %+.7f deg)", raHours, decDegrees);
    return HoursText(raHours) + " " + DegreesText(decDegrees) + numbers;
}

// Waits until `done(status)` holds or the mount is disconnected or `limit` passes; the last
// status.
template <typename Done>
MountStatus WaitFor(const MountClient& client, Clock::duration limit, Done done) {
    const auto deadline = Clock::now() + limit;
    MountStatus status = client.Status();
    while (!done(status) && status.activity != MountActivity::Disconnected &&
           Clock::now() < deadline) {
        std::this_thread::sleep_for(kPollInterval);
        status = client.Status();
    }
    return status;
}

bool Connected(const MountStatus& status) {
    return status.activity != MountActivity::Connecting &&
           status.activity != MountActivity::Disconnected;
}

// Connects and waits for the mount's first position; the error for the user when that fails.
std::optional<std::string> ConnectMount(MountClient& client, const MountAddress& address,
                                        const std::string& device) {
    client.Connect(address.host, address.port, device);
    const MountStatus status = WaitFor(client, kConnectWait, Connected);
    if (Connected(status)) {
        return std::nullopt;
    }
    if (status.activity == MountActivity::Disconnected) {
        return status.message.empty() ? "the connection to the INDI server ended" : status.message;
    }
    return "the mount at " + MountAddressText(address) + " did not report its position within " +
           std::to_string(kConnectWait.count()) + " s";
}

std::string StatusJson(const MountStatus& status) {
    std::string json = "{\"device\": " + JsonString(status.device) +
                       ", \"state\": " + JsonString(ActivityName(status.activity));
    if (status.hasPosition) {
        json += ", \"ra_hours\": " + JsonFixed(status.raHours, 7) +
                ", \"dec_degrees\": " + JsonFixed(status.decDegrees, 7);
    }
    return json + "}";
}

struct TelescopeRequest {
    std::optional<std::string> device;
    std::optional<std::string> gotoObject;
    bool status = false;
    bool json = false;
    bool force = false;
    double timeoutSeconds = kDefaultSlewTimeoutSeconds;
};

// The mode's own options; the exit status when the mode ends here.
std::optional<int> ParseRequest(const std::vector<std::string>& rest, TelescopeRequest& request,
                                std::ostream& out, std::ostream& err) {
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& arg = rest[i];
        const OptionMatch match =
            MatchOption(rest, i, Only(Mode::Telescope), {OptionKind::General, OptionKind::Own});
        const OptionId id = match.row != nullptr ? match.row->id : OptionId::Toolkit;
        if (match.row != nullptr && !match.row->argument.empty() &&
            (!match.value || match.value->empty())) {
            err << "vesperanova: " << match.row->name << " needs " << match.row->argument << "\n";
            return kExitBadOption;
        }
        switch (match.row != nullptr ? id : OptionId::Toolkit) {
        case OptionId::Help:
            out << ModeUsage(Mode::Telescope, kTelescopeAbout);
            return kExitOk;
        case OptionId::Json:
            request.json = true;
            break;
        case OptionId::Force:
            request.force = true;
            break;
        case OptionId::Status:
            request.status = true;
            break;
        case OptionId::Device:
            request.device = *match.value;
            break;
        case OptionId::Goto:
            request.gotoObject = *match.value;
            break;
        case OptionId::Timeout: {
            const std::string& text = *match.value;
            double seconds = 0.0;
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), seconds);
            if (error != std::errc() || end != text.data() + text.size() || !(seconds > 0.0) ||
                seconds > 86400.0) {
                err << "vesperanova: --timeout needs a number of seconds above 0, up to 86400, "
                       "not '"
                    << text << "'\n";
                return kExitBadOption;
            }
            request.timeoutSeconds = seconds;
            break;
        }
        default:
            if (arg.starts_with("-")) {
                err << "vesperanova: unknown option " << arg << " for --telescope\n";
            } else {
                err << "vesperanova: unexpected argument '" << arg << "' for --telescope\n";
            }
            return kExitBadOption;
        }
    }
    if (request.status == request.gotoObject.has_value()) {
        err << "vesperanova: --telescope needs either --goto OBJECT or --status\n";
        return kExitBadOption;
    }
    return std::nullopt;
}

int PrintStatus(MountClient& client, const MountAddress& address, const TelescopeRequest& request,
                std::ostream& out, std::ostream& err) {
    if (const auto problem = ConnectMount(client, address, request.device.value_or(""))) {
        err << "vesperanova: " << *problem << "\n";
        return kExitTelescope;
    }
    const MountStatus status = client.Status();
    if (request.json) {
        out << StatusJson(status) << "\n";
    } else {
        out << "Mount: " << SanitizedUtf8(status.device) << "\n";
        out << "State: " << ActivityName(status.activity) << "\n";
        out << "RA/Dec of date: " << PlaceText(status.raHours, status.decDegrees) << "\n";
    }
    out.flush();
    return out ? kExitOk : kExitFailed;
}

} // namespace

int RunTelescopeMode(const std::optional<std::string>& addressText,
                     const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     ClockInstant now) {
    const ChartOptionsResult parsed = ParseModeChartOptions(args, now, err);
    if (!parsed.ok) {
        return kExitBadOption;
    }
    TelescopeRequest request;
    if (const auto exit = ParseRequest(parsed.rest, request, out, err)) {
        return *exit;
    }
    const std::optional<MountAddress> address =
        ParseMountAddress(addressText.value_or(std::string()));
    if (!address) {
        err << "vesperanova: --telescope needs the INDI server as HOST:PORT (localhost:"
            << kDefaultIndiPort << "), not '" << addressText.value_or("") << "'\n";
        return kExitBadOption;
    }
    PrintSettingsWarnings(parsed.options, err);

    MountClient client;
    if (request.status) {
        return PrintStatus(client, *address, request, out, err);
    }

    // The target, and whether it may be slewed to, before the mount is touched.
    const AppSettings& settings = parsed.options.settings;
    auto catalog = std::make_unique<CatalogStore>();
    if (!LoadConsoleCatalogs(*catalog, std::filesystem::path(FindProgramDir()), parsed.options,
                             err)) {
        return kExitMissingCatalogue;
    }
    const Place place = PlaceOf(settings.Observer);
    const Instant instant = InstantOf(settings.SkyDate, place.zone);
    const std::optional<MountTarget> target =
        MountTargetOfName(*request.gotoObject, NameIndex(*catalog), *catalog, instant, place);
    if (!target) {
        err << "vesperanova: unknown object '" << *request.gotoObject
            << "': give a name or designation the find box knows, HR<number>, M<number>, "
               "NGC<number> or a Solar System body\n";
        return kExitBadOption;
    }
    const SlewCheck check = CheckSlew(target->raHours, target->decDegrees, instant, place);
    if (check.verdict != SlewVerdict::Fine && !request.force) {
        err << "vesperanova: slew refused: " << SlewWarningText(check)
            << " Give --force to slew anyway.\n";
        return kExitTelescope;
    }

    client.SendPlaceAndTime(place, instant.ut);
    if (const auto problem = ConnectMount(client, *address, request.device.value_or(""))) {
        err << "vesperanova: " << *problem << "\n";
        return kExitTelescope;
    }
    if (client.Status().activity == MountActivity::Parked) {
        err << "vesperanova: slew refused: the mount " << client.Status().device
            << " is parked; unpark it first\n";
        return kExitTelescope;
    }
    const auto limit = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(request.timeoutSeconds));
    client.Goto(target->raHours, target->decDegrees);
    const MountStatus status = WaitFor(
        client, limit, [](const MountStatus& s) { return s.activity != MountActivity::Slewing; });
    if (status.activity == MountActivity::Disconnected) {
        err << "vesperanova: the slew did not end: "
            << (status.message.empty() ? std::string("the mount was disconnected") : status.message)
            << "\n";
        return kExitTelescope;
    }
    if (status.activity == MountActivity::Slewing) {
        client.Abort();
        err << "vesperanova: the slew did not end within " << request.timeoutSeconds
            << " s; it was aborted\n";
        // The abort is sent before the client closes the link.
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        return kExitTelescope;
    }
    if (!status.message.empty()) {
        err << "vesperanova: slew refused by the mount: " << status.message << "\n";
        return kExitTelescope;
    }
    const std::string title = SanitizedUtf8(target->title);
    if (request.json) {
        out << "{\"target\": " << JsonString(title)
            << ", \"target_ra_hours\": " << JsonFixed(target->raHours, 7)
            << ", \"target_dec_degrees\": " << JsonFixed(target->decDegrees, 7)
            << ", \"mount\": " << StatusJson(status) << "}\n";
    } else {
        out << "Target: " << title << "\n";
        out << "Target RA/Dec of date: " << PlaceText(target->raHours, target->decDegrees) << "\n";
        out << "Mount RA/Dec of date: " << PlaceText(status.raHours, status.decDegrees) << "\n";
        out << "Mount: " << SanitizedUtf8(status.device) << ", " << ActivityName(status.activity)
            << "\n";
    }
    out.flush();
    return out ? kExitOk : kExitFailed;
}
