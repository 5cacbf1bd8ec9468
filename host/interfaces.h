// The host's interfaces (Office's ribbon, the add-in connection, Excel's
// Application and events), as widl generates them from host/host_interfaces.idl.
// Include this, never the generated header directly.
#pragma once
#include <windows.h>
#include <ole2.h>

#include "host_interfaces.h"
