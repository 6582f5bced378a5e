#include "CatalogFileWriter.h"

#include "catalog/Loaders.h"
#include "catalog/PlaceZones.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "vn-catalog-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

std::unique_ptr<CatalogStore> Load(CatalogFile file, const Bytes& bytes) {
    auto store = std::make_unique<CatalogStore>();
    std::istringstream in(bytes.str());
    LoadCatalogStream(file, in, *store);
    return store;
}

template <class F> Bytes Repeat(std::size_t n, F make) {
    Bytes b;
    for (std::size_t i = 0; i < n; ++i) {
        b.append(make(i));
    }
    return b;
}

bool IsZero(const OutlinePoint& p) {
    return p.ra == 0.0f && p.dec == 0.0f;
}

TEST(Records, StarFieldsAreReadFromTheirOffsets) {
    const auto store =
        Load(CatalogFile::Stars, StarBytes('A', "  9Alp1CMa", 2491, 6.7525f, -16.7161f, -1.46f));
    const StarRecord& s = store->m_stars[0];
    EXPECT_EQ(s.spectralClass, 'A');
    EXPECT_EQ(FieldText(s.designation), "  9Alp1CMa");
    EXPECT_EQ(s.hr, 2491);
    EXPECT_EQ(s.ra, 6.7525f);
    EXPECT_EQ(s.dec, -16.7161f);
    EXPECT_EQ(s.magnitude, -1.46f); // the brightest stars keep their negative magnitude
    EXPECT_EQ(store->m_stars[1].hr, 0);
}

TEST(Records, EveryRecordKindDecodes) {
    const auto names =
        Load(CatalogFile::StarNames, NameBytes(2491, 6.75f, -16.7f, 40, -1.4f, "Sirius"));
    EXPECT_EQ(names->m_starNames[0].labelOffset, 40);
    EXPECT_EQ(FieldText(names->m_starNames[0].name), "Sirius");

    const auto deep = Load(CatalogFile::Messier,
                           DeepSkyBytes(31, 's', 0.712f, 41.27f, 3.4f, -12, 7, "Andromeda Galaxy"));
    const DeepSkyRecord& m31 = deep->m_deepSky[0];
    EXPECT_EQ(m31.number, 31);
    EXPECT_EQ(m31.type, 's');
    EXPECT_EQ(m31.unused[0], 0); // the unused bytes are not read
    EXPECT_EQ(m31.ra, 0.712f);
    EXPECT_EQ(m31.magnitude, 3.4f);
    EXPECT_EQ(m31.labelDx, -12);
    EXPECT_EQ(m31.labelDy, 7);
    EXPECT_EQ(FieldText(m31.name), "Andromeda Galaxy");

    const auto places =
        Load(CatalogFile::Locations, LocationBytes("  Krakow   ", 50.06f, -19.92f, -1.0f));
    EXPECT_EQ(FieldText(places->m_locations[0].name), "  Krakow   ");
    EXPECT_EQ(places->m_locations[0].longitude, -19.92f);
    EXPECT_EQ(places->m_locations[0].timeZone, -1.0f);
}

TEST(Records, TextFieldWithoutTerminatingZeroIsCutToTheField) {
    const auto store =
        Load(CatalogFile::StarNames, NameBytes(1, 1.0f, 1.0f, 0, 1.0f, std::string(20, 'X'))
                                         .append(NameBytes(2, 1.0f, 1.0f, 0, 1.0f, "Next")));
    EXPECT_EQ(FieldText(store->m_starNames[0].name), std::string(19, 'X'));
    EXPECT_EQ(store->m_starNames[0].name[19], '\0');
    const auto stars = Load(CatalogFile::Stars, StarBytes('B', std::string(11, 'Y'), 1, 1, 1, 1));
    EXPECT_EQ(std::string(stars->m_stars[0].designation), std::string(10, 'Y'));
}

TEST(Records, DamagedNumbersReadAsAnUnusedRecord) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* what;
        Bytes star;
    };
    const Case cases[] = {
        {"NaN right ascension", StarBytes('A', "x", 7, nan, 1, 1)},
        {"infinite declination", StarBytes('A', "x", 7, 1, -inf, 1)},
        {"NaN magnitude", StarBytes('A', "x", 7, 1, 1, nan)},
        {"declination past the pole", StarBytes('A', "x", 7, 1, 91, 1)},
        {"huge magnitude", StarBytes('A', "x", 7, 1, 1, 3e9f)},
    };
    for (const Case& c : cases) {
        const auto store =
            Load(CatalogFile::Stars, Bytes(c.star).append(StarBytes('G', "x", 8, 2, 3, 4)));
        EXPECT_EQ(store->m_stars[0].hr, 0) << c.what;
        EXPECT_EQ(store->m_stars[0].spectralClass, 0) << c.what;
        EXPECT_EQ(store->m_stars[1].hr, 8) << c.what; // the next record is unaffected
    }
    const auto deep = Load(CatalogFile::Ngc, DeepSkyBytes(1, 'g', 1, 1, 1, INT32_MIN, 0, "x"));
    EXPECT_EQ(deep->m_deepSky[kNgcFirst].number, 0);
    const auto places = Load(CatalogFile::Locations, LocationBytes("x", 1, nan, 1));
    EXPECT_EQ(places->m_locations[0].name[0], '\0');
}

TEST(Loaders, ShortFileLeavesTheMissingRecordsZero) {
    // Two whole records and half of a third.
    Bytes bytes = Repeat(2, [](std::size_t i) { return FigureBytes(1.0f + i, 2.0f, 0); });
    bytes.append(Bytes().f32(5.0f).f32(6.0f));
    const auto store = Load(CatalogFile::Figures, bytes);
    EXPECT_EQ(store->m_figurePoints[1].ra, 2.0f);
    EXPECT_EQ(store->m_figurePoints[2].ra, 0.0f); // the cut record counts as missing
    EXPECT_EQ(store->m_figurePoints[2].dec, 0.0f);
}

TEST(Loaders, LongerFileIsReadOnlyToTheFixedCount) {
    const auto figures = Load(CatalogFile::Figures,
                              Repeat(600, [](std::size_t) { return FigureBytes(1.0f, 1.0f, 1); }));
    EXPECT_EQ(figures->m_figurePoints[527].flag, 1);
    EXPECT_EQ(figures->m_figurePoints[kFigureSpareEntry].flag, 0);
    EXPECT_EQ(figures->m_figurePoints[kBoundaryPointFirst].flag, 0);

    const auto messier = Load(CatalogFile::Messier, Repeat(120, [](std::size_t i) {
                                  return DeepSkyBytes(int(i) + 1, 'o', 1, 1, 1, 0, 0, "*");
                              }));
    EXPECT_EQ(messier->m_deepSky[109].number, 110);
    EXPECT_EQ(messier->m_deepSky[kNgcFirst].number, 0);
}

TEST(Loaders, EachFileLandsInItsEntries) {
    auto numbered = [](std::size_t n) {
        return Repeat(n,
                      [](std::size_t i) { return FigureBytes(float(i % 24), 0.0f, int(i) + 1); });
    };
    const auto bounds = Load(CatalogFile::Boundaries, numbered(kBoundaryPointCount));
    EXPECT_EQ(bounds->m_figurePoints[529].flag, 1);
    EXPECT_EQ(bounds->m_figurePoints[2873].flag, 2345);
    EXPECT_EQ(bounds->m_figurePoints[528].flag, 0);

    const auto ngc = Load(CatalogFile::Ngc, Repeat(kNgcCount, [](std::size_t i) {
                              return DeepSkyBytes(int(i) + 7000, 's', 1, 1, 1, 0, 0, "*");
                          }));
    EXPECT_EQ(ngc->m_deepSky[109].number, 0);
    EXPECT_EQ(ngc->m_deepSky[110].number, 7000);
    EXPECT_EQ(ngc->m_deepSky[209].number, 7099);
}

TEST(Loaders, MilkyWayPartsAndMagellanicClouds) {
    // Record i carries declination i / 10 so that every entry says where it came from.
    auto points = [](std::size_t n) {
        return Repeat(n, [](std::size_t i) { return PointBytes(1.0f, float(i) / 10.0f); });
    };
    const auto milky = Load(CatalogFile::MilkyWay, points(612));
    const auto& t = milky->m_outlinePoints;
    EXPECT_EQ(t[535].dec, 0.0f / 10.0f);
    EXPECT_EQ(t[535].ra, 1.0f);
    EXPECT_EQ(t[758].dec, 223.0f / 10.0f);
    EXPECT_EQ(t[146].dec, 224.0f / 10.0f);
    EXPECT_EQ(t[533].dec, 611.0f / 10.0f);
    EXPECT_TRUE(IsZero(t[534]));
    EXPECT_TRUE(IsZero(t[759]));
    EXPECT_TRUE(IsZero(t[145]));
    EXPECT_TRUE(IsZero(t[760]));

    const auto clouds = Load(CatalogFile::Magellan, points(40));
    const auto& c = clouds->m_outlinePoints;
    EXPECT_EQ(c[760].ra, 1.0f);
    EXPECT_EQ(c[784].dec, 24.0f / 10.0f); // last point of the Large Cloud
    EXPECT_EQ(c[785].dec, 25.0f / 10.0f); // first point of the Small Cloud
    EXPECT_EQ(c[794].dec, 34.0f / 10.0f);
    EXPECT_TRUE(IsZero(c[759]));
}

TEST(Loaders, EclipticText) {
    std::string text;
    for (int i = 0; i < 73; ++i) {
        text += std::to_string(i / 3.0) + " " + std::to_string(i - 23) + (i % 2 ? "\r\n" : "\n");
    }
    const auto whole = Load(CatalogFile::Ecliptic, Bytes().text(text, text.size()));
    EXPECT_FLOAT_EQ(whole->m_outlinePoints[0].dec, -23.0f);
    EXPECT_FLOAT_EQ(whole->m_outlinePoints[72].ra, 24.0f);
    EXPECT_TRUE(IsZero(whole->m_outlinePoints[73])); // 73 lines: the 74th pair changes nothing

    const std::string odd = "1.5 -2.5\n"
                            "not numbers\n"
                            "  +3e0\t4.25 trailing words\n"
                            "7\n"
                            "nan 1\n";
    const auto store = Load(CatalogFile::Ecliptic, Bytes().text(odd, odd.size()));
    const auto& t = store->m_outlinePoints;
    EXPECT_EQ(t[0].ra, 1.5f);
    EXPECT_EQ(t[0].dec, -2.5f);
    EXPECT_TRUE(IsZero(t[1]));
    EXPECT_EQ(t[2].ra, 3.0f);
    EXPECT_EQ(t[2].dec, 4.25f);
    EXPECT_TRUE(IsZero(t[3])); // one number only
    EXPECT_TRUE(IsZero(t[4])); // not finite

    std::string many;
    for (int i = 0; i < 80; ++i) {
        many += "2 3\n";
    }
    const auto extra = Load(CatalogFile::Ecliptic, Bytes().text(many, many.size()));
    EXPECT_EQ(extra->m_outlinePoints[73].ra, 2.0f); // the 74th line lands in entry 73
    EXPECT_TRUE(IsZero(extra->m_outlinePoints[74]));
}

// Writes the ten files, each a single recognisable record, into a folder.
void WriteAllFiles(const fs::path& dir) {
    WriteFile(dir / "bsc5.big", StarBytes('O', "x", 11, 1, 1, 1).str());
    WriteFile(dir / "cnstline.bin", FigureBytes(2, 2, 22).str());
    WriteFile(dir / "constell.bin", FigureBytes(3, 3, 33).str());
    WriteFile(dir / "messier.bin", DeepSkyBytes(44, 'e', 1, 1, 1, 0, 0, "*").str());
    WriteFile(dir / "deepsky.bin", DeepSkyBytes(55, 'e', 1, 1, 1, 0, 0, "*").str());
    WriteFile(dir / "names.bin", NameBytes(66, 1, 1, 0, 1, "Name").str());
    WriteFile(dir / "eclip.dat", "7 7\n");
    WriteFile(dir / "milky.bin", PointBytes(8, 8).str());
    WriteFile(dir / "magellan.bin", PointBytes(9, 9).str());
    WriteFile(dir / "location.bin", LocationBytes("Ten", 10, 10, 10).str());
}

TEST(Loaders, AllTenFilesLoadInOrder) {
    TempDir dir;
    WriteAllFiles(dir.path());
    auto store = std::make_unique<CatalogStore>();
    const CatalogLoadResult result = LoadCatalogs(*store, CatalogLocator({dir.path()}));
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(store->m_stars[0].hr, 11);
    EXPECT_EQ(store->m_figurePoints[0].flag, 22);
    EXPECT_EQ(store->m_figurePoints[529].flag, 33);
    EXPECT_EQ(store->m_deepSky[0].number, 44);
    EXPECT_EQ(store->m_deepSky[110].number, 55);
    EXPECT_EQ(store->m_starNames[0].hr, 66);
    EXPECT_EQ(store->m_outlinePoints[0].ra, 7.0f);
    EXPECT_EQ(store->m_outlinePoints[535].ra, 8.0f);
    EXPECT_EQ(store->m_outlinePoints[760].ra, 9.0f);
    EXPECT_EQ(FieldText(store->m_locations[0].name), "Ten");
}

TEST(Loaders, MissingFileStopsTheSequenceWithItsMessage) {
    for (CatalogFile missing : kCatalogLoadOrder) {
        TempDir dir;
        WriteAllFiles(dir.path());
        const std::string name(CatalogFileName(missing));
        fs::remove(dir.path() / name);
        auto store = std::make_unique<CatalogStore>();
        const CatalogLoadResult result = LoadCatalogs(*store, CatalogLocator({dir.path()}));
        ASSERT_FALSE(result.ok()) << name;
        EXPECT_EQ(result.failedFile, missing);
        EXPECT_EQ(result.message, "Couldn't open file " + name + " !    ");
        if (missing == CatalogFile::Messier) {
            // The three files before it are loaded, none after it.
            EXPECT_EQ(store->m_stars[0].hr, 11);
            EXPECT_EQ(store->m_figurePoints[0].flag, 22);
            EXPECT_EQ(store->m_figurePoints[529].flag, 33);
            EXPECT_EQ(store->m_deepSky[110].number, 0);
            EXPECT_EQ(store->m_starNames[0].hr, 0);
            EXPECT_EQ(store->m_locations[0].name[0], '\0');
        }
    }
}

TEST(Loaders, WorkingDirectoryComesBeforeTheProgramDirectory) {
    TempDir work;
    TempDir program;
    WriteAllFiles(program.path());
    WriteFile(work.path() / "bsc5.big", StarBytes('M', "x", 99, 1, 1, 1).str());
    fs::create_directory(work.path() / "names.bin"); // not a file: skipped
    auto store = std::make_unique<CatalogStore>();
    ASSERT_TRUE(LoadCatalogs(*store, CatalogLocator({work.path(), program.path()})).ok());
    EXPECT_EQ(store->m_stars[0].hr, 99);
    EXPECT_EQ(store->m_starNames[0].hr, 66);

    // The start-up search: the current directory, then the program directory.
    const fs::path old = fs::current_path();
    fs::current_path(work.path());
    const CatalogLocator startup(program.path());
    fs::current_path(old);
    ASSERT_EQ(startup.Directories().size(), 2u);
    EXPECT_EQ(startup.Find("bsc5.big"), work.path() / "bsc5.big");
    EXPECT_EQ(startup.Find("milky.bin"), program.path() / "milky.bin");
    EXPECT_FALSE(startup.Find("nocta.ini").has_value());
    EXPECT_EQ(CatalogLocator(fs::path()).Directories().size(), 1u); // no program directory
}

TEST(Loaders, DamagedFilesAreNamedUnreadableOnesStopTheSequence) {
    TempDir dir;
    WriteAllFiles(dir.path()); // one record or line each: every file is short
    WriteFile(dir.path() / "names.bin", NameBytes(66, 1, 1, 0, 1,
                                                  "\x01"
                                                  "Bad\xff\x1b[2J")
                                            .str());
    auto store = std::make_unique<CatalogStore>();
    const CatalogLoadResult loaded = LoadCatalogs(*store, CatalogLocator({dir.path()}));
    ASSERT_TRUE(loaded.ok()) << loaded.message;
    ASSERT_EQ(loaded.warnings.size(), kCatalogLoadOrder.size());
    for (std::size_t i = 0; i < kCatalogLoadOrder.size(); ++i) {
        const fs::path path = dir.path() / std::string(CatalogFileName(kCatalogLoadOrder[i]));
        EXPECT_NE(loaded.warnings[i].find(path.string()), std::string::npos) << loaded.warnings[i];
    }
    EXPECT_EQ(store->m_stars[0].hr, 11); // the records a short file holds are used
    EXPECT_STREQ(store->m_starNames[0].name, "?Bad??[2J"); // no control or stray byte survives

    // A file that is there but fails while it is read: an error naming it, not a fall-back.
    fs::remove(dir.path() / "messier.bin");
    fs::create_symlink("/proc/self/mem", dir.path() / "messier.bin");
    store = std::make_unique<CatalogStore>();
    const CatalogLoadResult failed = LoadCatalogs(*store, CatalogLocator({dir.path()}));
    EXPECT_EQ(failed.failedFile, CatalogFile::Messier);
    EXPECT_NE(failed.message.find((dir.path() / "messier.bin").string()), std::string::npos)
        << failed.message;
    EXPECT_EQ(store->m_figurePoints[529].flag, 33); // the files before it are loaded
}

// The files of the built-in places in the working folder (location.bin of the wrong size, a
// damaged placezones.tab) are named in a warning and the installed ones are used; a place
// table that fails while it is read is named too, and the places keep their fixed offsets.
TEST(Loaders, DamagedPlaceFilesInTheWorkingFolderDoNotHideTheInstalledOnes) {
    TempDir work;
    TempDir program;
    const fs::path places = fs::path(std::string(CatalogFileName(CatalogFile::Locations)));
    const fs::path zones = fs::path(std::string(kPlaceZonesFileName));
    WriteFile(program.path() / places, Repeat(kLocationCount, [](std::size_t) {
                                           return LocationBytes("Poland:Krakow", 50.0f, -19.9f,
                                                                -1.0f);
                                       }).str());
    WriteFile(program.path() / zones, "Poland:Krakow\tEurope/Warsaw\n");
    struct Case {
        const char* name;
        std::string placesBytes; // in the working folder; empty: none there
        std::string zonesBytes;  // likewise; "/proc/self/mem": a link to a file that fails to read
        const char* warning;     // what the warning says besides the file's name
    };
    const Case cases[] = {
        {"empty place table", "\n", "", "holds 1 bytes where"},
        {"short place table", LocationBytes("Poland:Krakow", 1, 1, 1).str(), "", "is used instead"},
        {"zones cut short", "", "Poland:Krakow\tEurope/Wa", "is damaged (line 1 is cut short"},
        {"zones of random bytes", "", std::string("\x89PNG\0\x1b\n", 8), "is damaged (line 1"},
        {"zones failing to read", "", "/proc/self/mem", "Cannot read"},
    };
    for (const Case& c : cases) {
        fs::remove(work.path() / places);
        fs::remove(work.path() / zones);
        if (!c.placesBytes.empty()) {
            WriteFile(work.path() / places, c.placesBytes);
        }
        if (c.zonesBytes == "/proc/self/mem") {
            fs::create_symlink(c.zonesBytes, work.path() / zones);
        } else if (!c.zonesBytes.empty()) {
            WriteFile(work.path() / zones, c.zonesBytes);
        }
        const CatalogLocator locator({work.path(), program.path()});
        auto store = std::make_unique<CatalogStore>();
        const CatalogFileResult loaded = LoadCatalogFile(CatalogFile::Locations, locator, *store);
        const PlaceZonesResult zoneTable = LoadPlaceZones(locator);
        std::vector<std::string> warnings = zoneTable.warnings;
        if (!loaded.warning.empty()) {
            warnings.push_back(loaded.warning);
        }
        ASSERT_EQ(warnings.size(), 1u) << c.name;
        const fs::path named = work.path() / (c.placesBytes.empty() ? zones : places);
        EXPECT_NE(warnings[0].find(named.string()), std::string::npos) << warnings[0];
        EXPECT_NE(warnings[0].find(c.warning), std::string::npos) << warnings[0];
        // The installed tables are whole: every row is Krakow, which has its zone.
        EXPECT_STREQ(store->m_locations[kLocationCount - 1].name, "Poland:Krakow") << c.name;
        EXPECT_EQ(zoneTable.table.ZoneOf("Poland:Krakow"), "Europe/Warsaw") << c.name;
    }
}

} // namespace
