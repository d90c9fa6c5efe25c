#include "BootDisplayState.h"

#include "BiosCatalogue.h"

int BootDisplayState::ApplyPending(int32_t modified) {
    if (modified != 1)
        return 0;
    if (m_nPendingBootDisplay != kNoDisplayValue) {
        SetBootDisplay(m_nPendingBootDisplay);
        m_nAppliedBootDisplay = m_nPendingBootDisplay;
        m_nPendingBootDisplay = kNoDisplayValue;
    }
    return 1;
}

void BootDisplayState::WriteApplied() const {
    if (m_nAppliedBootDisplay != kNoDisplayValue)
        SetBootDisplay(m_nAppliedBootDisplay);
}

void BootDisplayState::Forget() {
    m_nAppliedBootDisplay = kNoDisplayValue;
    m_nPendingBootDisplay = kNoDisplayValue;
}
