// SHA-512 of FIPS 180-4 over a byte text, and the lower-case hex form of the digest.
// Texts are Windows-1252 byte strings; the digest is taken over their bytes exactly as held.

#ifndef HARBO_DIGEST_SHA512_H_
#define HARBO_DIGEST_SHA512_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace harbo::digest {

// The eight 64-bit result words, each most significant byte first (FIPS 180-4, 6.4.2).
using Digest512 = std::array<std::uint8_t, 64>;

// SHA-512 of the bytes of `text` (may be empty): no terminator, no encoding conversion.
Digest512 HashString512(std::string_view text);

// 128 characters, two per digest byte in byte order, high half first, digits "0-9a-f".
std::string DigestToHex(const Digest512& digest);

}  // namespace harbo::digest

#endif  // HARBO_DIGEST_SHA512_H_
