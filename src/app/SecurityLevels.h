// The security levels offered in the lists, and the overwrite method each index selects.
#pragma once

#include "engine/ShredTypes.h"

inline constexpr const wchar_t* kSecurityLevelNames[] = {
    L"Simple zero-fill (1 pass)",
    L"RCMP - (3 Passes)",
    L"US DoD 5220.22 - M  - (3 Passes)",
    L"Peter Gutmann (35 passes)",
    L"US DoD 5220.22-M (ECE) (7 passes)",
};

// Each index means what its name says.
inline TShredMethod SecurityLevelMethod(int index) {
  switch (index) {
    case 1: return smRCMP;
    case 2: return smUSDOD_E;
    case 3: return smGutmann;
    case 4: return smUSDOD_ECE;
    default: return smZeros;
  }
}
