// TMySingleInst registration.
#include "settings/UMySingleInst.h"

void UseMySingleInst() { UseSingleInstClass<TMySingleInst>(); }
