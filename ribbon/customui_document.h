// The customUI document that Office builds the add-in's ribbon from.
#pragma once
#include <string_view>

#include "support/language.h"

namespace ribbon {

// The whole document in `language`. It depends on no setting, host object or
// earlier call, so every request in one language receives the same text: it
// is filled on first use (std::bad_alloc when that runs out of memory) and kept.
std::wstring_view customUiDocument(Language language);

}  // namespace ribbon
