// The host's interfaces and Korvanta's own, as widl generates them from
// host/host_interfaces.idl and addin/Korvanta.idl. Include this, never the
// generated headers directly.
#pragma once
#include <windows.h>
#include <ole2.h>

#include "host_interfaces.h"
#include "Korvanta_h.h"
