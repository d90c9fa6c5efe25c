// CInfoViewerPage: the first page of the sheet. Shows, read-only, what the machine is
// made of in a two-column list filled once when the page window is created; it edits
// nothing, so the sheet's apply and restore operations keep the base behaviour.
#pragma once

#include "Controls.h"
#include "MyPropertyPage.h"
#include "PaletteBitmap.h"
#include "SystemProbe.h"

#include <cstdint>

class CInfoViewerPage : public CMyPropertyPage, public RowSink {
public:
    CInfoViewerPage();

    // Each appends one row below the last: label (string id, 0 for an empty label, or
    // text) in the "Device" column, value in the "Configuration" column.
    void AddRow(uint32_t labelId, uint32_t valueId) override;
    void AddRow(uint32_t labelId, const char* value) override;
    void AddRow(const char* label, const char* value) override;
    // String `id` of the program's table, cut to size - 1 characters.
    void LoadText(uint32_t id, char* text, size_t size) const override;

protected:
    // Binds the list and the picture control.
    void DoDataExchange(CDataExchange* pDX) override;
    // Return TRUE. Picture, the two welcome texts, then the list.
    BOOL OnInitDialog() override;

private:
    // Creates the two columns and appends every row in the fixed order.
    void FillList();
    // Pixel width of the "Device" column: the widest of the labels it can show, in
    // the list's font, plus the list's cell margin, so no label is cut.
    int GetLabelColumnWidth();
    // The sheet's answer; pages outside the program's sheet read the ports from the BIOS.
    bool IsWindows5OrLater();

    CListCtrl m_list;
    CPaletteBitmap m_picture;
    int32_t m_nRowCount = 0;
};
