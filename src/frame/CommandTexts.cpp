#include "frame/CommandTexts.h"

#include "guibase/CommandIds.h"

#include <array>
#include <utility>

namespace {

struct Entry {
    int id;
    std::string_view text;
};

constexpr std::array kTexts = {
    Entry{cmd::FileOpen, "Open a picture\nOpen"},
    Entry{cmd::FilePrintPreview, "Print preview\nPrint preview"},
    Entry{cmd::FilePrint, "Print\nPrint"},
    Entry{cmd::FilePrintSetup, "Change the printer and printing options\nPrint Setup"},
    Entry{cmd::FileExportChart, "Save the chart as a PNG, SVG or PDF file\nExport chart"},
    Entry{cmd::FileRecentFirst, "Open this picture"},
    Entry{cmd::FileRecentFirst + 1, "Open this picture"},
    Entry{cmd::FileRecentFirst + 2, "Open this picture"},
    Entry{cmd::FileRecentFirst + 3, "Open this picture"},
    Entry{cmd::FileExit, "Quit the application\nExit"},
    Entry{cmd::ViewStarNames, "Show or hide the star names\nStar names"},
    Entry{cmd::ViewPlanetNames,
          "Show or hide the names of the Sun, Moon and planets\nPlanet names"},
    Entry{cmd::ViewDeepSkyLabels, "Show or hide the deep sky labels\nDeep sky labels"},
    Entry{cmd::ViewEcliptic, "Show or hide the ecliptic\nEcliptic"},
    Entry{cmd::ViewHorizon, "Show or hide the horizon\nHorizon"},
    Entry{cmd::ViewStarColors, "Draw the stars in their spectral colours\nStar colours"},
    Entry{cmd::ViewNightVision, "Draw the chart in red for dark-adapted eyes\nNight vision"},
    Entry{cmd::ViewPrecisePositions,
          "Compute the sky as it is on the chart's date, to arcseconds\nPrecise positions"},
    Entry{cmd::ViewToolbar, "Show or hide the toolbar\nToggle ToolBar"},
    Entry{cmd::ViewStatusBar, "Show or hide the status bar\nToggle StatusBar"},
    Entry{cmd::ChartEquatorial, "Equatorial chart\nEquatorial"},
    Entry{cmd::ChartLocalHorizon, "Local horizon chart\nLocal horizon"},
    Entry{cmd::SettingsDateTime, "Date and time\nDate and time"},
    Entry{cmd::SettingsLocation, "Location of the observer\nLocation"},
    Entry{cmd::SettingsMagnitudeLimits, "Magnitude limits"},
    Entry{cmd::SkyBlack, "Black sky background\nBlack sky"},
    Entry{cmd::SkyColor, "Sky background coloured by the altitude of the Sun\nColoured sky"},
    Entry{cmd::SearchStar, "Search for star"},
    Entry{cmd::SearchSolarSystem, "Search for Solar System object"},
    Entry{cmd::SearchConstellation, "Search for constellation"},
    Entry{cmd::SearchMessier, "Search for Messier"},
    Entry{cmd::SearchNgc, "Search for NGC"},
    Entry{cmd::SearchFindObject, "Find any object by name\nFind object"},
    Entry{cmd::HorizonEast, "Search for East on horizon"},
    Entry{cmd::HorizonWest, "Search for West on horizon"},
    Entry{cmd::HorizonNorth, "Search for North on horizon"},
    Entry{cmd::HorizonSouth, "Search for South on horizon"},
    Entry{cmd::Zenith, "Search for zenith on horizon"},
    Entry{cmd::Nadir, "Search for nadir on horizon"},
    Entry{cmd::HelpContents, "List Help topics\nHelp Topics"},
    Entry{cmd::HelpUsing, "Display instructions about how to use help\nHelp"},
    Entry{cmd::HelpAbout, "Display program information and version number\nAbout"},
    Entry{cmd::HelpContext, "Display help for buttons, menus and windows\nHelp"},
    Entry{cmd::HelpIndex, "Display help for current task or command\nHelp"},
    Entry{cmd::LayerGrid, "Grid lines\nGrids"},
    Entry{cmd::LayerBoundaries, "Constellation boundaries\nBoundaries"},
    Entry{cmd::LayerFigures, "Contellation lines\nLines"},
    Entry{cmd::LayerDeepSky, "Deep Sky objects\nDeep Sky"},
    Entry{cmd::LayerMilkyWay, "Milky Way\nMilky Way"},
    Entry{cmd::LayerSolarSystem, "Solar System objects\nSolar System"},
    Entry{cmd::TimeStepBox, "Time step\nTime step"},
    Entry{cmd::AnimBackward, "Animation backward\nAnimation backward"},
    Entry{cmd::StepBackward, "One step animation backward\nOne step backward"},
    Entry{cmd::AnimStop, "Animation stop\nAnimation stop"},
    Entry{cmd::StepForward, "One step animation forward\nOne step forward"},
    Entry{cmd::AnimForward, "Animation forward\nAnimation forward"},
    Entry{cmd::ZoomIn, "Zoom the field in\nZoom in"},
    Entry{cmd::ZoomOut, "Zoom the field out\nZoom out"},
    Entry{cmd::PanDown, "Pan the field down\nPan down"},
    Entry{cmd::PanUp, "Pan the field up\nPan up"},
    Entry{cmd::PanLeft, "Pan the field left\nPan left"},
    Entry{cmd::PanRight, "Pan the field right\nPan right"},
};

} // namespace

std::string_view CommandText(int id) {
    for (const Entry& entry : kTexts) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}

std::string CommandPrompt(int id) {
    const std::string_view text = CommandText(id);
    return std::string(text.substr(0, text.find('\n')));
}

std::string CommandTooltip(int id) {
    const std::string_view text = CommandText(id);
    const auto newline = text.find('\n');
    return newline == std::string_view::npos ? std::string()
                                             : std::string(text.substr(newline + 1));
}
