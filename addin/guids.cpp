// Defines, once, the GUIDs that addin/korvanta.h declares; the host's own are
// defined in host/guids.cpp.
#include "host/interfaces.h"
// initguid.h must follow ole2.h, or it redefines GUID_NULL; the host's GUIDs,
// declared above it, stay declarations.
#include <initguid.h>

#include "addin/korvanta.h"
