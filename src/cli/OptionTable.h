// Every command-line option of the program, in one table: its name, the name of its argument,
// its help line, the modes that take it and how it applies. The usage texts (--help, and
// --help with a mode), the parsing of the chart options, of each console mode's own options and
// of the desktop program's options are all read from it.
//
// Every option with an argument takes it as "--option VALUE" or "--option=VALUE"; a flag takes
// no "=". A new chart option is one row here and its case where ParseChartOptions applies the
// values (ChartOptions.cpp).
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The program's modes: the desktop program, and the five console modes.
enum class Mode : unsigned {
    Desktop = 1,
    Ephemeris = 2,
    Render = 4,
    Info = 8,
    Tonight = 16,
    Altitude = 32,
    Telescope = 64
};
using ModeSet = unsigned;
constexpr ModeSet operator|(Mode a, Mode b) {
    return static_cast<ModeSet>(a) | static_cast<ModeSet>(b);
}
constexpr ModeSet operator|(ModeSet a, Mode b) {
    return a | static_cast<ModeSet>(b);
}
constexpr ModeSet Only(Mode mode) {
    return static_cast<ModeSet>(mode);
}
constexpr bool Takes(ModeSet modes, Mode mode) {
    return (modes & static_cast<ModeSet>(mode)) != 0;
}
inline constexpr ModeSet kConsoleModes =
    Mode::Ephemeris | Mode::Render | Mode::Info | Mode::Tonight | Mode::Altitude | Mode::Telescope;
inline constexpr ModeSet kEveryMode = kConsoleModes | Mode::Desktop;

// How an option applies.
enum class OptionKind {
    ModeChoice, // chooses a console mode (Console.cpp); its argument is the mode's subject
    General,    // answered before anything else: --help, --version
    Chart,      // the instant, place and profile of a console mode (ParseChartOptions); the
                // desktop program applies --profile itself (ParseStartupOptions)
    Own,        // read by the parser of the one mode that takes it
    Toolkit,    // the window system's: the desktop program passes it on untouched
};

enum class OptionId {
    Ephemeris,
    Render,
    Info,
    Tonight,
    Altitude,
    Telescope,
    Help,
    Version,
    NoSplash,
    Profile,
    Date,
    Longitude,
    Latitude,
    Zone,
    Place,
    ZoneName,
    Precise,
    Json,
    WithStars,
    Plot,
    Size,
    ChartMode,
    Level,
    Center,
    Layers,
    ColoredSky,
    Style,
    Print,
    Page,
    Objects,
    Device,
    Goto,
    Status,
    Timeout,
    Force,
    Toolkit, // every option of the window system
};

struct OptionRow {
    OptionId id;
    std::string_view name;     // "--date"
    std::string_view argument; // the argument's name in the usage; empty for a flag
    std::string_view help;     // one phrase, no final full stop
    ModeSet modes;
    OptionKind kind;
    std::string_view alias = {}; // a second name ("-h"), matched exactly
};

inline constexpr auto kOptionTable = std::to_array<OptionRow>({
    {OptionId::Ephemeris, "--ephemeris", "",
     "print the Sun, the Moon and the planets for the chart's instant and place",
     Only(Mode::Ephemeris), OptionKind::ModeChoice},
    {OptionId::Render, "--render", "FILE.png|FILE.svg|FILE.pdf",
     "draw one chart frame into the file", Only(Mode::Render), OptionKind::ModeChoice},
    {OptionId::Info, "--info", "OBJECT", "print the rows of the object's information panel",
     Only(Mode::Info), OptionKind::ModeChoice},
    {OptionId::Tonight, "--tonight", "",
     "print the night of the chart's date at its place: twilights, the Moon, the dark hours and "
     "what is well placed",
     Only(Mode::Tonight), OptionKind::ModeChoice},
    {OptionId::Altitude, "--altitude", "OBJECT",
     "print the object's altitude and azimuth every 10 minutes from local noon to the next noon",
     Only(Mode::Altitude), OptionKind::ModeChoice},
    {OptionId::Telescope, "--telescope", "HOST:PORT",
     "drive the mount of an INDI server: slew it to an object (--goto) or print where it points "
     "(--status)",
     Only(Mode::Telescope), OptionKind::ModeChoice},
    {OptionId::Help, "--help", "", "print the options (of the mode given with it) and end",
     kEveryMode, OptionKind::General, "-h"},
    {OptionId::Version, "--version", "", "print the program's version and end", Only(Mode::Desktop),
     OptionKind::General},
    {OptionId::NoSplash, "--no-splash", "", "do not show the start-up picture", Only(Mode::Desktop),
     OptionKind::Own},
    {OptionId::Date, "--date", "YYYY-MM-DDTHH:MM[:SS]",
     "the observer's clock time (default: now, second 0)", kConsoleModes, OptionKind::Chart},
    {OptionId::Longitude, "--lon", "DD:MM{E|W}", "longitude, degrees 0..180, minutes 0..59",
     kConsoleModes, OptionKind::Chart},
    {OptionId::Latitude, "--lat", "DD:MM{N|S}", "latitude, degrees 0..90, minutes 0..59",
     kConsoleModes, OptionKind::Chart},
    {OptionId::Zone, "--zone", "HOURS",
     "a fixed time zone, -12..14 hours (universal time = clock time - HOURS)", kConsoleModes,
     OptionKind::Chart},
    {OptionId::Place, "--place", "NAME",
     "a built-in place by name, in any case (Poland:Krakow), with its time zone", kConsoleModes,
     OptionKind::Chart},
    {OptionId::ZoneName, "--tz", "ZONE",
     "a zone of the system's database (Europe/Warsaw): the clock time follows its daylight "
     "saving time",
     kConsoleModes, OptionKind::Chart},
    {OptionId::Profile, "--profile", "FILE",
     "the settings profile (default $XDG_CONFIG_HOME/vesperanova/nocta.ini); the desktop program "
     "reads "
     "and writes it, the console modes only read it",
     kEveryMode, OptionKind::Chart},
    {OptionId::Precise, "--precise", "",
     "the precise sky model (apparent places of date); without it the console modes use the "
     "classic model",
     kConsoleModes, OptionKind::Chart},
    {OptionId::Json, "--json", "", "print one JSON object instead of the table",
     Mode::Ephemeris | Mode::Tonight | Mode::Altitude | Mode::Telescope, OptionKind::Own},
    {OptionId::WithStars, "--with-stars", "",
     "also weigh the 50 brightest stars for the list of what is well placed", Only(Mode::Tonight),
     OptionKind::Own},
    {OptionId::Plot, "--plot", "FILE.png|FILE.svg|FILE.pdf",
     "also draw the altitude graph into the file", Only(Mode::Altitude), OptionKind::Own},
    {OptionId::Size, "--size", "WxH",
     "the screen the chart is drawn for (default 1600x1000; the sphere's radius follows its "
     "height)",
     Only(Mode::Render), OptionKind::Own},
    {OptionId::ChartMode, "--mode", "equatorial|horizon", "an equatorial or a local-horizon chart",
     Only(Mode::Render), OptionKind::Own},
    {OptionId::Level, "--level", "0..17", "the zoom level (12..17 with --layers +faintstars)",
     Only(Mode::Render), OptionKind::Own},
    {OptionId::Center, "--center", "RA_HOURS,DEC_DEG", "the centre of the chart",
     Only(Mode::Render), OptionKind::Own},
    {OptionId::Layers, "--layers", "+NAME,-NAME,...", "switch layers on (+) or off (-)",
     Only(Mode::Render), OptionKind::Own},
    {OptionId::ColoredSky, "--colored-sky", "", "a coloured sky background instead of black",
     Only(Mode::Render), OptionKind::Own},
    {OptionId::Style, "--style", "natural|classic",
     "the sky as it looks (stars by their light and colour, daylight, a ground) or the classic "
     "chart (the default)",
     Only(Mode::Render), OptionKind::Own},
    {OptionId::Print, "--print", "", "draw the printed chart, black on white, on a page",
     Only(Mode::Render), OptionKind::Own},
    {OptionId::Page, "--page", "WxH",
     "the printed page in device pixels (default 2480x3508, A4 at 300 per inch); only with "
     "--print",
     Only(Mode::Render), OptionKind::Own},
    {OptionId::Objects, "--objects", "FILE.json",
     "also write every star, body and deep-sky object drawn, with its pixel position",
     Only(Mode::Render), OptionKind::Own},
    {OptionId::Device, "--device", "NAME",
     "the mount's device name on the server (default: the first telescope it lists)",
     Only(Mode::Telescope), OptionKind::Own},
    {OptionId::Goto, "--goto", "OBJECT",
     "slew to the object's apparent place of date and wait until the slew ends",
     Only(Mode::Telescope), OptionKind::Own},
    {OptionId::Status, "--status", "", "print the mount's position and state",
     Only(Mode::Telescope), OptionKind::Own},
    {OptionId::Timeout, "--timeout", "SECONDS", "the longest wait for the slew (default 120)",
     Only(Mode::Telescope), OptionKind::Own},
    {OptionId::Force, "--force", "",
     "slew even below the horizon or closer than 15 degrees to the Sun", Only(Mode::Telescope),
     OptionKind::Own},
    // GTK's own options, passed on to it.
    {OptionId::Toolkit, "--display", "NAME", "the X display to use", Only(Mode::Desktop),
     OptionKind::Toolkit},
    {OptionId::Toolkit, "--name", "NAME", "the program name the window manager sees",
     Only(Mode::Desktop), OptionKind::Toolkit},
    {OptionId::Toolkit, "--class", "CLASS", "the program class the window manager sees",
     Only(Mode::Desktop), OptionKind::Toolkit},
    {OptionId::Toolkit, "--gtk-module", "MODULES", "load more GTK modules", Only(Mode::Desktop),
     OptionKind::Toolkit},
    {OptionId::Toolkit, "--gtk-debug", "FLAGS", "GTK debugging flags to set", Only(Mode::Desktop),
     OptionKind::Toolkit},
    {OptionId::Toolkit, "--gtk-no-debug", "FLAGS", "GTK debugging flags to clear",
     Only(Mode::Desktop), OptionKind::Toolkit},
    {OptionId::Toolkit, "--gdk-debug", "FLAGS", "GDK debugging flags to set", Only(Mode::Desktop),
     OptionKind::Toolkit},
    {OptionId::Toolkit, "--gdk-no-debug", "FLAGS", "GDK debugging flags to clear",
     Only(Mode::Desktop), OptionKind::Toolkit},
    {OptionId::Toolkit, "--sync", "", "make X calls synchronous", Only(Mode::Desktop),
     OptionKind::Toolkit},
    {OptionId::Toolkit, "--g-fatal-warnings", "", "make every warning fatal", Only(Mode::Desktop),
     OptionKind::Toolkit},
});

// The row of an option by its id (the first, for Toolkit).
const OptionRow& OptionOf(OptionId id);

// One argument matched against the table.
struct OptionMatch {
    const OptionRow* row = nullptr; // null: not one of the rows asked for
    // The value of an option with an argument: after "=", else the next argument (taken
    // whatever it is); empty when the option is the last argument.
    std::optional<std::string> value;
};

// Matches args[i] against the rows of `kinds` that one of `modes` takes. A row with an argument
// matches
// "--name" (then i moves past the value it takes) or "--name=VALUE"; a flag and an alias match
// only exactly.
OptionMatch MatchOption(const std::vector<std::string>& args, std::size_t& i, ModeSet modes,
                        std::initializer_list<OptionKind> kinds);

// The usage line of the mode (every option it takes), the description `about` (one paragraph),
// then the list of its options with their help, all wrapped at 100 columns.
std::string ModeUsage(Mode mode, std::string_view about);

// The arguments left after the chart options of a mode whose one own option is --json: sets
// `json` when it is given. Returns the exit status when the mode ends here: its usage printed
// for --help, or a wrong argument reported as "unknown option" / "unexpected argument" for the
// mode's option `modeOption` ("--ephemeris").
std::optional<int> ParseJsonModeArguments(const std::vector<std::string>& rest, Mode mode,
                                          std::string_view about, std::string_view modeOption,
                                          bool& json, std::ostream& out, std::ostream& err);

// The general usage: the usage line of every mode, then every option with its help, grouped by
// how it applies.
std::string GeneralUsage();
