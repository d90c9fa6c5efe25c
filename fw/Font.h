// CFont: owns one GDI font and deletes it with the object.
#pragma once

#include "Win32.h"

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // Creates the font (deleting one held before); false when the system refused.
    bool CreateFontIndirect(const LOGFONTA* description);
    // Deletes the font held, if any.
    void DeleteObject();
    // Fills description from the font held; false when there is none.
    bool GetLogFont(LOGFONTA* description) const;
    HFONT GetSafeHandle() const { return m_hFont; }
    operator HFONT() const { return m_hFont; }

    HFONT m_hFont = nullptr;
};
