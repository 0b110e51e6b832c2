// Whether the tests run under AddressSanitizer, where memory and timing are the sanitizer's as much as the
// program's: such bounds are held to in the plain build.
#pragma once

#if defined(__SANITIZE_ADDRESS__) // GCC's word for it
constexpr bool kSanitized = true;
#elif defined(__has_feature) // clang's
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif
