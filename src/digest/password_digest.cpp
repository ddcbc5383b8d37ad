#include "digest/password_digest.h"

#include <chrono>

namespace harbo::digest {
namespace {

// Written to customers' databases: do not change. r is drawn from [0, kSaltRange).
constexpr std::uint32_t kSaltBase = 10000000;
constexpr std::uint32_t kSaltRange = 89999998;

}  // namespace

PasswordSaltSource::PasswordSaltSource(std::uint64_t seed) : engine_(seed) {}

PasswordSaltSource PasswordSaltSource::SeededFromClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return PasswordSaltSource(static_cast<std::uint64_t>(now.count()));
}

std::string PasswordSaltSource::NewPasswordSalt() {
  std::uniform_int_distribution<std::uint32_t> draw(0, kSaltRange - 1);
  return std::to_string(kSaltBase + draw(engine_));
}

std::string SaltedPasswordHash(std::string_view password, std::string_view salt) {
  std::string text;
  text.reserve(password.size() + salt.size());
  text.append(password).append(salt);
  return DigestToHex(HashString512(text));
}

}  // namespace harbo::digest
