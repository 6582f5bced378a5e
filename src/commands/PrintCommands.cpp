// Print, Print Preview and Print Setup of the File menu, through the platform's printing
// procedure: the print dialog and progress window, the preview window (modal to the program, so
// the chart cannot change under it) and the page setup dialog. The printer choice and paper
// settings are kept with the main frame for the rest of the run.
#include "commands/CommandHandlers.h"

#include "guibase/CommandContext.h"
#include "guibase/Messages.h"
#include "view/NoctaView.h"
#include "view/Printout.h"

#include <wx/cmndata.h>
#include <wx/frame.h>
#include <wx/log.h>
#include <wx/printdlg.h>

namespace {

constexpr const char* kCouldNotStartPrintJob = "Could not start print job.";
constexpr const char* kPreviewTitle = "Print Preview";

// The chart's printed text and symbols have sizes in printer pixels made for a printer of about
// 300 pixels per inch; the page is asked for at that resolution (PDF output stays vector).
constexpr int kPrinterPixelsPerInch = 300;

// The printer and paper settings chosen so far, owned by the main frame.
struct PrintSettings : wxClientData {
    PrintSettings() {
        printDialog.GetPrintData().SetQuality(kPrinterPixelsPerInch);
        pageSetup.SetPrintData(printDialog.GetPrintData());
    }
    wxPrintDialogData printDialog;
    wxPageSetupDialogData pageSetup;
};

PrintSettings& SettingsOf(wxFrame& frame) {
    auto* settings = dynamic_cast<PrintSettings*>(frame.GetClientObject());
    if (settings == nullptr) {
        settings = new PrintSettings;
        frame.SetClientObject(settings); // the frame deletes it
    }
    return *settings;
}

void ReportCouldNotStart(wxFrame& frame) {
    ShowProgramMessage(kCouldNotStartPrintJob, wxOK | wxICON_EXCLAMATION, &frame);
}

} // namespace

void PrintCommand(CommandContext& context, CommandId) {
    wxFrame& frame = context.frame;
    CNoctaView& view = context.view;
    PrintSettings& settings = SettingsOf(frame);
    wxPrinter printer(&settings.printDialog);
    CChartPrintout printout(view.Chart(), view.Session(), view.Settings(),
                            &printer.GetPrintDialogData().GetPrintData());
    bool printed = false;
    {
        // A printer that cannot start the job is reported once, in the program's own words
        // below, not also in the toolkit's log window.
        wxLogNull quiet;
        printed = printer.Print(&frame, &printout, true);
    }
    if (printed) {
        settings.printDialog = printer.GetPrintDialogData();
        settings.pageSetup.SetPrintData(settings.printDialog.GetPrintData());
    } else if (wxPrinter::GetLastError() == wxPRINTER_ERROR) {
        ReportCouldNotStart(frame);
    }
    // Cancelled or done: the screen geometry is back, the next frame is the screen's.
    view.Redraw();
}

void PrintPreviewCommand(CommandContext& context, CommandId) {
    wxFrame& frame = context.frame;
    CNoctaView& view = context.view;
    PrintSettings& settings = SettingsOf(frame);
    auto* preview =
        new wxPrintPreview(new CChartPrintout(view.Chart(), view.Session(), view.Settings(),
                                              &settings.printDialog.GetPrintData()),
                           new CChartPrintout(view.Chart(), view.Session(), view.Settings(),
                                              &settings.printDialog.GetPrintData()),
                           &settings.printDialog);
    if (!preview->IsOk()) {
        delete preview;
        ReportCouldNotStart(frame);
        return;
    }
    auto* window =
        new wxPreviewFrame(preview, &frame, kPreviewTitle, wxDefaultPosition, frame.GetSize());
    window->Centre();
    window->InitializeWithModality(wxPreviewFrame_AppModal);
    window->Bind(wxEVT_CLOSE_WINDOW, [&view](wxCloseEvent& event) {
        view.Redraw();
        event.Skip();
    });
    window->Show();
}

void PrintSetupCommand(CommandContext& context, CommandId) {
    wxFrame& frame = context.frame;
    PrintSettings& settings = SettingsOf(frame);
    settings.pageSetup.SetPrintData(settings.printDialog.GetPrintData());
    wxPageSetupDialog dialog(&frame, &settings.pageSetup);
    if (dialog.ShowModal() == wxID_OK) {
        settings.pageSetup = dialog.GetPageSetupDialogData();
        settings.printDialog.SetPrintData(settings.pageSetup.GetPrintData());
    }
}
