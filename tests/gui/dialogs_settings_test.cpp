// The Date/Time, Location and Magnitude limits dialogs in the running desktop program: what they
// show, every check's message and focus, nothing changed on a failure, and what OK recomputes.
#include "dialogs_support.h"

#include "astro/ObserverAngles.h"
#include "catalog/CatalogStore.h"
#include "commands/CommandHandlers.h"
#include "dialogs/DateTimeDialog.h"
#include "dialogs/LocationDialog.h"
#include "dialogs/MagnitudeLimitsDialog.h"
#include "settings/Profile.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/spinbutt.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cmath>
#include <cstring>

using dialogs_test::ModalDriver;
using dialogs_test::Press;

namespace {

class SettingsDialogsTest : public dialogs_test::DesktopFixture {
protected:
    void SetUp() override {
        DesktopFixture::SetUp();
        Settings().SkyDate = SkyDate{1998, 12, 7, 21, 35, 17};
        Settings().Observer = Observer{"Poland:Krakow", 19, 55, "E", 50, 2, "N", 1.0f};
        ChartSky().SetClockTime(Settings().SkyDate);
        ChartSky().SetPlace(PlaceOf(Settings().Observer));
    }

    static int PlaceRow(const char* name) {
        for (std::size_t i = 0; i < kLocationCount; ++i) {
            if (std::strstr(ChartSky().Catalog().m_locations[i].name, name) != nullptr) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};

// ---------------------------------------------------------------------------------------------
// Date/Time

TEST_F(SettingsDialogsTest, DateTimeShowsTheDateAndStepsTheYear) {
    CDateTimeDialog dialog(&Frame(), Settings().SkyDate, Settings().Observer);
    EXPECT_EQ(dialog.GetTitle(), "Date/Time");
    const DateTimeFields shown = dialog.Fields();
    EXPECT_EQ(shown.year, "1998");
    EXPECT_EQ(shown.monthIndex, 11);
    EXPECT_EQ(dynamic_cast<wxChoice*>(dialog.FindWindow(datetime_id::Month))->GetStringSelection(),
              "December");
    EXPECT_EQ(shown.day, "7");
    EXPECT_EQ(shown.hour, "21");
    EXPECT_EQ(shown.minute, "35");
    // The spin button's steps, as its arrows send them.
    auto* spin = dynamic_cast<wxSpinButton*>(dialog.FindWindow(datetime_id::Spin));
    ASSERT_NE(spin, nullptr);
    for (wxEventType step : {wxEVT_SPIN_UP, wxEVT_SPIN_UP, wxEVT_SPIN_DOWN}) {
        wxSpinEvent event(step, datetime_id::Spin);
        event.SetEventObject(spin);
        spin->GetEventHandler()->ProcessEvent(event);
    }
    EXPECT_EQ(dialog.Fields().year, "1999");
    // The spin tests no range.
    dialog.Control(DateTimeField::Year).ChangeValue("2099");
    dialog.StepYear(+1);
    EXPECT_EQ(dialog.Fields().year, "2100");
}

TEST_F(SettingsDialogsTest, DateTimeChecksInOrderAndChangesNothingOnFailure) {
    struct Case {
        const char* name;
        DateTimeFields fields;
        DateTimeField field;
        const char* message;
    } cases[] = {
        {"Year2100",
         {"2100", 0, "1", "0", "0"},
         DateTimeField::Year,
         "Please enter an integer between 1901 and 2099."},
        {"LetterHour",
         {"2000", 0, "1", "x", "0"},
         DateTimeField::Hour,
         "Please enter a positive integer."},
    };
    const SkyDate before = Settings().SkyDate;
    const double sunRa = Sky().m_bodies[kBodySun].ra;
    CDateTimeDialog dialog(&Frame(), Settings().SkyDate, Settings().Observer);
    dialog.Show();
    for (const Case& c : cases) {
        ClearMessages();
        dialog.SetFields(c.fields);
        EXPECT_FALSE(dialog.Apply()) << c.name;
        ASSERT_EQ(Messages().size(), 1u) << c.name;
        EXPECT_EQ(Messages()[0].text, c.message) << c.name;
        EXPECT_EQ(Messages()[0].style, wxOK | wxICON_EXCLAMATION);
        guitest::Pump(30);
        EXPECT_EQ(wxWindow::FindFocus(), &dialog.Control(c.field)) << c.name;
        EXPECT_EQ(dialog.ClockTime(), before) << c.name;
        EXPECT_EQ(Sky().m_bodies[kBodySun].ra, sunRa) << c.name;
    }
    dialog.Hide();
}

TEST_F(SettingsDialogsTest, DateTimeOkRecomputesEverythingButKeepsTheSecond) {
    CDateTimeDialog dialog(&Frame(), Settings().SkyDate, Settings().Observer);
    dialog.SetFields(DateTimeFields{"2010", 1, "30", "3", "4"}); // 30 February is accepted
    const double jupiterRa = Sky().m_bodies[kBodyJupiter].ra;
    const double lst = Sky().m_dLST;
    ASSERT_TRUE(dialog.Apply());
    ChartSky().SetClockTime(dialog.ClockTime()); // what the Date/Time command does on OK
    EXPECT_EQ(dialog.ClockTime(), (SkyDate{2010, 2, 30, 3, 4, 17}));
    EXPECT_NE(Sky().m_bodies[kBodyJupiter].ra, jupiterRa); // twelve years on: planets moved
    EXPECT_NE(Sky().m_dLST, lst);
    EXPECT_NEAR(std::remainder(Sky().m_dLST - (Sky().m_dGST - Sky().m_dLongitude), 360.0), 0.0,
                1e-9);
}

TEST_F(SettingsDialogsTest, DateTimeNowTakesTheLocalClock) {
    CDateTimeDialog dialog(&Frame(), Settings().SkyDate, Settings().Observer);
    const wxDateTime now = wxDateTime::Now();
    dialog.TakeNow();
    const DateTimeFields f = dialog.Fields();
    EXPECT_EQ(f.year, std::to_string(now.GetYear()));
    EXPECT_EQ(f.monthIndex, static_cast<int>(now.GetMonth()));
    ASSERT_TRUE(dialog.Apply());
    EXPECT_EQ(dialog.ClockTime().second, 17);
}

TEST_F(SettingsDialogsTest, DateTimeCommandRedrawsAndCancelChangesNothing) {
    long before = View().FramesDrawn();
    {
        ModalDriver<CDateTimeDialog> driver([](CDateTimeDialog& d) {
            d.SetFields(DateTimeFields{"2001", 0, "1", "0", "0"});
            Press(d, wxID_OK);
        });
        DateTimeCommand(Frame().Context(), CommandId::SettingsDateTime);
        EXPECT_EQ(driver.Seen(), 1);
    }
    EXPECT_EQ(ChartSky().ClockTime(), (SkyDate{2001, 1, 1, 0, 0, 17}));
    EXPECT_TRUE(RedrawnAfter(before));
    {
        ModalDriver<CDateTimeDialog> driver([](CDateTimeDialog& d) {
            d.SetFields(DateTimeFields{"2002", 5, "5", "5", "5"});
            Press(d, wxID_CANCEL);
        });
        DateTimeCommand(Frame().Context(), CommandId::SettingsDateTime);
    }
    EXPECT_EQ(ChartSky().ClockTime(), (SkyDate{2001, 1, 1, 0, 0, 17}));
}

// ---------------------------------------------------------------------------------------------
// Location

TEST_F(SettingsDialogsTest, LocationListsPlacesWithTheCurrentOneFirst) {
    CLocationDialog dialog(&Frame(), Settings().Observer, Settings().SkyDate, ChartSky().Catalog());
    EXPECT_EQ(dialog.GetTitle(), "Location");
    wxComboBox& places = dialog.PlaceBox();
    ASSERT_EQ(places.GetCount(), kLocationCount + 1);
    EXPECT_EQ(places.GetString(0), "Poland:Krakow");
    EXPECT_EQ(places.GetValue(), "Poland:Krakow");
    for (unsigned i = 1; i < places.GetCount(); ++i) {
        const wxString name = places.GetString(i);
        EXPECT_EQ(name, wxString(name).Trim(true).Trim(false)) << i;
    }
    const LocationFields f = dialog.Fields();
    EXPECT_EQ(f.longitudeDegrees, "19");
    EXPECT_EQ(f.longitudeMinutes, "55");
    EXPECT_TRUE(f.east);
    EXPECT_EQ(f.latitudeDegrees, "50");
    EXPECT_EQ(f.latitudeMinutes, "2");
    EXPECT_TRUE(f.north);
    EXPECT_EQ(f.timeZone, "1");
}

TEST_F(SettingsDialogsTest, ChoosingAPlaceFillsTheFields) {
    CLocationDialog dialog(&Frame(), Settings().Observer, Settings().SkyDate, ChartSky().Catalog());
    const int row = PlaceRow("Santiago");
    ASSERT_GE(row, 0);
    const LocationRecord& place = ChartSky().Catalog().m_locations[static_cast<std::size_t>(row)];
    dialog.PlaceBox().SetSelection(row + 1);
    wxCommandEvent chosen(wxEVT_COMBOBOX, location_id::Place);
    chosen.SetInt(row + 1);
    chosen.SetEventObject(&dialog.PlaceBox());
    dialog.PlaceBox().GetEventHandler()->ProcessEvent(chosen);
    const LocationFields f = dialog.Fields();
    EXPECT_EQ(f.longitudeDegrees, std::to_string(static_cast<int>(std::fabs(place.longitude))));
    EXPECT_EQ(f.east, place.longitude < 0);
    EXPECT_FALSE(f.north);
    EXPECT_TRUE(dialog.SouthButton().GetValue());
    EXPECT_EQ(f.timeZone, TimeZoneText(-place.timeZone));
    EXPECT_EQ(f.place, PlaceRowName(place));
    // Back to the first entry: the fields stay.
    dialog.ChoosePlace(0);
    EXPECT_EQ(dialog.Fields().longitudeDegrees, f.longitudeDegrees);
}

TEST_F(SettingsDialogsTest, LocationChecksInOrderAndChangesNothingOnFailure) {
    struct Case {
        const char* name;
        LocationFields fields;
        LocationField field;
        const char* message;
    } cases[] = {
        {"Zone12_5",
         {"X", "19", "55", true, "50", "2", true, "12.5"},
         LocationField::TimeZone,
         "Please enter a number between -12 and 12."},
        {"LatitudeMinutes",
         {"X", "19", "55", true, "50", "-2", true, "1"},
         LocationField::LatitudeMinutes,
         "Please enter a positive integer."},
        {"LongitudeMinutesFirst",
         {"X", "y", "75", true, "50", "2", true, "1"},
         LocationField::LongitudeMinutes,
         "Please enter an integer between 0 and 59."},
    };
    const Observer before = Settings().Observer;
    const double lst = Sky().m_dLST;
    CLocationDialog dialog(&Frame(), Settings().Observer, Settings().SkyDate, ChartSky().Catalog());
    dialog.Show();
    for (const Case& c : cases) {
        ClearMessages();
        dialog.Control(LocationField::LongitudeDegrees).ChangeValue(c.fields.longitudeDegrees);
        dialog.Control(LocationField::LongitudeMinutes).ChangeValue(c.fields.longitudeMinutes);
        dialog.Control(LocationField::LatitudeDegrees).ChangeValue(c.fields.latitudeDegrees);
        dialog.Control(LocationField::LatitudeMinutes).ChangeValue(c.fields.latitudeMinutes);
        dialog.Control(LocationField::TimeZone).ChangeValue(c.fields.timeZone);
        EXPECT_FALSE(dialog.Apply()) << c.name;
        ASSERT_EQ(Messages().size(), 1u) << c.name;
        EXPECT_EQ(Messages()[0].text, c.message) << c.name;
        guitest::Pump(30);
        EXPECT_EQ(wxWindow::FindFocus(), &dialog.Control(c.field)) << c.name;
        EXPECT_EQ(dialog.Place(), before) << c.name;
        EXPECT_EQ(Sky().m_dLST, lst) << c.name;
    }
    dialog.Hide();
}

TEST_F(SettingsDialogsTest, LocationOkMovesTheObserverButNotThePlanets) {
    CLocationDialog dialog(&Frame(), Settings().Observer, Settings().SkyDate, ChartSky().Catalog());
    dialog.PlaceBox().ChangeValue("A place whose name is longer than twenty-eight");
    dialog.WestButton().SetValue(true);
    dialog.Control(LocationField::LongitudeDegrees).ChangeValue("70");
    dialog.Control(LocationField::LongitudeMinutes).ChangeValue("30");
    dialog.SouthButton().SetValue(true);
    dialog.Control(LocationField::LatitudeDegrees).ChangeValue("33");
    dialog.Control(LocationField::LatitudeMinutes).ChangeValue("27");
    dialog.Control(LocationField::TimeZone).ChangeValue("-4");
    const double marsRa = Sky().m_bodies[kBodyMars].ra;
    const double moonRa = Sky().m_bodies[kBodyMoon].ra;
    ASSERT_TRUE(dialog.Apply());
    ChartSky().SetPlace(PlaceOf(dialog.Place())); // what the Location command does on OK
    const Observer& o = dialog.Place();
    EXPECT_EQ(o.Location, "A place whose name is longer");
    EXPECT_EQ(o.EW, "W");
    EXPECT_EQ(o.NS, "S");
    EXPECT_FLOAT_EQ(o.TimeZone, -4.0f);
    EXPECT_DOUBLE_EQ(Sky().m_dLongitude, 70.5);
    EXPECT_DOUBLE_EQ(Sky().m_dLatitude, -(33 + 27 / 60.0));
    EXPECT_DOUBLE_EQ(Sky().m_dSinLat, std::sin(Sky().m_dLatitude * 0.017453293));
    EXPECT_EQ(Sky().m_bodies[kBodyMars].ra, marsRa); // planets keep their last positions
    EXPECT_NE(Sky().m_bodies[kBodyMoon].ra, moonRa); // the zone moved the instant: 5 hours
}

TEST_F(SettingsDialogsTest, LocationDaylightSavingBoxAndNamedZone) {
    // Krakow on Europe/Warsaw in July: the field shows the summer offset +2 (EU summer time),
    // the box turns the named zone off (standard offset 1) and on again; typing a zone is a
    // fixed offset; a built-in place brings its own zone.
    Settings().SkyDate = SkyDate{2026, 7, 14, 22, 0, 0};
    Settings().Observer.TimeZoneName = "Europe/Warsaw";
    ChartSky().SetClockTime(Settings().SkyDate);
    {
        CLocationDialog dialog(&Frame(), Settings().Observer, Settings().SkyDate,
                               ChartSky().Catalog());
        EXPECT_TRUE(dialog.DaylightSavingBox().IsChecked());
        EXPECT_EQ(dialog.Control(LocationField::TimeZone).GetValue(), "2");
        EXPECT_TRUE(dialog.ZoneNote().Contains("Europe/Warsaw")) << dialog.ZoneNote();
        dialog.SetDaylightSaving(false);
        EXPECT_EQ(dialog.Control(LocationField::TimeZone).GetValue(), "1");
        dialog.SetDaylightSaving(true);
        EXPECT_EQ(dialog.Control(LocationField::TimeZone).GetValue(), "2");
        dialog.Control(LocationField::TimeZone).SetValue("3"); // typed: a fixed offset
        EXPECT_FALSE(dialog.DaylightSavingBox().IsChecked());
        ASSERT_TRUE(dialog.Apply());
        Settings().Observer = dialog.Place(); // what the Location command does on OK
        EXPECT_EQ(Settings().Observer.TimeZoneName, "");
        EXPECT_EQ(Settings().Observer.TimeZone, 3.0f);
    }
    {
        CLocationDialog dialog(&Frame(), Settings().Observer, Settings().SkyDate,
                               ChartSky().Catalog());
        EXPECT_FALSE(dialog.DaylightSavingBox().IsChecked());
        dialog.ChoosePlace(PlaceRow("New York") + 1);
        EXPECT_TRUE(dialog.DaylightSavingBox().IsChecked());
        EXPECT_EQ(dialog.Control(LocationField::TimeZone).GetValue(), "-4"); // US summer time
        ChartSky().SetPlace(PlaceOf(Settings().Observer));
        const double lstFixed = Sky().m_dLST;
        ASSERT_TRUE(dialog.Apply());
        Settings().Observer = dialog.Place();
        ChartSky().SetPlace(PlaceOf(dialog.Place()));
        EXPECT_EQ(Settings().Observer.TimeZoneName, "America/New_York");
        EXPECT_EQ(Settings().Observer.TimeZone, -5.0f);
        EXPECT_NE(Sky().m_dLST, lstFixed);
    }
    Settings().Observer.TimeZoneName = "Mars/Olympus";
    CLocationDialog dialog(&Frame(), Settings().Observer, Settings().SkyDate, ChartSky().Catalog());
    EXPECT_FALSE(dialog.DaylightSavingBox().IsEnabled());
    EXPECT_TRUE(dialog.ZoneNote().Contains("unknown")) << dialog.ZoneNote();
    EXPECT_EQ(dialog.Control(LocationField::TimeZone).GetValue(), "-5");
}

TEST_F(SettingsDialogsTest, TypedPlaceNameBringsItsCoordinatesAndZone) {
    // From Adelaide (zone Australia/Adelaide in placezones.tab), a table name typed as a user
    // would (text events) or set without events is looked up; a name of one's own keeps the
    // coordinates shown and a fixed offset.
    const auto rowFields = [](const char* name) {
        return PlaceRowFields(
            ChartSky().Catalog().m_locations[static_cast<std::size_t>(PlaceRow(name))]);
    };
    Observer adelaide;
    {
        CLocationDialog dialog(&Frame(), Settings().Observer, Settings().SkyDate,
                               ChartSky().Catalog());
        dialog.ChoosePlace(PlaceRow("Adelaide") + 1);
        ASSERT_TRUE(dialog.Apply());
        adelaide = dialog.Place();
    }
    ASSERT_EQ(adelaide.TimeZoneName, "Australia/Adelaide");
    const PlaceFields krakow = rowFields("Krakow");
    for (const bool events : {true, false}) {
        CLocationDialog dialog(&Frame(), adelaide, Settings().SkyDate, ChartSky().Catalog());
        events ? dialog.PlaceBox().SetValue("poland:KRAKOW")
               : dialog.PlaceBox().ChangeValue("Poland:Krakow");
        ASSERT_TRUE(dialog.Apply()) << events;
        const Observer& o = dialog.Place();
        EXPECT_EQ(ObserverFields(o).longitudeDegrees, krakow.longitudeDegrees) << events;
        EXPECT_EQ(ObserverFields(o).latitudeMinutes, krakow.latitudeMinutes) << events;
        EXPECT_EQ(o.EW, "E") << events;
        EXPECT_EQ(o.NS, "N") << events;
        EXPECT_EQ(o.TimeZone, 1.0f) << events;
        EXPECT_EQ(o.TimeZoneName, "Europe/Warsaw") << events;
    }
    CLocationDialog dialog(&Frame(), adelaide, Settings().SkyDate, ChartSky().Catalog());
    dialog.PlaceBox().SetValue("Our garden");
    EXPECT_FALSE(dialog.DaylightSavingBox().IsEnabled());
    EXPECT_TRUE(dialog.ZoneNote().Contains("not in the list")) << dialog.ZoneNote();
    // The long note is wrapped: all of it lies inside the dialog.
    const wxRect note = dialog.ZoneNoteControl().GetRect();
    EXPECT_LE(note.GetRight(), dialog.GetClientSize().x) << note.width;
    EXPECT_LE(dialog.ZoneNoteControl().GetBestSize().x, note.width);
    ASSERT_TRUE(dialog.Apply());
    const Observer& own = dialog.Place();
    EXPECT_EQ(own.Location, "Our garden");
    EXPECT_EQ(ObserverFields(own).longitudeDegrees, rowFields("Adelaide").longitudeDegrees);
    EXPECT_EQ(own.NS, "S");
    EXPECT_EQ(own.TimeZone, adelaide.TimeZone);
    EXPECT_EQ(own.TimeZoneName, "");
}

// ---------------------------------------------------------------------------------------------
// Magnitude limits

TEST_F(SettingsDialogsTest, MagnitudeSlidersAndAutoMode) {
    Settings().StarLimit = 13;
    Settings().DeepSkyLimit = 5;
    Settings().AutoMode = 0;
    CMagnitudeLimitsDialog dialog(&Frame(), Settings(), Chart());
    EXPECT_EQ(dialog.GetTitle(), "Magnitude limits");
    EXPECT_EQ(dialog.StarSlider().GetValue(), 11);
    EXPECT_EQ(dialog.StarSlider().GetMax(), 11);
    EXPECT_EQ(dialog.DeepSkySlider().GetValue(), 5);
    EXPECT_EQ(dialog.DeepSkySlider().GetMax(), 7);
    EXPECT_TRUE(dialog.StarSlider().IsEnabled());

    dialog.StarSlider().SetValue(3);
    dialog.Apply();
    EXPECT_DOUBLE_EQ(Chart().m_dStarLimit, 2.5);
    EXPECT_EQ(Settings().StarLimit, 3);
    dialog.StarSlider().SetValue(11);
    dialog.Apply();
    EXPECT_DOUBLE_EQ(Chart().m_dStarLimit, 7.5);
    EXPECT_EQ(Settings().StarLimit, 13);

    dialog.SetAutoMode(true);
    EXPECT_FALSE(dialog.StarSlider().IsEnabled());
    EXPECT_FALSE(dialog.DeepSkySlider().IsEnabled());
    Chart().m_nLevel = 2;
    dialog.Apply();
    EXPECT_DOUBLE_EQ(Chart().m_dStarLimit, 6.0);
    EXPECT_DOUBLE_EQ(Chart().m_dDeepSkyLimit, 8.0);
    EXPECT_EQ(Settings().StarLimit, 10);
    EXPECT_EQ(Settings().DeepSkyLimit, 2);
    EXPECT_EQ(Settings().AutoMode, 1);
    dialog.SetAutoMode(false);
    EXPECT_TRUE(dialog.StarSlider().IsEnabled());

    // With the faint stars on, the star slider opens at a stored faint limit and its last
    // position is magnitude 12, about the faint catalogue's limit (tools/build_hipparcos.py).
    Chart().m_bFaintStars = 1;
    Settings().AutoMode = 0;
    Settings().StarLimit = StarLimitToCode(9.5, true);
    CMagnitudeLimitsDialog faint(&Frame(), Settings(), Chart());
    faint.Apply();
    EXPECT_DOUBLE_EQ(Chart().m_dStarLimit, 9.5);
    faint.StarSlider().SetValue(faint.StarSlider().GetMax());
    faint.Apply();
    EXPECT_DOUBLE_EQ(Chart().m_dStarLimit, 12.0);
}

TEST_F(SettingsDialogsTest, MagnitudeCommandRedrawsWithTheNewLimit) {
    Settings().AutoMode = 1;
    const long before = View().FramesDrawn();
    {
        ModalDriver<CMagnitudeLimitsDialog> driver([](CMagnitudeLimitsDialog& d) {
            EXPECT_TRUE(d.AutoBox().GetValue());
            EXPECT_FALSE(d.StarSlider().IsEnabled());
            d.SetAutoMode(false);
            d.StarSlider().SetValue(0);
            d.DeepSkySlider().SetValue(0);
            Press(d, wxID_OK);
        });
        MagnitudeLimitsCommand(Frame().Context(), CommandId::SettingsMagnitudeLimits);
    }
    EXPECT_DOUBLE_EQ(Chart().m_dStarLimit, 1.0);
    EXPECT_DOUBLE_EQ(Chart().m_dDeepSkyLimit, 6.0);
    EXPECT_EQ(Settings().AutoMode, 0);
    ASSERT_TRUE(RedrawnAfter(before));
    // Only the brightest stars are left: no star fainter than magnitude 1 was placed.
    for (std::size_t i = 0; i < kStarCount; ++i) {
        const StarPick& pick = View().Picks().stars[i];
        if (pick.x != 0 || pick.y != 0) {
            EXPECT_LE(ChartSky().Catalog().m_stars[i].magnitude, 1.0f) << i;
        }
    }
    Settings().StarLimit = 11;
    Chart().m_dStarLimit = 7.5;
    Chart().m_dDeepSkyLimit = 11;
}

} // namespace
