#include "digest/sha512.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "openssl_sha512.h"

namespace harbo::digest {
namespace {

using testing::OpenSslSha512;

// The SHA-512 examples of FIPS 180-4 (NIST "Cryptographic Standards and Guidelines:
// Examples with Intermediate Values", SHA-512).
TEST(HashString512Test, FipsExamples) {
  struct Case {
    const char* name;
    std::string text;
    const char* hex;
  };
  const Case kCases[] = {
      {"abc", "abc",
       "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a"
       "2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f"},
      {"empty message", "",
       "cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce"
       "47d0d13c5d85f2b0ff8318d2877eec2f63b931bd47417a81a538327af927da3e"},
      {"896 bits, two blocks",
       "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmno"
       "ijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu",
       "8e959b75dae313da8cf4f72814fc143f8f7779c6eb9f7fa17299aeadb6889018"
       "501d289e4900f7e4331b99dec4b5433ac7d329eeb6dd26545e96e55b874be909"},
      {"one million 'a'", std::string(1000000, 'a'),
       "e718483d0ce769644e2e42c7bc15b4638e1f98b13b2044285632a803afa973eb"
       "de0ff244877ea60a4cb0432ce577c31beb009c5c2c49aa2e4eadb217ad8cc09b"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DigestToHex(HashString512(c.text)), c.hex);
  }
}

// One record of a NIST CAVP response file.
struct CavpRecord {
  int line = 0;
  std::size_t bits = 0;
  std::string message;
  std::string digest_hex;
};

std::string HexToBytes(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

// Reads "Len = ", "Msg = " and "MD = " lines (CRLF, '#' comments, "[L = 64]" header).
// "Len = 0" comes with "Msg = 00", which stands for the empty message.
std::vector<CavpRecord> ReadCavpFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<CavpRecord> records;
  CavpRecord record;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("Len = ")) {
      record = CavpRecord{number, std::stoul(line.substr(6)), "", ""};
    } else if (line.starts_with("Msg = ")) {
      record.message = HexToBytes(line.substr(6)).substr(0, record.bits / 8);
    } else if (line.starts_with("MD = ")) {
      record.digest_hex = line.substr(5);
      records.push_back(record);
    }
  }
  return records;
}

const std::filesystem::path kCavpFolder =
    std::filesystem::path(HARBO_SOURCE_DIR) / "../shared/testdata/sha512";

// NIST CAVP SHA-512 byte-oriented vectors, read from the shared test data beside the clone.
TEST(HashString512Test, NistCavpVectors) {
  if (!std::filesystem::is_directory(kCavpFolder)) {
    GTEST_SKIP() << "NIST SHA-512 vectors not found at " << kCavpFolder;
  }
  struct File {
    const char* name;
    std::size_t records;
  };
  const File kFiles[] = {{"SHA512ShortMsg.rsp", 129}, {"SHA512LongMsg.rsp", 128}};
  for (const File& file : kFiles) {
    SCOPED_TRACE(file.name);
    const std::vector<CavpRecord> records = ReadCavpFile(kCavpFolder / file.name);
    // A parser that lost records would let the loop below pass on too little.
    ASSERT_EQ(records.size(), file.records);
    for (const CavpRecord& record : records) {
      SCOPED_TRACE("line " + std::to_string(record.line));
      ASSERT_EQ(record.message.size() * 8, record.bits);
      EXPECT_EQ(DigestToHex(HashString512(record.message)), record.digest_hex);
    }
  }
}

// Padding takes one final block up to 111 bytes in it and two from 112 on; 128 and 129 bytes
// and 239 and 240 bytes sit on either side of the whole-block boundaries.
TEST(HashString512Test, BlockBoundaryLengths) {
  for (std::size_t length : {111, 112, 128, 129, 239, 240}) {
    for (char fill : {'a', '\xff'}) {
      SCOPED_TRACE("length " + std::to_string(length) + ", fill " +
                   std::to_string(static_cast<unsigned char>(fill)));
      const std::string text(length, fill);
      EXPECT_EQ(HashString512(text), OpenSslSha512(text));
    }
  }
}

TEST(HashString512Test, MatchesOpenSslForEveryLengthUpTo300) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string text;
  for (std::size_t length = 0; length <= 300; ++length) {
    SCOPED_TRACE("length " + std::to_string(length));
    EXPECT_EQ(HashString512(text), OpenSslSha512(text));
    text += static_cast<char>(byte(random));
  }
}

// Texts are Windows-1252 bytes: "ä" is the one byte 0xE4, never converted to UTF-8.
TEST(HashString512Test, HashesWindows1252BytesAsHeld) {
  const std::string windows_1252 = "\xE4";
  const std::string utf8 = "\xC3\xA4";
  EXPECT_EQ(HashString512(windows_1252), OpenSslSha512(windows_1252));
  EXPECT_NE(HashString512(windows_1252), HashString512(utf8));
  EXPECT_EQ(HashString512("p\xE4\xE4sy"), OpenSslSha512("p\xE4\xE4sy"));
}

TEST(DigestToHexTest, WritesHighHalfFirstInLowerCase) {
  struct Case {
    const char* name;
    Digest512 digest;
    std::string hex;
  };
  Digest512 counting;
  for (std::size_t i = 0; i < counting.size(); ++i) {
    counting[i] = static_cast<std::uint8_t>(0x01 + 0x22 * (i % 8));  // 01 23 45 ... ef
  }
  Digest512 zeros{};
  Digest512 ones;
  ones.fill(0xff);
  const Case kCases[] = {
      {"all digits", counting,
       "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef"
       "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef"},
      {"zeros", zeros, std::string(128, '0')},
      {"0xff", ones, std::string(128, 'f')},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DigestToHex(c.digest), c.hex);
  }
}

}  // namespace
}  // namespace harbo::digest
