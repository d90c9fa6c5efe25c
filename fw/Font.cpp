#include "Font.h"

bool CFont::CreateFontIndirect(const LOGFONTA* description) {
    DeleteObject();
    if (!description)
        return false;
    m_hFont = ::CreateFontIndirectA(description);
    return m_hFont != nullptr;
}

void CFont::DeleteObject() {
    if (m_hFont) {
        ::DeleteObject(m_hFont);
        m_hFont = nullptr;
    }
}

bool CFont::GetLogFont(LOGFONTA* description) const {
    if (!m_hFont || !description)
        return false;
    return ::GetObjectA(m_hFont, sizeof *description, description) == sizeof *description;
}
