#include "dialogs/TelescopeDialog.h"

#include "guibase/Messages.h"
#include "telescope/MountClient.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr int kGap = 8;         // pixels between controls
constexpr int kPollMs = 250;    // how often the list and the state are looked at
constexpr int kHostWidth = 220; // pixels
constexpr int kMaxPort = 65535;
constexpr const char* kFirstTelescope = "(the first telescope listed)";

// Ending a client waits for its worker, which may be inside a connection attempt for seconds:
// the client ends on a thread of its own, so the window never waits for the network. Those
// threads are joined when the program ends, so that none still runs while it is torn down.
class EndingClients {
public:
    ~EndingClients() {
        for (std::thread& ending : m_threads) {
            ending.join();
        }
    }
    void Add(std::unique_ptr<MountClient> client) {
        const std::lock_guard lock(m_mutex);
        m_threads.emplace_back([ending = std::move(client)]() mutable { ending.reset(); });
    }

private:
    std::mutex m_mutex;
    std::vector<std::thread> m_threads;
};

void EndInBackground(std::unique_ptr<MountClient> client) {
    static EndingClients ending;
    if (client) {
        ending.Add(std::move(client));
    }
}

} // namespace

CTelescopeDialog::CTelescopeDialog(wxWindow* parent, const std::string& host, int port,
                                   const std::string& device)
    : wxDialog(parent, wxID_ANY, "Connect Telescope"), m_wanted(device), m_poll(this) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* grid = new wxFlexGridSizer(2, kGap, kGap);
    grid->AddGrowableCol(1);
    m_host = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(host), wxDefaultPosition,
                            wxSize(kHostWidth, -1));
    m_port = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                            wxSP_ARROW_KEYS, 1, kMaxPort, port);
    m_device = new wxChoice(this, wxID_ANY);
    auto* list = new wxButton(this, wxID_ANY, "&List");
    grid->Add(new wxStaticText(this, wxID_ANY, "&Host:"), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(m_host, 1, wxEXPAND);
    grid->Add(new wxStaticText(this, wxID_ANY, "&Port:"), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(m_port, 0);
    grid->Add(new wxStaticText(this, wxID_ANY, "&Mount:"), 0, wxALIGN_CENTER_VERTICAL);
    auto* deviceRow = new wxBoxSizer(wxHORIZONTAL);
    deviceRow->Add(m_device, 1, wxEXPAND | wxRIGHT, kGap);
    deviceRow->Add(list, 0);
    grid->Add(deviceRow, 1, wxEXPAND);
    top->Add(grid, 0, wxEXPAND | wxALL, kGap);
    m_state = new wxStaticText(this, wxID_ANY, wxEmptyString);
    top->Add(m_state, 0, wxEXPAND | wxLEFT | wxRIGHT, kGap);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, kGap);
    SetSizerAndFit(top);
    Centre(wxBOTH);

    m_device->Append(kFirstTelescope);
    if (!device.empty()) {
        m_device->Append(wxString::FromUTF8(device));
    }
    m_device->SetSelection(device.empty() ? 0 : 1);
    list->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ListDevices(); });
    Bind(wxEVT_TIMER, &CTelescopeDialog::OnPoll, this, m_poll.GetId());
    Bind(wxEVT_BUTTON, &CTelescopeDialog::OnOk, this, wxID_OK);
    ListDevices();
}

CTelescopeDialog::~CTelescopeDialog() {
    m_poll.Stop();
    EndInBackground(std::move(m_probe));
}

std::string CTelescopeDialog::Host() const {
    std::string host = m_host->GetValue().Trim(true).Trim(false).utf8_string();
    return host;
}

int CTelescopeDialog::Port() const {
    return m_port->GetValue();
}

std::string CTelescopeDialog::Device() const {
    const int chosen = m_device->GetSelection();
    return chosen <= 0 ? std::string() : m_device->GetString(chosen).utf8_string();
}

void CTelescopeDialog::ListDevices() {
    if (const std::string device = Device(); !device.empty()) {
        m_wanted = device;
    }
    m_listed.clear();
    EndInBackground(std::move(m_probe));
    m_probe = std::make_unique<MountClient>();
    m_probe->Connect(Host(), Port(), std::string());
    m_state->SetLabel("Asking the server for its telescopes\u2026");
    m_poll.Start(kPollMs);
}

void CTelescopeDialog::OnPoll(wxTimerEvent&) {
    if (!m_probe) {
        return;
    }
    const std::vector<std::string> devices = m_probe->Devices();
    const MountStatus status = m_probe->Status();
    if (devices != m_listed) {
        m_listed = devices;
        const std::string keep = Device().empty() ? m_wanted : Device();
        m_device->Clear();
        m_device->Append(kFirstTelescope);
        int chosen = 0;
        for (const std::string& name : devices) {
            const int row = m_device->Append(wxString::FromUTF8(name));
            if (name == keep) {
                chosen = row;
            }
        }
        m_device->SetSelection(chosen);
    }
    if (status.activity == MountActivity::Disconnected && !status.message.empty()) {
        m_state->SetLabel(wxString::FromUTF8(status.message));
        m_poll.Stop();
    } else if (!devices.empty()) {
        m_state->SetLabel(
            wxString::Format("%zu telescope(s) listed by the server.", devices.size()));
    }
}

void CTelescopeDialog::OnOk(wxCommandEvent& event) {
    if (Host().empty()) {
        ShowProgramMessage("Enter the host name of the INDI server.    ", wxOK | wxICON_STOP, this);
        return;
    }
    m_poll.Stop();
    EndInBackground(std::move(m_probe));
    event.Skip();
}
