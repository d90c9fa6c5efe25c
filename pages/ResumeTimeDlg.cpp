#include "ResumeTimeDlg.h"

#include "MyPropertyPage.h"
#include "ResumeTimeText.h"
#include "WinApp.h"
#include "app_ids.h"
#include "resume_time_ids.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

constexpr int kTimeFieldChars = 2;
constexpr LONG kDigitFontHeight = 26;
constexpr LONG kDayFontHeight = 90;
constexpr COLORREF kDigitColour = RGB(0, 255, 255);

// The one black brush of every resume time dialog; it lives as long as the program.
HBRUSH BlackBrush() {
    static const HBRUSH brush = ::CreateSolidBrush(RGB(0, 0, 0));
    return brush;
}

// Width of text in font, in pixels.
int TextWidth(HFONT font, const char* text) {
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, font);
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    ::SelectObject(dc, previous);
    ::ReleaseDC(nullptr, dc);
    return size.cx;
}

void MakeFont(CFont& font, LONG height, const char* face) {
    LOGFONTA description = {};
    description.lfHeight = height;
    std::strncpy(description.lfFaceName, face, sizeof description.lfFaceName - 1);
    font.CreateFontIndirect(&description);
}

} // namespace

CResumeTimeDlg::CResumeTimeDlg(HWND parent) : CDialog(IDD_RESUME_TIME, parent) {
    const ResumeTime now = LocalTimeNow();
    m_year = now.year;
    m_monthIndex = now.month - 1;
    m_day = now.day;
    m_hour = now.hour;
    m_minute = now.minute;
    m_second = now.second;
}

void CResumeTimeDlg::GetTime(uint16_t& year, uint8_t& month, uint8_t& day, uint8_t& hour,
                             uint8_t& minute, uint8_t& second) const {
    year = static_cast<uint16_t>(m_year);
    month = static_cast<uint8_t>(m_monthIndex + 1);
    day = static_cast<uint8_t>(m_day);
    hour = static_cast<uint8_t>(m_hour);
    minute = static_cast<uint8_t>(m_minute);
    second = static_cast<uint8_t>(m_second);
}

void CResumeTimeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MINUTE_SEPARATOR, m_separator2);
    DDX_Control(pDX, IDC_HOUR_SEPARATOR, m_separator1);
    DDX_Control(pDX, IDC_YEAR_SPIN, m_yearSpin);
    DDX_Control(pDX, IDC_YEAR, m_yearEdit);
    DDX_Control(pDX, IDC_MONTH, m_monthCombo);
    DDX_Control(pDX, IDC_DAY_SPIN, m_daySpin);
    DDX_Control(pDX, IDC_DAY, m_dayEdit);
    DDX_Control(pDX, IDC_HOUR, m_hourEdit);
    DDX_Control(pDX, IDC_MINUTE, m_minuteEdit);
    DDX_Control(pDX, IDC_SECOND, m_secondEdit);
    DDX_Control(pDX, IDC_CLOCK_PICTURE, m_picture);
}

BOOL CResumeTimeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    char text[256];
    LoadResourceString(IDS_RESUME_TITLE, text, sizeof text);
    SetWindowText(text);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDC_DATE_GROUP, IDS_DATE_GROUP);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDC_TIME_GROUP, IDS_TIME_GROUP);
    for (int month = 1; month <= 12; ++month) {
        GetMonthName(LoadResourceString, month, text, sizeof text);
        m_monthCombo.AddString(text);
    }
    m_picture.LoadBitmaps(IDB_CLOCK_PICTURE, IDB_CLOCK_MASK);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDOK, IDS_OK);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDCANCEL, IDS_CANCEL);

    for (CEdit* field : {&m_hourEdit, &m_minuteEdit, &m_secondEdit, &m_dayEdit})
        field->LimitText(kTimeFieldChars);
    m_yearSpin.SetRange(kFirstAlarmYear, kLastAlarmYear);
    m_yearSpin.SetPos(m_year);
    m_monthCombo.SetCurSel(m_monthIndex);
    m_daySpin.SetRange(1, DaysInMonth(m_year, m_monthIndex + 1));
    m_daySpin.SetPos(m_day);
    const struct {
        CEdit& field;
        int value;
    } times[] = {{m_hourEdit, m_hour}, {m_minuteEdit, m_minute}, {m_secondEdit, m_second}};
    for (const auto& time : times) {
        std::snprintf(text, sizeof text, "%02d", time.value);
        time.field.SetWindowText(text);
    }
    m_separator1.SetWindowText(":");
    m_separator2.SetWindowText(":");

    MakeFont(m_digitFont, kDigitFontHeight, "MS Sans Serif");
    MakeFont(m_dayFont, kDayFontHeight, "Times New Roman");
    for (CEdit* field : {&m_hourEdit, &m_separator1, &m_minuteEdit, &m_separator2, &m_secondEdit})
        field->SetFont(m_digitFont);
    m_dayEdit.SetFont(m_dayFont);
    for (CEdit* field :
         {&m_hourEdit, &m_separator1, &m_minuteEdit, &m_separator2, &m_secondEdit, &m_dayEdit})
        ::HideCaret(*field);

    LayOutTimeStrip();
    m_bInitialized = 1;
    // The strip now leads the tab order; the date comes first for the user.
    ::SetFocus(m_monthCombo);
    return FALSE;
}

void CResumeTimeDlg::LayOutTimeStrip() {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(m_picture, &placement))
        return;
    const RECT& picture = placement.rcNormalPosition;
    const int cx = (picture.left + picture.right) / 2;
    const int cy = (picture.top + picture.bottom) / 2;
    const int q = (picture.bottom - picture.top) / 4;
    const int u = (picture.right - picture.left) / 40;
    const int y = cy - q / 4;
    const int height = q - q / 3;
    // Fields 8u wide and separators 2u, one strip centred on the picture; wider where
    // the digit font needs more room, so that no digit is cut.
    const int fieldWidth = std::max(8 * u, TextWidth(m_digitFont, "00"));
    // An edit shows nothing when its text fills it edge to edge: a little room more.
    const int separatorWidth = std::max(2 * u, TextWidth(m_digitFont, ":") + 4);
    const int left = cx - (3 * fieldWidth + 2 * separatorWidth) / 2;
    const struct {
        CEdit& control;
        int x;
        int width;
    } strip[] = {
        {m_hourEdit, left, fieldWidth},
        {m_separator1, left + fieldWidth, separatorWidth},
        {m_minuteEdit, left + fieldWidth + separatorWidth, fieldWidth},
        {m_separator2, left + 2 * fieldWidth + separatorWidth, separatorWidth},
        {m_secondEdit, left + 2 * fieldWidth + 2 * separatorWidth, fieldWidth},
    };
    // All of the strip lies above the picture, which clips its siblings: a control
    // behind it would be painted over.
    for (const auto& field : strip) {
        field.control.SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        ::SetWindowPos(field.control, HWND_TOP, field.x, y, field.width, height, SWP_SHOWWINDOW);
    }
}

bool CResumeTimeDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_YEAR && code == EN_CHANGE) {
        OnYearChange();
        return true;
    }
    if (id == IDC_MONTH && code == CBN_SELCHANGE) {
        OnMonthChange(m_monthCombo.GetCurSel());
        return true;
    }
    if (id == IDC_MONTH && code == CBN_KILLFOCUS) {
        // Typed text takes effect when the field is left.
        if (m_bInitialized)
            OnMonthChange(ChosenMonthIndex());
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void CResumeTimeDlg::OnYearChange() {
    if (!m_bInitialized || !m_yearSpin.HasWindow())
        return;
    UpdateData(TRUE);
    m_year = m_yearSpin.GetPos();
    FitDayToMonth();
}

void CResumeTimeDlg::OnMonthChange(int index) {
    if (!m_bInitialized)
        return;
    UpdateData(TRUE);
    if (index >= 0 && index < 12)
        m_monthIndex = index;
    FitDayToMonth();
}

int CResumeTimeDlg::ChosenMonthIndex() {
    char text[64];
    m_monthCombo.GetWindowText(text, sizeof text);
    const int named = static_cast<int>(m_monthCombo.SendMessage(
        CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text)));
    const int index = named >= 0 && named < 12 ? named : m_monthIndex;
    if (m_monthCombo.GetCurSel() != index)
        m_monthCombo.SetCurSel(index);
    return index;
}

void CResumeTimeDlg::FitDayToMonth() {
    m_day = m_daySpin.GetPos();
    const int days = DaysInMonth(m_year, m_monthIndex + 1);
    m_daySpin.SetRange(1, days);
    if (m_day > days) {
        m_day = days;
        ::SetDlgItemInt(m_hWnd, IDC_DAY, static_cast<UINT>(days), FALSE);
    }
}

int CResumeTimeDlg::FieldNumber(int controlId) const {
    BOOL translated = FALSE;
    const UINT number = ::GetDlgItemInt(m_hWnd, controlId, &translated, FALSE);
    return translated ? static_cast<int>(number) : 0;
}

void CResumeTimeDlg::OnOK() {
    UpdateData(TRUE);
    m_year = m_yearSpin.GetPos();
    m_monthIndex = ChosenMonthIndex();
    // The day as typed: a day the month does not have is refused below rather than
    // cut to the spin's range.
    m_day = FieldNumber(IDC_DAY);
    m_hour = FieldNumber(IDC_HOUR);
    m_minute = FieldNumber(IDC_MINUTE);
    m_second = FieldNumber(IDC_SECOND);
    if (IsValidAlarmTime(m_year, m_monthIndex + 1, m_day, m_hour, m_minute, m_second,
                         LocalTimeNow())) {
        EndDialog(IDOK);
        return;
    }
    // Whichever button the user presses, the dialog stays open with its values.
    AfxMessageBox(IDS_INVALID_ALARM, MB_OKCANCEL);
}

bool CResumeTimeDlg::OnCtlColor(HDC dc, HWND control, UINT kind, HBRUSH& brush) {
    const bool separator = control == m_separator1.m_hWnd || control == m_separator2.m_hWnd;
    if (kind != CTLCOLOR_EDIT && kind != CTLCOLOR_MSGBOX && !(kind == CTLCOLOR_STATIC && separator))
        return false;
    ::SetTextColor(dc, kDigitColour);
    ::SetBkColor(dc, RGB(0, 0, 0));
    brush = BlackBrush();
    return true;
}
