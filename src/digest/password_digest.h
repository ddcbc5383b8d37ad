// Password salts and salted password digests, as stored in LOGINRIGHTS.psword/pswsalt.
//
// Stored form, written to customers' databases: do not change. The salt is the decimal text
// of r + 10000000 with 0 <= r < 89999998 (8 digits, never starting with 0); the digest is
// DigestToHex(HashString512(password + salt)): password bytes first, salt bytes directly after.

#ifndef HARBO_DIGEST_PASSWORD_DIGEST_H_
#define HARBO_DIGEST_PASSWORD_DIGEST_H_

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "digest/sha512.h"

namespace harbo::digest {

// Draws password salts from one seeded pseudo-random sequence. A step run seeds one source
// and takes every salt of that run from it.
class PasswordSaltSource {
 public:
  explicit PasswordSaltSource(std::uint64_t seed);

  // A source seeded from the system clock.
  static PasswordSaltSource SeededFromClock();

  // The next salt: 8 decimal digits, from "10000000" to "99999997".
  std::string NewPasswordSalt();

 private:
  std::mt19937_64 engine_;
};

// The password digest text (128 lower-case hex characters) of `password` followed by `salt`.
std::string SaltedPasswordHash(std::string_view password, std::string_view salt);

}  // namespace harbo::digest

#endif  // HARBO_DIGEST_PASSWORD_DIGEST_H_
