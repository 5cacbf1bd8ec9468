// Korvanta's own interface _Connect and the GUIDs of its type library (LIBID,
// CLSID_Connect, IID__Connect), as widl generates them from addin/Korvanta.idl.
// Only the add-in object, the DLL's shell and their tests include this.
#pragma once
#include "host/interfaces.h"

#include "Korvanta_h.h"
