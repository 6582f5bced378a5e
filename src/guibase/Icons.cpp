#include "guibase/Icons.h"

#include <array>
#include <string>
#include <string_view>

namespace {

// Every picture is drawn on a 16 x 16 canvas.
std::string Svg(std::string_view body) {
    std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16' "
                      "viewBox='0 0 16 16'>";
    svg += body;
    svg += "</svg>";
    return svg;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Every "#rgb" and "#rrggbb" colour of the picture turned into the red of its brightness,
// scaled by `scale`.
std::string Reddened(std::string_view body, double scale) {
    std::string out;
    std::size_t i = 0;
    while (i < body.size()) {
        std::size_t digits = 0;
        while (body[i] == '#' && i + 1 + digits < body.size() &&
               HexDigit(body[i + 1 + digits]) >= 0) {
            ++digits;
        }
        if (body[i] != '#' || (digits != 3 && digits != 6)) {
            out += body[i++];
            continue;
        }
        int rgb[3];
        for (int k = 0; k < 3; ++k) {
            rgb[k] = digits == 3
                         ? HexDigit(body[i + 1 + k]) * 17
                         : HexDigit(body[i + 1 + 2 * k]) * 16 + HexDigit(body[i + 2 + 2 * k]);
        }
        const double brightness = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
        const int red = static_cast<int>(brightness * scale);
        static const char* const kHex = "0123456789abcdef";
        out += '#';
        out += kHex[red / 16];
        out += kHex[red % 16];
        out += "0000";
        i += 1 + digits;
    }
    return out;
}

wxBitmapBundle FromBody(std::string_view body, IconColours colours = IconColours::Day) {
    // Night pictures stay dim: their brightest white is a dark red.
    constexpr double kNightScale = 0.75;
    constexpr double kNightDimmedScale = 0.35;
    std::string svg = Svg(body);
    if (colours != IconColours::Day) {
        svg = Reddened(svg, colours == IconColours::Night ? kNightScale : kNightDimmedScale);
    }
    return wxBitmapBundle::FromSVG(svg.c_str(), wxSize(kCommandIconSize, kCommandIconSize));
}

constexpr std::string_view kMagnifier =
    "<circle cx='6.5' cy='6.5' r='4.5' fill='#dff1ff' stroke='#1d3f73' stroke-width='1.6'/>"
    "<path d='M10 10l5 5' stroke='#1d3f73' stroke-width='2.4' stroke-linecap='round'/>";

constexpr std::string_view kPage = "<path d='M3 1h7l3 3v11H3z' fill='#ffffff' stroke='#4a4a4a'/>"
                                   "<path d='M10 1v3h3' fill='none' stroke='#4a4a4a'/>";

constexpr std::string_view kQuestionMark =
    "<path d='M5.5 5.5a2.5 2.5 0 1 1 3.6 2.2c-.8.4-1.1.9-1.1 1.8v.8' fill='none' "
    "stroke='#1d3f73' stroke-width='1.8' stroke-linecap='round'/>"
    "<circle cx='8' cy='13.3' r='1.1' fill='#1d3f73'/>";

constexpr std::string_view kArrowUp = "<path d='M8 2l6 7h-4v5H6V9H2z' fill='#2f6bd1' "
                                      "stroke='#173b7a' stroke-linejoin='round'/>";

struct IconEntry {
    CommandPicture picture;
    std::string_view body;
};

const std::array kIcons = {
    IconEntry{CommandPicture::Open,
              "<path d='M1 3h5l1.5 1.5H14V13H1z' fill='#f0c75e' stroke='#8a6414'/>"
              "<path d='M1 13l2.5-6H16l-2 6z' fill='#f7dc8c' stroke='#8a6414'/>"},
    IconEntry{CommandPicture::PrintPreview,
              "<path d='M2 1h7l3 3v11H2z' fill='#fff' stroke='#4a4a4a'/>"
              "<circle cx='8' cy='9' r='3.2' fill='#dff1ff' "
              "stroke='#1d3f73' stroke-width='1.4'/>"
              "<path d='M10.3 11.3l4 4' stroke='#1d3f73' "
              "stroke-width='2' stroke-linecap='round'/>"},
    IconEntry{CommandPicture::Print, "<path d='M4 1h8v5H4z' fill='#fff' stroke='#4a4a4a'/>"
                                     "<path d='M1 6h14v6H1z' fill='#b8bec8' stroke='#4a4a4a'/>"
                                     "<path d='M4 10h8v5H4z' fill='#fff' stroke='#4a4a4a'/>"
                                     "<circle cx='12.5' cy='8' r='.8' fill='#2fa84f'/>"},
    IconEntry{CommandPicture::ExportChart,
              "<path d='M3 1h7l3 3v11H3z' fill='#fff' stroke='#4a4a4a'/>"
              "<circle cx='6' cy='6' r='1' fill='#1d3f73'/><circle cx='9' cy='9' r='.8' "
              "fill='#1d3f73'/><path d='M6 12h5M9 10l2 2-2 2' fill='none' stroke='#2fa84f' "
              "stroke-width='1.4'/>"},
    IconEntry{CommandPicture::NightVision,
              "<circle cx='8' cy='8' r='7' fill='#300000' stroke='#a00000'/>"
              "<path d='M10 3a5 5 0 1 0 3 7 4 4 0 1 1-3-7z' fill='#ff3030'/>"},
    IconEntry{CommandPicture::NaturalSky,
              "<circle cx='8' cy='8' r='7' fill='#14306a'/>"
              "<path d='M1.3 10.5h13.4a7 7 0 0 1-13.4 0z' fill='#3d5a2a'/>"
              "<circle cx='5' cy='5' r='1.6' fill='#fff4d8'/><circle cx='10.5' cy='4' r='0.9' "
              "fill='#cfe0ff'/><circle cx='11.5' cy='7.5' r='0.6' fill='#ffe0b0'/>"},
    IconEntry{CommandPicture::Grid,
              "<circle cx='8' cy='8' r='7' fill='none' stroke='#2f6bd1'/>"
              "<ellipse cx='8' cy='8' rx='3.2' ry='7' fill='none' "
              "stroke='#2f6bd1'/><path d='M1 8h14M2.2 4.5h11.6M2.2 11.5h11.6' "
              "stroke='#2f6bd1'/>"},
    IconEntry{CommandPicture::Boundaries,
              "<path d='M1.5 3.5h6v3h7v7h-9v-4h-4z' fill='#eef3fb' "
              "stroke='#b03a2e' stroke-width='1.2' stroke-dasharray='2 1.2'/>"},
    IconEntry{CommandPicture::Figures, "<path d='M2 12l4-4 3 2 5-7M9 10l2 4' fill='none' "
                                       "stroke='#2f6bd1' stroke-width='1.2'/>"
                                       "<circle cx='2' cy='12' r='1.4' fill='#1d3f73'/>"
                                       "<circle cx='6' cy='8' r='1.4' fill='#1d3f73'/>"
                                       "<circle cx='9' cy='10' r='1.4' fill='#1d3f73'/>"
                                       "<circle cx='14' cy='3' r='1.4' fill='#1d3f73'/>"
                                       "<circle cx='11' cy='14' r='1.2' fill='#1d3f73'/>"},
    IconEntry{CommandPicture::DeepSky, "<ellipse cx='8' cy='8' rx='7' ry='3' fill='#d7c9f0' "
                                       "stroke='#5b3f98' transform='rotate(-30 8 8)'/>"
                                       "<circle cx='8' cy='8' r='1.8' fill='#5b3f98'/>"},
    IconEntry{CommandPicture::MilkyWay,
              "<path d='M0 12C4 9 7 9 9 6s4-4 7-5v5c-3 1-4 2-6 4s-5 4-10 6z' "
              "fill='#c9d6ea' stroke='#6b7fa3'/>"
              "<circle cx='5' cy='11' r='.8' fill='#fff'/>"
              "<circle cx='11' cy='6' r='.8' fill='#fff'/>"},
    IconEntry{CommandPicture::SolarSystem, "<ellipse cx='8' cy='8' rx='7' ry='3.5' fill='none' "
                                           "stroke='#777'/><circle cx='8' cy='8' r='2.8' "
                                           "fill='#ffc928' stroke='#c77f00'/><circle cx='13.8' "
                                           "cy='10' r='1.5' fill='#2f6bd1'/>"},
    IconEntry{CommandPicture::DateTime, "<circle cx='8' cy='8' r='7' fill='#fff' stroke='#1d3f73' "
                                        "stroke-width='1.4'/><path d='M8 3.5V8l3 2' fill='none' "
                                        "stroke='#1d3f73' stroke-width='1.4' "
                                        "stroke-linecap='round'/>"},
    IconEntry{CommandPicture::Now, "<circle cx='8' cy='8' r='7' fill='#fff' stroke='#2f8a3a' "
                                   "stroke-width='1.4'/><path d='M8 3.5V8h4' fill='none' "
                                   "stroke='#2f8a3a' stroke-width='1.6' stroke-linecap='round'/>"
                                   "<circle cx='8' cy='8' r='1.3' fill='#2f8a3a'/>"},
    IconEntry{CommandPicture::Location, "<circle cx='8' cy='8' r='7' fill='#9fd0ff' "
                                        "stroke='#1d3f73'/><path d='M3 4c2 1 3 0 4 2s-1 3 1 5 "
                                        "1 4 1 4M10 2c0 2 2 2 4 3' fill='none' stroke='#2f8a3a' "
                                        "stroke-width='1.6'/>"},
    IconEntry{CommandPicture::MagnitudeLimits,
              "<path d='M8 1l1.8 4.3 4.6.4-3.5 3 1 4.5L8 10.8 4.1 13.2l1-4.5-3.5-3 4.6-.4z' "
              "fill='#ffd84a' stroke='#a07800'/><circle cx='13.5' cy='13.5' r='1' fill='#777'/>"},
    IconEntry{CommandPicture::Magnifier, kMagnifier},
    IconEntry{CommandPicture::HelpContents,
              "<path d='M2 2h5c1 0 1 1 1 1v11s0-1-1-1H2z' fill='#ffffff' "
              "stroke='#1d3f73'/><path d='M14 2H9C8 2 8 3 8 3v11s0-1 1-1h5z' "
              "fill='#e3ecff' stroke='#1d3f73'/>"},
    IconEntry{CommandPicture::About, "<circle cx='8' cy='8' r='7' fill='#e3ecff' stroke='#1d3f73'/>"
                                     "<path d='M8 7v5' stroke='#1d3f73' stroke-width='2'/>"
                                     "<circle cx='8' cy='4.5' r='1.2' fill='#1d3f73'/>"},
    IconEntry{CommandPicture::ContextHelp,
              "<path d='M1 1v10l2.5-2.5L5.5 13l1.5-.7-2-4.3H8z' fill='#fff' "
              "stroke='#222'/><g transform='translate(5 1) scale(.7)'>"
              "<path d='M5.5 5.5a2.5 2.5 0 1 1 3.6 2.2c-.8.4-1.1.9-1.1 "
              "1.8v.8' fill='none' stroke='#1d3f73' stroke-width='2.2' "
              "stroke-linecap='round'/><circle cx='8' cy='13.3' r='1.4' "
              "fill='#1d3f73'/></g>"},
    IconEntry{CommandPicture::QuestionMark, kQuestionMark},
    IconEntry{CommandPicture::AnimBackward, "<path d='M8 3L2 8l6 5zM15 3L9 8l6 5z' fill='#2f6bd1' "
                                            "stroke='#173b7a' stroke-linejoin='round'/>"},
    IconEntry{CommandPicture::StepBackward,
              "<path d='M3 3h2v10H3z' fill='#173b7a'/>"
              "<path d='M13 3L6 8l7 5z' fill='#2f6bd1' stroke='#173b7a' "
              "stroke-linejoin='round'/>"},
    IconEntry{CommandPicture::AnimStop,
              "<path d='M3.5 3.5h9v9h-9z' fill='#d04030' stroke='#7a1a10'/>"},
    IconEntry{CommandPicture::StepForward,
              "<path d='M11 3h2v10h-2z' fill='#173b7a'/>"
              "<path d='M3 3l7 5-7 5z' fill='#2f6bd1' stroke='#173b7a' "
              "stroke-linejoin='round'/>"},
    IconEntry{CommandPicture::AnimForward, "<path d='M1 3l6 5-6 5zM8 3l6 5-6 5z' fill='#2f6bd1' "
                                           "stroke='#173b7a' stroke-linejoin='round'/>"},
    IconEntry{CommandPicture::ZoomIn,
              "<circle cx='6.5' cy='6.5' r='4.8' fill='#dff1ff' stroke='#1d3f73' "
              "stroke-width='1.5'/><path d='M10 10l5 5' stroke='#1d3f73' "
              "stroke-width='2.4' stroke-linecap='round'/><path d='M4 6.5h5M6.5 "
              "4v5' stroke='#1d3f73' stroke-width='1.5'/>"},
    IconEntry{CommandPicture::ZoomOut,
              "<circle cx='6.5' cy='6.5' r='4.8' fill='#dff1ff' stroke='#1d3f73' "
              "stroke-width='1.5'/><path d='M10 10l5 5' stroke='#1d3f73' "
              "stroke-width='2.4' stroke-linecap='round'/><path d='M4 6.5h5' "
              "stroke='#1d3f73' stroke-width='1.5'/>"},
    IconEntry{CommandPicture::PanUp, kArrowUp},
};

std::string Rotated(std::string_view body, int degrees) {
    std::string out = "<g transform='rotate(" + std::to_string(degrees) + " 8 8)'>";
    out += body;
    out += "</g>";
    return out;
}

} // namespace

wxBitmapBundle CommandIcon(CommandPicture picture, IconColours colours) {
    switch (picture) {
    case CommandPicture::PanDown:
        return FromBody(Rotated(kArrowUp, 180), colours);
    case CommandPicture::PanLeft:
        return FromBody(Rotated(kArrowUp, 270), colours);
    case CommandPicture::PanRight:
        return FromBody(Rotated(kArrowUp, 90), colours);
    default:
        break;
    }
    for (const IconEntry& entry : kIcons) {
        if (entry.picture == picture) {
            return FromBody(entry.body, colours);
        }
    }
    return {};
}

wxBitmapBundle MenuPopupIcon(MenuPicture picture) {
    switch (picture) {
    case MenuPicture::ChartMode:
        return FromBody("<circle cx='8' cy='8' r='7' fill='#0b1d40' stroke='#1d3f73'/>"
                        "<path d='M1 10h14' stroke='#2f8a3a' stroke-width='1.5'/>"
                        "<circle cx='5' cy='5' r='.9' fill='#fff'/><circle cx='10' cy='4' "
                        "r='.7' fill='#fff'/><circle cx='12' cy='7' r='.8' fill='#fff'/>");
    case MenuPicture::SkyBackground:
        return FromBody("<path d='M1 1h14v14H1z' fill='#2f6bd1' stroke='#173b7a'/>"
                        "<path d='M1 1h7v14H1z' fill='#000'/>");
    case MenuPicture::DeepSkyObject:
    case MenuPicture::HorizonPoint:
        return FromBody(kMagnifier);
    }
    return {};
}

wxBitmapBundle ProgramIcon() {
    // A night sky in a round window: the horizon, a crescent Moon and a few stars.
    static const char* const kProgramSvg =
        "<svg xmlns='http://www.w3.org/2000/svg' width='64' height='64' viewBox='0 0 64 64'>"
        "<circle cx='32' cy='32' r='30' fill='#0b1d40' stroke='#8fb3ff' stroke-width='2'/>"
        "<path d='M4 40c10-4 18-3 28-1s18 2 28-2v4a30 30 0 0 1-56 0z' fill='#1f4a2a'/>"
        "<path d='M40 10a11 11 0 1 0 9 17 9 9 0 1 1-9-17z' fill='#ffe58a'/>"
        "<circle cx='17' cy='18' r='1.8' fill='#ffffff'/><circle cx='25' cy='11' r='1.2' "
        "fill='#cfe0ff'/><circle cx='12' cy='30' r='1.3' fill='#ffd9a0'/><circle cx='27' "
        "cy='27' r='1.6' fill='#ffffff'/><circle cx='50' cy='32' r='1.1' fill='#cfe0ff'/>"
        "<path d='M17 18L27 27L25 11' fill='none' stroke='#6f8fd0' stroke-width='.8'/>"
        "</svg>";
    return wxBitmapBundle::FromSVG(kProgramSvg, wxSize(64, 64));
}
