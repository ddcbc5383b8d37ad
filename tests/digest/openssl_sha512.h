// An independent SHA-512 (OpenSSL, linked into the tests only) to check ours against.

#ifndef HARBO_TESTS_DIGEST_OPENSSL_SHA512_H_
#define HARBO_TESTS_DIGEST_OPENSSL_SHA512_H_

#include <openssl/sha.h>

#include <string_view>

#include "digest/sha512.h"

namespace harbo::digest::testing {

inline Digest512 OpenSslSha512(std::string_view text) {
  Digest512 digest;
  SHA512(reinterpret_cast<const unsigned char*>(text.data()), text.size(), digest.data());
  return digest;
}

}  // namespace harbo::digest::testing

#endif  // HARBO_TESTS_DIGEST_OPENSSL_SHA512_H_
