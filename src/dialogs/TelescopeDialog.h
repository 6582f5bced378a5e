// Telescope, Connect: the INDI server's host and port and the mount, chosen from the telescope
// devices the server lists. The list is asked for as soon as the dialog opens and again with
// "List" (or when the host or port changed): a client of its own connects in the background and
// the dialog looks at what it has learnt four times a second, so the window never waits on the
// network. OK closes as accepted with a host and a port; the caller connects.
#pragma once

#include <wx/dialog.h>
#include <wx/timer.h>

#include <memory>
#include <string>
#include <vector>

class MountClient;
class wxChoice;
class wxSpinCtrl;
class wxStaticText;
class wxTextCtrl;

class CTelescopeDialog : public wxDialog {
public:
    CTelescopeDialog(wxWindow* parent, const std::string& host, int port,
                     const std::string& device);
    ~CTelescopeDialog() override;

    std::string Host() const;
    int Port() const;
    // The chosen mount; empty: the first telescope the server lists.
    std::string Device() const;

    wxTextCtrl& HostBox() { return *m_host; }
    wxSpinCtrl& PortBox() { return *m_port; }
    wxChoice& DeviceChoice() { return *m_device; }
    wxStaticText& StateText() { return *m_state; }

    // Asks the server at the host and port for its telescopes (what "List" does).
    void ListDevices();

private:
    void OnPoll(wxTimerEvent& event);
    void OnOk(wxCommandEvent& event);

    wxTextCtrl* m_host = nullptr;
    wxSpinCtrl* m_port = nullptr;
    wxChoice* m_device = nullptr;
    wxStaticText* m_state = nullptr;
    std::string m_wanted; // the device to choose once the server lists it
    std::vector<std::string> m_listed;
    std::unique_ptr<MountClient> m_probe;
    wxTimer m_poll;
};
