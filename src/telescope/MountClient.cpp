#include "telescope/MountClient.h"

#include "telescope/IndiGuard.h"

#include <baseclient.h>
#include <basedevice.h>
#include <erfa.h>
#include <erfam.h>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// After a goto, how long a mount may take to report that it has started before a settled
// position counts as the end of the slew (a mount already at the target never reports Busy).
constexpr auto kSlewStartGrace = std::chrono::seconds(3);
// A mount that ends a goto farther than this from the target (degrees) is sent there again, at
// most kGotoRefinements times: a mount that aims at the hour angle the target had when the slew
// began ends behind it by the slew's duration, and the short second slew corrects that.
constexpr double kGotoToleranceDegrees = 10.0 / 3600.0;
constexpr int kGotoRefinements = 2;

// The angle between two places (hours, degrees), degrees.
double SeparationDegrees(double ra1, double dec1, double ra2, double dec2) {
    return eraSeps(ra1 * 15.0 * ERFA_DD2R, dec1 * ERFA_DD2R, ra2 * 15.0 * ERFA_DD2R,
                   dec2 * ERFA_DD2R) *
           ERFA_DR2D;
}

// How long the client itself may take to join the relay.
constexpr unsigned kRelayConnectSeconds = 2;

// The INDI names a mount's standard properties use.
constexpr const char* kCoordinates = "EQUATORIAL_EOD_COORD";
constexpr const char* kConnection = "CONNECTION";
constexpr const char* kTrackState = "TELESCOPE_TRACK_STATE";
constexpr const char* kPark = "TELESCOPE_PARK";
constexpr const char* kDriverInfo = "DRIVER_INFO";

// libindi's client announces every connection on the standard error, which would clutter the
// output of scripts and the terminal of the desktop program; the announcement is dropped while
// the (loopback, bounded) connection is made. Other threads' error output in that instant is lost
// with it, which the program accepts: nothing else writes there while a mount connects.
class QuietStandardError {
public:
    QuietStandardError() {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_saved >= 0 && null >= 0) {
            ::dup2(null, STDERR_FILENO);
        }
        if (null >= 0) {
            ::close(null);
        }
    }
    ~QuietStandardError() {
        std::fflush(stderr);
        if (m_saved >= 0) {
            ::dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int m_saved = -1;
};

std::string ErrnoText(int error) {
    return std::strerror(error);
}

// A TCP connection to host:port within `timeout`; the socket, or -1 with `problem` set.
int ConnectWithin(const std::string& host, int port, std::chrono::milliseconds timeout,
                  std::string& problem) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    const int resolved = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
    if (resolved != 0) {
        problem = std::string("unknown host: ") + ::gai_strerror(resolved);
        return -1;
    }
    const auto deadline = Clock::now() + timeout;
    problem = "no address to connect to";
    int connected = -1;
    for (addrinfo* a = found; a != nullptr && connected < 0; a = a->ai_next) {
        const int fd =
            ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) {
            problem = ErrnoText(errno);
            continue;
        }
        int error = 0;
        if (::connect(fd, a->ai_addr, a->ai_addrlen) != 0) {
            error = errno;
            if (error == EINPROGRESS) {
                const auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
                pollfd wait{fd, POLLOUT, 0};
                const int ready =
                    ::poll(&wait, 1, static_cast<int>(std::max<long>(0, left.count())));
                if (ready == 0) {
                    error = ETIMEDOUT;
                } else if (ready < 0) {
                    error = errno;
                } else {
                    socklen_t length = sizeof error;
                    ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length);
                }
            }
        }
        if (error == 0) {
            const int flags = ::fcntl(fd, F_GETFL);
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
            connected = fd;
        } else {
            problem = error == ETIMEDOUT ? "no answer" : ErrnoText(error);
            ::close(fd);
        }
    }
    ::freeaddrinfo(found);
    return connected;
}

bool SwitchOn(const INDI::Property& property, const char* element) {
    const auto* view = property.getSwitch();
    if (view == nullptr) {
        return false;
    }
    const auto* widget = view->findWidgetByName(element);
    return widget != nullptr && widget->getState() == ISS_ON;
}

} // namespace

// libindi's client: its callbacks run on libindi's own thread and only record what they learn.
class IndiLink final : public INDI::BaseClient {
public:
    explicit IndiLink(MountClient::Impl& owner) : m_owner(owner) {}

protected:
    void newProperty(INDI::Property property) override;
    void updateProperty(INDI::Property property) override;
    void removeDevice(INDI::BaseDevice device) override;
    void serverDisconnected(int exitCode) override;

private:
    MountClient::Impl& m_owner;
};

struct MountClient::Impl {
    // Shared with the callbacks, under `mutex`.
    mutable std::mutex mutex;
    std::condition_variable wake;
    MountStatus status;
    std::vector<std::string> devices;
    std::deque<std::function<void()>> tasks;
    bool stopping = false;
    bool linkLost = false; // the server's side ended; the worker tears the link down
    bool deviceConnectAsked = false;
    bool placeTimeSent = false;
    std::optional<Place> place;
    double jdUtc = 0.0;
    // The activity the mount's own properties say, and the pieces it is made of.
    bool deviceConnected = false;
    bool tracking = false;
    bool parked = false;
    IPState coordinateState = IPS_IDLE;
    std::optional<Clock::time_point> slewAsked; // a goto not yet seen Busy
    struct GotoTarget {
        double raHours = 0.0;
        double decDegrees = 0.0;
        int refinements = 0; // gotos sent again so far
    };
    std::optional<GotoTarget> gotoTarget; // the goto under way
    std::optional<Clock::time_point> deviceDeadline;
    std::string wantedDevice; // empty: the first telescope

    // Owned by the worker thread only.
    std::unique_ptr<IndiRelay> relay;
    std::unique_ptr<IndiLink> link;
    std::string linkDevice;
    std::thread worker;

    Impl() : worker([this] { Run(); }) {}

    void Post(std::function<void()> task) {
        {
            const std::lock_guard lock(mutex);
            tasks.push_back(std::move(task));
        }
        wake.notify_all();
    }

    // Under `mutex`: the activity from the pieces, and a new serial.
    void Refresh() {
        MountActivity activity = MountActivity::Connecting;
        if (!deviceConnected || !status.hasPosition) {
            activity = MountActivity::Connecting;
        } else if (parked) {
            activity = MountActivity::Parked;
        } else if (coordinateState == IPS_BUSY || slewAsked) {
            activity = MountActivity::Slewing;
        } else if (tracking) {
            activity = MountActivity::Tracking;
        } else {
            activity = MountActivity::Idle;
        }
        status.activity = activity;
        ++status.serial;
    }

    void Run();
    void Tick();
    void OpenLink(const std::string& host, int port, const std::string& device);
    void CloseLink(const std::string& message);
    void SendPlaceAndTimeNow();
    void SendCoordinates(double raHours, double decDegrees, const char* action);
    void SendAbort();
};

void IndiLink::newProperty(INDI::Property property) {
    updateProperty(property);
    m_owner.wake.notify_all();
}

void IndiLink::updateProperty(INDI::Property property) {
    const char* deviceName = property.getDeviceName();
    const char* name = property.getName();
    if (deviceName == nullptr || name == nullptr) {
        return;
    }
    const std::string device = deviceName;
    std::unique_lock lock(m_owner.mutex);
    if (std::strcmp(name, kDriverInfo) == 0) {
        const INDI::BaseDevice base = property.getBaseDevice();
        if (base.isValid() &&
            (base.getDriverInterface() & INDI::BaseDevice::TELESCOPE_INTERFACE) != 0 &&
            std::find(m_owner.devices.begin(), m_owner.devices.end(), device) ==
                m_owner.devices.end()) {
            m_owner.devices.push_back(device);
            ++m_owner.status.serial;
        }
    }
    if (device != m_owner.status.device) {
        return;
    }
    if (std::strcmp(name, kConnection) == 0) {
        m_owner.deviceConnected = SwitchOn(property, "CONNECT");
    } else if (std::strcmp(name, kTrackState) == 0) {
        m_owner.tracking = SwitchOn(property, "TRACK_ON");
    } else if (std::strcmp(name, kPark) == 0) {
        m_owner.parked = SwitchOn(property, "PARK");
    } else if (std::strcmp(name, kCoordinates) == 0) {
        const auto* numbers = property.getNumber();
        const auto* ra = numbers != nullptr ? numbers->findWidgetByName("RA") : nullptr;
        const auto* dec = numbers != nullptr ? numbers->findWidgetByName("DEC") : nullptr;
        if (ra != nullptr && dec != nullptr && std::isfinite(ra->getValue()) &&
            std::isfinite(dec->getValue())) {
            const double hours = std::fmod(ra->getValue(), 24.0);
            m_owner.status.raHours = hours < 0.0 ? hours + 24.0 : hours;
            m_owner.status.decDegrees = std::clamp(dec->getValue(), -90.0, 90.0);
            m_owner.status.hasPosition = true;
        }
        const IPState state = property.getState();
        auto& target = m_owner.gotoTarget;
        if (target && m_owner.coordinateState == IPS_BUSY && state == IPS_OK) {
            // A slew has ended: short of the target, it is sent there again.
            if (m_owner.status.hasPosition && target->refinements < kGotoRefinements &&
                SeparationDegrees(m_owner.status.raHours, m_owner.status.decDegrees,
                                  target->raHours, target->decDegrees) > kGotoToleranceDegrees) {
                ++target->refinements;
                m_owner.slewAsked = Clock::now() + kSlewStartGrace;
                m_owner.tasks.push_back(
                    [impl = &m_owner, ra = target->raHours, dec = target->decDegrees] {
                        impl->SendCoordinates(ra, dec, "TRACK");
                    });
            } else {
                target.reset();
            }
        }
        if (state == IPS_BUSY) {
            m_owner.slewAsked.reset();
        } else if (m_owner.slewAsked && (state == IPS_ALERT || Clock::now() > *m_owner.slewAsked)) {
            m_owner.slewAsked.reset();
        }
        if (state == IPS_ALERT && m_owner.coordinateState != IPS_ALERT) {
            m_owner.status.message = "the mount reported a failed move";
        }
        m_owner.coordinateState = state;
    } else {
        return;
    }
    m_owner.Refresh();
    lock.unlock();
    m_owner.wake.notify_all();
}

void IndiLink::removeDevice(INDI::BaseDevice device) {
    const char* name = device.getDeviceName();
    if (name == nullptr) {
        return;
    }
    {
        const std::lock_guard lock(m_owner.mutex);
        std::erase(m_owner.devices, std::string(name));
        if (m_owner.status.device == name) {
            m_owner.linkLost = true;
            m_owner.status.message = "the server removed the mount " + std::string(name);
        }
        ++m_owner.status.serial;
    }
    m_owner.wake.notify_all();
}

void IndiLink::serverDisconnected(int exitCode) {
    {
        const std::lock_guard lock(m_owner.mutex);
        m_owner.linkLost = true;
        if (exitCode != 0 && m_owner.status.message.empty()) {
            m_owner.status.message = "the connection to the INDI server was lost";
        }
    }
    m_owner.wake.notify_all();
}

void MountClient::Impl::Run() {
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait_for(lock, std::chrono::milliseconds(200));
        while (!tasks.empty()) {
            std::function<void()> task = std::move(tasks.front());
            tasks.pop_front();
            lock.unlock();
            task();
            lock.lock();
        }
        if (stopping) {
            break;
        }
        lock.unlock();
        Tick();
        lock.lock();
    }
    lock.unlock();
    CloseLink("");
}

// The worker's regular look at the link: a lost link is torn down, the device chosen and
// connected, the place and time sent once the mount can take them.
void MountClient::Impl::Tick() {
    if (!link) {
        return;
    }
    std::string lostMessage;
    bool lost = false;
    bool chooseNow = false;
    bool connectNow = false;
    bool sendPlaceNow = false;
    if (relay && !relay->Problem().empty()) {
        lost = true;
        lostMessage = "connection dropped: " + relay->Problem();
    }
    {
        const std::lock_guard lock(mutex);
        if (!lost && linkLost) {
            lost = true;
            lostMessage = status.message.empty() ? "the connection to the INDI server was lost"
                                                 : status.message;
        } else if (status.device.empty()) {
            chooseNow = true;
        }
    }
    if (lost) {
        CloseLink(lostMessage);
        return;
    }
    {
        // A mount that never reports Busy (already at the target) has ended its slew.
        const std::lock_guard lock(mutex);
        if (slewAsked && Clock::now() > *slewAsked && coordinateState != IPS_BUSY) {
            slewAsked.reset();
            Refresh();
        }
    }
    if (chooseNow) {
        std::string chosen;
        {
            const std::lock_guard lock(mutex);
            if (wantedDevice.empty() && !devices.empty()) {
                chosen = devices.front();
            } else if (!wantedDevice.empty() &&
                       std::find(devices.begin(), devices.end(), wantedDevice) != devices.end()) {
                chosen = wantedDevice;
            }
            if (!chosen.empty()) {
                status.device = chosen;
                ++status.serial;
            }
        }
        if (chosen.empty()) {
            bool late = false;
            std::string list;
            {
                const std::lock_guard lock(mutex);
                late = deviceDeadline && Clock::now() > *deviceDeadline;
                for (const std::string& d : devices) {
                    list += (list.empty() ? "" : ", ") + d;
                }
            }
            if (late) {
                CloseLink(wantedDevice.empty()
                              ? std::string("the server lists no telescope")
                              : "the server has no telescope named '" + wantedDevice + "'" +
                                    (list.empty() ? std::string() : " (it lists " + list + ")"));
            }
            return;
        }
        linkDevice = chosen;
        // The properties defined before the choice are read again.
        INDI::BaseDevice base = link->getDevice(chosen.c_str());
        if (base.isValid()) {
            for (const char* name : {kConnection, kTrackState, kPark, kCoordinates}) {
                const INDI::Property property = base.getProperty(name);
                if (property.isValid()) {
                    // Same handling as an update from the server.
                    static_cast<INDI::BaseMediator*>(link.get())->updateProperty(property);
                }
            }
        }
    }
    const INDI::BaseDevice base = link->getDevice(linkDevice.c_str());
    if (!base.isValid()) {
        return;
    }
    {
        const std::lock_guard lock(mutex);
        connectNow =
            !deviceConnected && !deviceConnectAsked && base.getProperty(kConnection).isValid();
        if (connectNow) {
            deviceConnectAsked = true;
        }
        sendPlaceNow = place && !placeTimeSent && deviceConnected &&
                       (base.getProperty("GEOGRAPHIC_COORD").isValid() ||
                        base.getProperty("TIME_UTC").isValid());
    }
    if (connectNow) {
        link->connectDevice(linkDevice.c_str());
    }
    if (sendPlaceNow) {
        SendPlaceAndTimeNow();
    }
}

void MountClient::Impl::OpenLink(const std::string& host, int port, const std::string& device) {
    CloseLink("");
    {
        const std::lock_guard lock(mutex);
        const std::uint64_t serial = status.serial;
        status = MountStatus{};
        status.activity = MountActivity::Connecting;
        status.serial = serial + 1;
        devices.clear();
        linkLost = false;
        deviceConnectAsked = false;
        placeTimeSent = false;
        deviceConnected = false;
        tracking = false;
        parked = false;
        coordinateState = IPS_IDLE;
        slewAsked.reset();
        gotoTarget.reset();
        deviceDeadline.reset();
        wantedDevice = device;
    }
    const auto fail = [this](const std::string& message) {
        const std::lock_guard lock(mutex);
        status.activity = MountActivity::Disconnected;
        status.message = message;
        ++status.serial;
    };
    std::string problem;
    const std::string where = host + ":" + std::to_string(port);
    const int server =
        ConnectWithin(host, port, std::chrono::seconds(kMountConnectTimeoutSeconds), problem);
    if (server < 0) {
        fail("cannot reach the INDI server at " + where + ": " + problem);
        return;
    }
    relay = std::make_unique<IndiRelay>(server);
    if (relay->Port() == 0) {
        fail(relay->Problem());
        relay.reset();
        return;
    }
    link = std::make_unique<IndiLink>(*this);
    link->setServer("127.0.0.1", static_cast<unsigned>(relay->Port()));
    link->setConnectionTimeout(kRelayConnectSeconds, 0);
    bool linked = false;
    {
        const QuietStandardError quiet;
        linked = link->connectServer();
    }
    if (!linked) {
        // The relay may already have refused what the server sent first.
        const std::string refused = relay->Problem();
        link.reset();
        relay.reset();
        fail(refused.empty() ? "cannot reach the INDI server at " + where
                             : "connection dropped: " + refused);
        return;
    }
    const std::lock_guard lock(mutex);
    deviceDeadline = Clock::now() + std::chrono::seconds(kMountConnectTimeoutSeconds);
}

void MountClient::Impl::CloseLink(const std::string& message) {
    if (link) {
        // Stopping the relay first ends libindi's reading at once, whatever the server does.
        relay.reset();
        link->disconnectServer();
        link.reset();
    }
    relay.reset();
    linkDevice.clear();
    const std::lock_guard lock(mutex);
    const bool changed = status.activity != MountActivity::Disconnected || !message.empty();
    status.activity = MountActivity::Disconnected;
    status.hasPosition = false;
    status.message = message;
    devices.clear();
    linkLost = false;
    slewAsked.reset();
    gotoTarget.reset();
    deviceDeadline.reset();
    if (changed) {
        ++status.serial;
    }
}

void MountClient::Impl::SendPlaceAndTimeNow() {
    Place where;
    double jd = 0.0;
    {
        const std::lock_guard lock(mutex);
        if (!place) {
            return;
        }
        where = *place;
        jd = jdUtc;
        placeTimeSent = true;
    }
    INDI::BaseDevice base = link->getDevice(linkDevice.c_str());
    if (!base.isValid()) {
        return;
    }
    INDI::PropertyNumber geographic = base.getNumber("GEOGRAPHIC_COORD");
    if (geographic.isValid()) {
        auto* latitude = geographic.findWidgetByName("LAT");
        auto* longitude = geographic.findWidgetByName("LONG");
        if (latitude != nullptr && longitude != nullptr) {
            // INDI's longitude runs eastward over [0, 360).
            const double east = std::fmod(360.0 - where.longitudeWest, 360.0);
            latitude->setValue(where.latitudeNorth);
            longitude->setValue(east < 0.0 ? east + 360.0 : east);
            link->sendNewNumber(geographic);
        }
    }
    INDI::PropertyText time = base.getText("TIME_UTC");
    if (time.isValid()) {
        auto* utc = time.findWidgetByName("UTC");
        auto* offset = time.findWidgetByName("OFFSET");
        int year = 0;
        int month = 0;
        int day = 0;
        double fraction = 0.0;
        if (utc != nullptr && eraJd2cal(jd, 0.0, &year, &month, &day, &fraction) == 0) {
            const long seconds = std::lround(fraction * 86400.0);
            char text[40];
            std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02ld:%02ld:%02ld", year, month, day,
                          std::min(seconds / 3600, 23L), (seconds / 60) % 60, seconds % 60);
            utc->setText(text);
            if (offset != nullptr) {
                offset->setText("0");
            }
            link->sendNewText(time);
        }
    }
}

void MountClient::Impl::SendCoordinates(double raHours, double decDegrees, const char* action) {
    if (!link || linkDevice.empty()) {
        return;
    }
    INDI::BaseDevice base = link->getDevice(linkDevice.c_str());
    if (!base.isValid()) {
        return;
    }
    bool placePending = false;
    {
        const std::lock_guard lock(mutex);
        placePending = place && !placeTimeSent;
    }
    if (placePending) {
        SendPlaceAndTimeNow(); // the mount computes its slew for the observer's place and time
    }
    INDI::PropertySwitch onSet = base.getSwitch("ON_COORD_SET");
    if (onSet.isValid()) {
        auto* wanted = onSet.findWidgetByName(action);
        if (wanted == nullptr && std::strcmp(action, "TRACK") == 0) {
            wanted = onSet.findWidgetByName("SLEW");
        }
        if (wanted != nullptr) {
            onSet.reset();
            wanted->setState(ISS_ON);
            link->sendNewSwitch(onSet);
        }
    }
    INDI::PropertyNumber coordinates = base.getNumber(kCoordinates);
    auto* ra = coordinates.isValid() ? coordinates.findWidgetByName("RA") : nullptr;
    auto* dec = coordinates.isValid() ? coordinates.findWidgetByName("DEC") : nullptr;
    if (ra == nullptr || dec == nullptr) {
        const std::lock_guard lock(mutex);
        status.message = "the mount has no " + std::string(kCoordinates) + " to send";
        ++status.serial;
        return;
    }
    ra->setValue(raHours);
    dec->setValue(decDegrees);
    if (std::strcmp(action, "SYNC") != 0) {
        const std::lock_guard lock(mutex);
        slewAsked = Clock::now() + kSlewStartGrace;
        status.message.clear();
        Refresh();
    }
    link->sendNewNumber(coordinates);
}

void MountClient::Impl::SendAbort() {
    if (!link || linkDevice.empty()) {
        return;
    }
    INDI::BaseDevice base = link->getDevice(linkDevice.c_str());
    if (base.isValid() && base.getSwitch("TELESCOPE_ABORT_MOTION").isValid()) {
        link->sendNewSwitch(linkDevice.c_str(), "TELESCOPE_ABORT_MOTION", "ABORT");
    }
    const std::lock_guard lock(mutex);
    slewAsked.reset();
    gotoTarget.reset();
    Refresh();
}

MountClient::MountClient() : m_impl(std::make_unique<Impl>()) {
    // libindi writes its requests to the socket with plain stdio, so a link that drops while a
    // request is on its way would end the whole program with SIGPIPE; the failed write is
    // noticed as a dropped link instead.
    static const bool pipeSignalIgnored = [] {
        std::signal(SIGPIPE, SIG_IGN);
        return true;
    }();
    (void)pipeSignalIgnored;
}

MountClient::~MountClient() {
    {
        const std::lock_guard lock(m_impl->mutex);
        m_impl->stopping = true;
    }
    m_impl->wake.notify_all();
    m_impl->worker.join();
}

void MountClient::Connect(const std::string& host, int port, const std::string& device) {
    {
        // Connecting shows at once, before the worker reaches the task.
        const std::lock_guard lock(m_impl->mutex);
        m_impl->status.activity = MountActivity::Connecting;
        m_impl->status.message.clear();
        ++m_impl->status.serial;
    }
    m_impl->Post([impl = m_impl.get(), host, port, device] { impl->OpenLink(host, port, device); });
}

void MountClient::Disconnect() {
    m_impl->Post([impl = m_impl.get()] { impl->CloseLink(""); });
}

MountStatus MountClient::Status() const {
    const std::lock_guard lock(m_impl->mutex);
    return m_impl->status;
}

std::vector<std::string> MountClient::Devices() const {
    const std::lock_guard lock(m_impl->mutex);
    return m_impl->devices;
}

void MountClient::Goto(double raHours, double decDegrees) {
    {
        // The slew shows at once, so a caller that waits for its end never sees the mount's
        // state from before it.
        const std::lock_guard lock(m_impl->mutex);
        const MountActivity now = m_impl->status.activity;
        if (now != MountActivity::Disconnected && now != MountActivity::Connecting) {
            m_impl->gotoTarget = Impl::GotoTarget{raHours, decDegrees, 0};
            m_impl->slewAsked = Clock::now() + kSlewStartGrace;
            m_impl->status.message.clear();
            m_impl->Refresh();
        }
    }
    m_impl->Post([impl = m_impl.get(), raHours, decDegrees] {
        impl->SendCoordinates(raHours, decDegrees, "TRACK");
    });
}

void MountClient::Sync(double raHours, double decDegrees) {
    {
        const std::lock_guard lock(m_impl->mutex);
        m_impl->gotoTarget.reset();
    }
    m_impl->Post([impl = m_impl.get(), raHours, decDegrees] {
        impl->SendCoordinates(raHours, decDegrees, "SYNC");
    });
}

void MountClient::Abort() {
    m_impl->Post([impl = m_impl.get()] { impl->SendAbort(); });
}

void MountClient::SendPlaceAndTime(const Place& place, double jdUtc) {
    {
        const std::lock_guard lock(m_impl->mutex);
        m_impl->place = place;
        m_impl->jdUtc = jdUtc;
        m_impl->placeTimeSent = false;
    }
    m_impl->wake.notify_all();
}
