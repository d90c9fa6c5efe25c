#include "BootDisplayState.h"

#include "BiosCatalogue.h"

int BootDisplayState::ApplyPending(int32_t modified) {
    if (modified != 1)
        return 0;
    m_bootDisplay.WritePending(SetBootDisplay);
    return 1;
}

void BootDisplayState::WriteApplied() const {
    m_bootDisplay.WriteApplied(SetBootDisplay);
}
