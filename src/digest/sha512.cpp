// SHA-512 as FIPS 180-4 defines it:
//  1. Start from the SHA-512 initial hash value (5.3.5).
//  2. Compress every whole 128-byte block of the text (6.4.2).
//  3. Pad the remaining bytes with 0x80, zeros and the 128-bit bit length (5.1.2); this is
//     one more block, or two when more than 111 bytes remain.
//  4. Write the eight hash words most significant byte first.

#include "digest/sha512.h"

#include <bit>
#include <cstddef>
#include <cstring>

namespace harbo::digest {
namespace {

constexpr std::size_t kBlockSize = 128;
// A block holds the 0x80 byte and the 16-byte length after at most this many text bytes.
constexpr std::size_t kMaxTailInOneBlock = kBlockSize - 1 - 16;

using HashState = std::array<std::uint64_t, 8>;

// FIPS 180-4, 5.3.5 (not the SHA-384 or SHA-512/t values).
constexpr HashState kInitialHash = {
    0x6a09e667f3bcc908, 0xbb67ae8584caa73b, 0x3c6ef372fe94f82b, 0xa54ff53a5f1d36f1,
    0x510e527fade682d1, 0x9b05688c2b3e6c1f, 0x1f83d9abfb41bd6b, 0x5be0cd19137e2179,
};

// FIPS 180-4, 4.2.3.
constexpr std::array<std::uint64_t, 80> kRoundConstants = {
    0x428a2f98d728ae22, 0x7137449123ef65cd, 0xb5c0fbcfec4d3b2f, 0xe9b5dba58189dbbc,
    0x3956c25bf348b538, 0x59f111f1b605d019, 0x923f82a4af194f9b, 0xab1c5ed5da6d8118,
    0xd807aa98a3030242, 0x12835b0145706fbe, 0x243185be4ee4b28c, 0x550c7dc3d5ffb4e2,
    0x72be5d74f27b896f, 0x80deb1fe3b1696b1, 0x9bdc06a725c71235, 0xc19bf174cf692694,
    0xe49b69c19ef14ad2, 0xefbe4786384f25e3, 0x0fc19dc68b8cd5b5, 0x240ca1cc77ac9c65,
    0x2de92c6f592b0275, 0x4a7484aa6ea6e483, 0x5cb0a9dcbd41fbd4, 0x76f988da831153b5,
    0x983e5152ee66dfab, 0xa831c66d2db43210, 0xb00327c898fb213f, 0xbf597fc7beef0ee4,
    0xc6e00bf33da88fc2, 0xd5a79147930aa725, 0x06ca6351e003826f, 0x142929670a0e6e70,
    0x27b70a8546d22ffc, 0x2e1b21385c26c926, 0x4d2c6dfc5ac42aed, 0x53380d139d95b3df,
    0x650a73548baf63de, 0x766a0abb3c77b2a8, 0x81c2c92e47edaee6, 0x92722c851482353b,
    0xa2bfe8a14cf10364, 0xa81a664bbc423001, 0xc24b8b70d0f89791, 0xc76c51a30654be30,
    0xd192e819d6ef5218, 0xd69906245565a910, 0xf40e35855771202a, 0x106aa07032bbd1b8,
    0x19a4c116b8d2d0c8, 0x1e376c085141ab53, 0x2748774cdf8eeb99, 0x34b0bcb5e19b48a8,
    0x391c0cb3c5c95a63, 0x4ed8aa4ae3418acb, 0x5b9cca4f7763e373, 0x682e6ff3d6b2b8a3,
    0x748f82ee5defb2fc, 0x78a5636f43172f60, 0x84c87814a1f0ab72, 0x8cc702081a6439ec,
    0x90befffa23631e28, 0xa4506cebde82bde9, 0xbef9a3f7b2c67915, 0xc67178f2e372532b,
    0xca273eceea26619c, 0xd186b8c721c0c207, 0xeada7dd6cde0eb1e, 0xf57d4f7fee6ed178,
    0x06f067aa72176fba, 0x0a637dc5a2c898a6, 0x113f9804bef90dae, 0x1b710b35131c471b,
    0x28db77f523047d84, 0x32caab7b40c72493, 0x3c9ebe0a15c9bebc, 0x431d67c49c100d4c,
    0x4cc5d4becb3e42b6, 0x597f299cfc657e2a, 0x5fcb6fab3ad6faec, 0x6c44198c4a475817,
};

std::uint64_t LoadBigEndian64(const unsigned char* p) {
  std::uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value = (value << 8) | p[i];
  return value;
}

void StoreBigEndian64(std::uint64_t value, unsigned char* p) {
  for (int i = 7; i >= 0; --i, value >>= 8) p[i] = static_cast<unsigned char>(value);
}

// FIPS 180-4, 4.1.3.
std::uint64_t Ch(std::uint64_t x, std::uint64_t y, std::uint64_t z) { return (x & y) ^ (~x & z); }
std::uint64_t Maj(std::uint64_t x, std::uint64_t y, std::uint64_t z) {
  return (x & y) ^ (x & z) ^ (y & z);
}
std::uint64_t BigSigma0(std::uint64_t x) {
  return std::rotr(x, 28) ^ std::rotr(x, 34) ^ std::rotr(x, 39);
}
std::uint64_t BigSigma1(std::uint64_t x) {
  return std::rotr(x, 14) ^ std::rotr(x, 18) ^ std::rotr(x, 41);
}
std::uint64_t SmallSigma0(std::uint64_t x) { return std::rotr(x, 1) ^ std::rotr(x, 8) ^ (x >> 7); }
std::uint64_t SmallSigma1(std::uint64_t x) {
  return std::rotr(x, 19) ^ std::rotr(x, 61) ^ (x >> 6);
}

// One block of the hash computation, FIPS 180-4, 6.4.2.
void CompressBlock(HashState& hash, const unsigned char* block) {
  std::array<std::uint64_t, 80> w;
  for (int t = 0; t < 16; ++t) w[t] = LoadBigEndian64(block + 8 * t);
  for (int t = 16; t < 80; ++t) {
    w[t] = SmallSigma1(w[t - 2]) + w[t - 7] + SmallSigma0(w[t - 15]) + w[t - 16];
  }

  auto [a, b, c, d, e, f, g, h] = hash;
  for (int t = 0; t < 80; ++t) {
    const std::uint64_t t1 = h + BigSigma1(e) + Ch(e, f, g) + kRoundConstants[t] + w[t];
    const std::uint64_t t2 = BigSigma0(a) + Maj(a, b, c);
    h = g;
    g = f;
    f = e;
    e = d + t1;
    d = c;
    c = b;
    b = a;
    a = t1 + t2;
  }
  const HashState working = {a, b, c, d, e, f, g, h};
  for (int i = 0; i < 8; ++i) hash[i] += working[i];
}

}  // namespace

Digest512 HashString512(std::string_view text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t whole = text.size() - text.size() % kBlockSize;

  HashState hash = kInitialHash;
  for (std::size_t offset = 0; offset < whole; offset += kBlockSize) {
    CompressBlock(hash, bytes + offset);
  }

  const std::size_t rest = text.size() - whole;
  std::array<unsigned char, 2 * kBlockSize> tail{};
  if (rest > 0) std::memcpy(tail.data(), bytes + whole, rest);
  tail[rest] = 0x80;
  const std::size_t tail_size = rest <= kMaxTailInOneBlock ? kBlockSize : 2 * kBlockSize;
  // The bit length is a 128-bit number; its upper word holds the top bits of size * 8.
  StoreBigEndian64(static_cast<std::uint64_t>(text.size()) >> 61, &tail[tail_size - 16]);
  StoreBigEndian64(static_cast<std::uint64_t>(text.size()) << 3, &tail[tail_size - 8]);
  for (std::size_t offset = 0; offset < tail_size; offset += kBlockSize) {
    CompressBlock(hash, tail.data() + offset);
  }

  Digest512 digest;
  for (int i = 0; i < 8; ++i) StoreBigEndian64(hash[i], &digest[8 * i]);
  return digest;
}

std::string DigestToHex(const Digest512& digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(2 * digest.size());
  for (std::uint8_t byte : digest) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0x0f];
  }
  return hex;
}

}  // namespace harbo::digest
