#include "telescope/MountClient.h"

#include <mutex>

// First cut: keeps the status only; the INDI link follows.
struct MountClient::Impl {
    mutable std::mutex mutex;
    MountStatus status;
};

MountClient::MountClient() : m_impl(std::make_unique<Impl>()) {}
MountClient::~MountClient() = default;

void MountClient::Connect(const std::string&, int, const std::string& device) {
    const std::lock_guard lock(m_impl->mutex);
    m_impl->status.activity = MountActivity::Disconnected;
    m_impl->status.device = device;
    m_impl->status.message = "telescope control is not available in this build";
    ++m_impl->status.serial;
}

void MountClient::Disconnect() {
    const std::lock_guard lock(m_impl->mutex);
    m_impl->status.activity = MountActivity::Disconnected;
    m_impl->status.message.clear();
    ++m_impl->status.serial;
}

MountStatus MountClient::Status() const {
    const std::lock_guard lock(m_impl->mutex);
    return m_impl->status;
}

std::vector<std::string> MountClient::Devices() const {
    return {};
}

void MountClient::Goto(double, double) {}
void MountClient::Sync(double, double) {}
void MountClient::Abort() {}
void MountClient::SendPlaceAndTime(const Place&, double) {}
