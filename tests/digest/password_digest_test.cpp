#include "digest/password_digest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "openssl_sha512.h"

namespace harbo::digest {
namespace {

using testing::OpenSslSha512;

std::vector<std::string> Draw(PasswordSaltSource& source, int count) {
  std::vector<std::string> salts;
  for (int i = 0; i < count; ++i) salts.push_back(source.NewPasswordSalt());
  return salts;
}

// Every salt is 8 digits from "10000000" to "99999997"; over many draws the whole range is
// used (a range cut to seven digits would still give 8-digit salts, all below "20000000").
TEST(PasswordSaltSourceTest, SaltsAreEightDigitsInRange) {
  struct Case {
    const char* name;
    PasswordSaltSource source;
  };
  Case cases[] = {{"seed 0", PasswordSaltSource(0)},
                  {"seed 7300", PasswordSaltSource(7300)},
                  {"clock", PasswordSaltSource::SeededFromClock()}};
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::string> salts = Draw(c.source, 10000);
    for (const std::string& salt : salts) {
      ASSERT_EQ(salt.size(), 8u) << salt;
      ASSERT_EQ(salt.find_first_not_of("0123456789"), std::string::npos) << salt;
      ASSERT_NE(salt[0], '0') << salt;
      ASSERT_GE(salt, "10000000");
      ASSERT_LE(salt, "99999997");
    }
    EXPECT_LT(*std::min_element(salts.begin(), salts.end()), "11000000");
    EXPECT_GT(*std::max_element(salts.begin(), salts.end()), "98000000");
  }
}

TEST(PasswordSaltSourceTest, SameSeedGivesSameSequence) {
  PasswordSaltSource first(42), second(42), other(43);
  const std::vector<std::string> salts = Draw(first, 100);
  EXPECT_EQ(salts, Draw(second, 100));
  EXPECT_NE(salts, Draw(other, 100));
  // One run draws distinct salts, not one salt repeated.
  EXPECT_NE(salts[0], salts[1]);
}

TEST(SaltedPasswordHashTest, HashesPasswordThenSalt) {
  struct Case {
    const char* name;
    std::string password;
    std::string salt;
  };
  const Case kCases[] = {
      {"plain", "secret", "48213377"},
      {"empty password hashes the salt alone", "", "10000000"},
      {"Windows-1252 letters", "K\xE4ytt\xE4j\xE4", "99999997"},
      {"long password over a block", std::string(150, 'x'), "12345678"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string hash = SaltedPasswordHash(c.password, c.salt);
    EXPECT_EQ(hash, DigestToHex(OpenSslSha512(c.password + c.salt)));
    EXPECT_EQ(hash.size(), 128u);
    EXPECT_EQ(hash.find_first_not_of("0123456789abcdef"), std::string::npos) << hash;
  }
}

// FIPS 180-4 "abc": password "ab" then salt "c", in that order and with nothing between.
TEST(SaltedPasswordHashTest, KnownAnswer) {
  EXPECT_EQ(SaltedPasswordHash("ab", "c"),
            "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a"
            "2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f");
}

TEST(SaltedPasswordHashTest, SaltDecidesTheDigest) {
  EXPECT_EQ(SaltedPasswordHash("secret", "10000000"), SaltedPasswordHash("secret", "10000000"));
  EXPECT_NE(SaltedPasswordHash("secret", "10000000"), SaltedPasswordHash("secret", "10000001"));
}

}  // namespace
}  // namespace harbo::digest
