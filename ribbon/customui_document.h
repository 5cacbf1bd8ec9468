// The customUI document that Office builds the add-in's ribbon from.
#pragma once
#include <string_view>

namespace ribbon {

// The whole document, fixed at compile time: it depends on no setting, host
// object or earlier call, so every request receives the same text.
std::wstring_view customUiDocument() noexcept;

}  // namespace ribbon
