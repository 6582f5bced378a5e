// The mount's address, the guard on the server's bytes, the slew safety check, and the client
// against indiserver's simulated mount on a free loopback port (sync, abort, the server lost and
// found again).
#include "../support/IndiTestServer.h"
#include "telescope/IndiGuard.h"
#include "telescope/MountAddress.h"
#include "telescope/MountClient.h"
#include "telescope/SlewSafety.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <string>
#include <thread>

TEST(MountAddress, ParsesWhatUsersType) {
    const struct {
        const char* text;
        std::optional<MountAddress> want;
    } cases[] = {
        {"localhost:7624", MountAddress{"localhost", 7624}},
        {"mount.local", MountAddress{"mount.local", kDefaultIndiPort}},
        {"[::1]:7000", MountAddress{"::1", 7000}},
        {"10.0.0.5:65535", MountAddress{"10.0.0.5", 65535}},
        {"", std::nullopt},
        {":7624", std::nullopt},
        {"host:0", std::nullopt},
        {"host:65536", std::nullopt},
        {"host:76x", std::nullopt},
        {"my host:7624", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseMountAddress(c.text), c.want) << c.text;
        if (c.want) {
            EXPECT_EQ(ParseMountAddress(MountAddressText(*c.want)), c.want) << c.text;
        }
    }
}

TEST(IndiStreamCheck, PassesIndiAndRefusesWhatNoServerSends) {
    const std::string property =
        "<defNumberVector device=\"Telescope Simulator\" name=\"EQUATORIAL_EOD_COORD\" "
        "label=\"Eq. Coordinates\" state=\"Idle\" perm=\"rw\">\n"
        "  <defNumber name=\"RA\" format=\"%010.6m\">5.9195</defNumber>\n"
        "  <defNumber name=\"DEC\" format=\"%010.6m\">7.407</defNumber>\n"
        "</defNumberVector>\n";
    {
        // Fed a byte at a time, as a slow network delivers it, and many times over.
        IndiStreamCheck check;
        for (int i = 0; i < 100; ++i) {
            for (const char c : property) {
                ASSERT_TRUE(check.Feed(std::string_view(&c, 1))) << check.Problem();
            }
        }
    }
    std::string deep;
    for (int i = 0; i <= kMaxIndiDepth; ++i) {
        deep += "<a>";
    }
    const std::string huge = "<setBLOBVector device=\"x\">" +
                             std::string(kMaxIndiElementBytes, 'A') + "</setBLOBVector>";
    const std::string endlessTag = "<defText name=\"" + std::string(kMaxIndiElementBytes, 'x');
    for (const std::string& bad :
         {std::string("<def\0Text>", 10), std::string("\x01\x02\x03"), deep, huge, endlessTag}) {
        IndiStreamCheck check;
        EXPECT_FALSE(check.Feed(bad)) << bad.substr(0, 40);
        EXPECT_FALSE(check.Problem().empty());
        EXPECT_FALSE(check.Feed(property)) << "a refused stream stays refused";
    }
}

// Reference: the Sun's apparent place 2026-12-10 12:00 UT, RA 257.4261566°, Dec −22.9343402°
// (swetest -b10.12.2026 -ut12:00 -p0 -fPad -eswe), when it stands near the meridian at 0°, 0°.
TEST(SlewSafety, RefusesTheGroundAndTheSunsSurroundings) {
    const Instant noon = InstantOfUniversal(2461385.0);
    const Place equator{};
    const double sunRa = 257.4261566 / 15.0;
    const double sunDec = -22.9343402;
    const struct {
        double ra, dec;
        SlewVerdict want;
    } cases[] = {
        {sunRa, sunDec + 10.0, SlewVerdict::NearSun},
        {sunRa, sunDec + 16.0, SlewVerdict::Fine},
        {std::fmod(sunRa + 12.0, 24.0), -sunDec, SlewVerdict::BelowHorizon},
        {sunRa, 40.0, SlewVerdict::Fine},
    };
    for (const auto& c : cases) {
        const SlewCheck check = CheckSlew(c.ra, c.dec, noon, equator);
        EXPECT_EQ(check.verdict, c.want) << c.ra << " " << c.dec;
        EXPECT_EQ(SlewWarningText(check).empty(), c.want == SlewVerdict::Fine);
    }
    EXPECT_NEAR(CheckSlew(sunRa, sunDec + 10.0, noon, equator).sunDistanceDegrees, 10.0, 0.01);
}

namespace {

using Clock = std::chrono::steady_clock;

// Polls the client until `done` holds or 20 s pass; the last status.
MountStatus WaitFor(const MountClient& client,
                    const std::function<bool(const MountStatus&)>& done) {
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    MountStatus status = client.Status();
    while (!done(status) && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        status = client.Status();
    }
    return status;
}

bool Ready(const MountStatus& s) {
    return s.hasPosition &&
           (s.activity == MountActivity::Idle || s.activity == MountActivity::Tracking);
}

// Connects, retrying while the server starts up.
void ConnectWhenUp(MountClient& client, int port) {
    for (int attempt = 0; attempt < 40 && !Ready(client.Status()); ++attempt) {
        client.Connect("127.0.0.1", port, "");
        WaitFor(client, [](const MountStatus& s) {
            return Ready(s) || s.activity == MountActivity::Disconnected;
        });
        if (!Ready(client.Status())) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
        }
    }
}

} // namespace

TEST(MountClient, SyncsAbortsAndSurvivesTheServer) {
    const int port = inditest::FreePort();
    auto server = std::make_unique<inditest::SimulatedMountServer>(port);
    MountClient client;
    ConnectWhenUp(client, port);
    ASSERT_TRUE(Ready(client.Status())) << client.Status().message;
    EXPECT_EQ(client.Devices(), std::vector<std::string>{"Telescope Simulator"});

    // Sync: the mount takes the given place as where it points.
    client.Sync(3.25, 41.5);
    MountStatus status = WaitFor(client, [](const MountStatus& s) {
        return std::fabs(s.raHours - 3.25) < 1e-4 && std::fabs(s.decDegrees - 41.5) < 1e-3;
    });
    EXPECT_NEAR(status.raHours, 3.25, 1e-4);
    EXPECT_NEAR(status.decDegrees, 41.5, 1e-3);

    // A slew to the far side of the sky, stopped on the way.
    client.Goto(15.25, -41.5);
    status =
        WaitFor(client, [](const MountStatus& s) { return s.activity == MountActivity::Slewing; });
    ASSERT_EQ(status.activity, MountActivity::Slewing);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    client.Abort();
    status =
        WaitFor(client, [](const MountStatus& s) { return s.activity != MountActivity::Slewing; });
    EXPECT_NE(status.activity, MountActivity::Slewing);
    EXPECT_GT(std::fabs(status.decDegrees + 41.5), 10.0) << "stopped well short of the target";

    // The server dies mid-slew: disconnected with a reason; a new server is joined again.
    client.Goto(15.25, -41.5);
    WaitFor(client, [](const MountStatus& s) { return s.activity == MountActivity::Slewing; });
    server->Stop();
    status = WaitFor(
        client, [](const MountStatus& s) { return s.activity == MountActivity::Disconnected; });
    EXPECT_EQ(status.activity, MountActivity::Disconnected);
    EXPECT_FALSE(status.hasPosition);
    EXPECT_FALSE(status.message.empty());
    server = std::make_unique<inditest::SimulatedMountServer>(port);
    ConnectWhenUp(client, port);
    EXPECT_TRUE(Ready(client.Status())) << client.Status().message;
}
