#include "ControlBarManager.h"

IMPLEMENT_DYNAMIC(SECControlBarManager, CCmdTarget)
