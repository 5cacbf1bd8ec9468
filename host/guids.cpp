// Defines, once, the GUIDs that host/interfaces.h declares.
#include <windows.h>
#include <ole2.h>
// initguid.h must follow ole2.h, or it redefines GUID_NULL.
#include <initguid.h>

#include "host/interfaces.h"
