// The Tonight window: the night's events at the chart's place (sunset, the twilights, sunrise,
// the Moon, the dark hours) above the list of what is well placed. A click on a column heading
// sorts the list by it (again: the other way); a double click asks the window's owner to centre
// the chart on the object at the time of its highest point and closes the window.
#pragma once

#include <wx/dialog.h>

#include <functional>
#include <vector>

#include "planning/WellPlaced.h"

class wxListCtrl;
class wxListEvent;

class CTonightDialog : public wxDialog {
public:
    using ShowObject = std::function<void(const VisibleObject&)>;
    CTonightDialog(wxWindow* parent, const std::string& events, std::vector<VisibleObject> rows,
                   const ZoneRule& zone, ShowObject show);

    wxListCtrl* List() const { return m_list; }
    const std::vector<VisibleObject>& Rows() const { return m_rows; }
    void SortBy(WellPlacedColumn column);

private:
    void Fill();
    void FillRows();

    std::vector<VisibleObject> m_rows;
    ZoneRule m_zone;
    ShowObject m_show;
    wxListCtrl* m_list = nullptr;
    WellPlacedColumn m_column = WellPlacedColumn::Transit;
    bool m_ascending = true;
};
