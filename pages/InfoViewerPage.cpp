#include "InfoViewerPage.h"

#include "AllControlsSheet.h"
#include "PageFactories.h"
#include "SystemProbePnp.h"
#include "WinApp.h"
#include "page_info_ids.h"

#include <algorithm>
#include <cstring>

namespace {

// What a report list adds to a text's width for its cell: 6 pixels on each side,
// as its own column auto-sizing does (and the header pads its title alike).
constexpr int kCellMargin = 12;

// Every label the "Device" column is sized for, whatever rows appear.
const UINT kMeasuredLabels[] = {
    IDS_INFO_COLUMN_DEVICE,   IDS_INFO_CPU,
    IDS_INFO_TOTAL_MEMORY,    IDS_INFO_VIDEO_RAM,
    IDS_INFO_HARD_DISK,       IDS_INFO_CDROM,
    IDS_INFO_SERIAL_PORT_N,   IDS_INFO_PARALLEL_PORT,
    IDS_INFO_INTERNAL_CACHE,  IDS_INFO_EXTERNAL_CACHE,
    IDS_INFO_POINTING_DEVICE, IDS_INFO_TOUCHPAD,
};

} // namespace

CInfoViewerPage::CInfoViewerPage() : CMyPropertyPage(IDD_INFO_VIEWER, IDS_INFO_CAPTION) {}

void CInfoViewerPage::DoDataExchange(CDataExchange* pDX) {
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_INFO_LIST, m_list);
    DDX_Control(pDX, IDC_INFO_PICTURE, m_picture);
}

BOOL CInfoViewerPage::OnInitDialog() {
    CMyPropertyPage::OnInitDialog();
    m_picture.LoadBitmaps(IDB_INFO_PICTURE, 0);
    SetItemTextFromResource(IDC_INFO_WELCOME, IDS_INFO_WELCOME);
    SetItemTextFromResource(IDC_INFO_EXPLANATION, IDS_INFO_EXPLANATION);
    FillList();
    return TRUE;
}

void CInfoViewerPage::FillList() {
    char heading[kProbeTextSize];
    LoadText(IDS_INFO_COLUMN_DEVICE, heading, sizeof heading);
    m_list.InsertColumn(0, heading, LVCFMT_LEFT, GetLabelColumnWidth());
    // As wide as the whole list: together the columns are wider, and the list scrolls.
    RECT bounds = {};
    m_list.GetWindowRect(&bounds);
    LoadText(IDS_INFO_COLUMN_CONFIGURATION, heading, sizeof heading);
    m_list.InsertColumn(1, heading, LVCFMT_LEFT,
                        bounds.right - bounds.left - 2 * GetSystemMetrics(SM_CXBORDER));

    // One layout for all rows instead of a scroll-bar and header update per row.
    m_list.SetRedraw(FALSE);
    AddInformationRows(*this, SystemPortSource(IsWindows5OrLater()));
    m_list.SetRedraw(TRUE);
    m_list.Invalidate();
}

int CInfoViewerPage::GetLabelColumnWidth() {
    // All labels measured in one device context with the list's font, as the list
    // measures its own texts.
    HDC dc = ::GetDC(m_list);
    if (!dc)
        return kCellMargin;
    HFONT font = m_list.GetFont();
    if (!font)
        font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ previous = ::SelectObject(dc, font);
    int widest = 0;
    for (UINT id : kMeasuredLabels) {
        char label[kProbeTextSize];
        LoadResourceString(id, label, sizeof label);
        SIZE extent = {};
        if (::GetTextExtentPoint32A(dc, label, static_cast<int>(std::strlen(label)), &extent))
            widest = std::max(widest, static_cast<int>(extent.cx));
    }
    if (previous)
        ::SelectObject(dc, previous);
    ::ReleaseDC(m_list, dc);
    return widest + kCellMargin;
}

bool CInfoViewerPage::IsWindows5OrLater() {
    const CAllControlsSheet* sheet = dynamic_cast<CAllControlsSheet*>(GetSheet());
    return sheet && sheet->IsWindows5OrLater();
}

void CInfoViewerPage::LoadText(uint32_t id, char* text, size_t size) const {
    if (size == 0)
        return;
    LoadResourceString(id, text,
                       size < kProbeTextSize ? static_cast<int>(size)
                                             : static_cast<int>(kProbeTextSize));
}

void CInfoViewerPage::AddRow(uint32_t labelId, uint32_t valueId) {
    char value[kProbeTextSize];
    LoadText(valueId, value, sizeof value);
    AddRow(labelId, value);
}

void CInfoViewerPage::AddRow(uint32_t labelId, const char* value) {
    char label[kProbeTextSize] = "";
    if (labelId != 0)
        LoadText(labelId, label, sizeof label);
    AddRow(label, value);
}

void CInfoViewerPage::AddRow(const char* label, const char* value) {
    const int index = m_list.InsertItem(m_nRowCount, label);
    if (index < 0)
        return; // the list refused the row: nothing to put a value in
    m_list.SetItemText(index, 1, value);
    ++m_nRowCount;
}

CMyPropertyPage* CreateInfoViewerPage() {
    return new CInfoViewerPage();
}
