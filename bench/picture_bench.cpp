// Cost of step 5500's picture conversion: N objects, each with a generated JPEG of 2000 x 1500
// pixels, converted by ConvertObjectImages on a real database. Prints the time and the peak
// memory of the conversion (ru_maxrss of this process; the pictures and the database are made
// by a child process, so that their memory does not count).
//   harbo-bench-pictures [N]     (default 1000; needs the local server)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "database_builder.h"
#include "engine/database.h"
#include "platform/clock.h"
#include "platform/machine_root.h"
#include "platform/picture.h"
#include "steps/steps_5100_5500.h"

namespace {

constexpr harbo::platform::PictureSize kSource{2000, 1500};
constexpr int kDistinctPictures = 8;

// A picture with gradients and some texture, so that it compresses like a photograph.
std::string MakePicture(int seed) {
  harbo::platform::RgbPicture picture{kSource, {}};
  picture.pixels.resize(std::size_t(kSource.width) * kSource.height * 3);
  std::uint32_t noise = 2166136261u + seed;
  for (int y = 0; y < kSource.height; ++y) {
    for (int x = 0; x < kSource.width; ++x) {
      noise = noise * 1664525u + 1013904223u;
      std::uint8_t* p = &picture.pixels[(std::size_t(y) * kSource.width + x) * 3];
      p[0] = std::uint8_t((x / 8 + seed * 31) + (noise >> 29));
      p[1] = std::uint8_t((y / 6 + seed * 17) + (noise >> 30));
      p[2] = std::uint8_t(((x + y) / 14) ^ (seed * 5));
    }
  }
  return harbo::platform::EncodeJpeg(picture);
}

std::string PictureName(int i) { return "pic" + std::to_string(i) + ".jpg"; }

// Child process: the pictures, the database and its objects.
int Prepare(const std::filesystem::path& folder, const std::filesystem::path& database,
            const std::filesystem::path& pictures, int count) {
  std::filesystem::create_directories(pictures);
  std::uintmax_t bytes = 0;
  for (int k = 0; k < kDistinctPictures; ++k) {
    const std::string jpeg = MakePicture(k);
    for (int i = k; i < count; i += kDistinctPictures) {
      std::ofstream(pictures / PictureName(i), std::ios::binary) << jpeg;
      bytes += jpeg.size();
    }
  }
  const auto script = folder / "pictures.sql";
  {
    std::ofstream sql(script);
    sql << "ALTER TABLE OBJECT ADD IMAGE BLOB SUB_TYPE 0 SEGMENT SIZE 255;\n";
    for (int i = 0; i < count; ++i) {
      sql << "INSERT INTO OBJECT (OBJECTN, NAME, IMGFILENAME) VALUES (" << i + 1 << ", 'Object "
          << i + 1 << "', 'C:\\HarboServer\\Kuvat\\" << PictureName(i) << "');\n";
    }
  }
  harbo::fixtures::BuildDatabase(
      database, {std::filesystem::path(HARBO_SOURCE_DIR) / "db" / "schema_3101.sql", script});
  std::printf("prepared %d pictures of %d x %d pixels, %.1f MB of JPEG files\n", count,
              kSource.width, kSource.height, double(bytes) / 1e6);
  return 0;
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  using Clock = std::chrono::steady_clock;
  const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
  const auto folder =
      harbo::fixtures::PrepareServerFolder(std::filesystem::current_path() / "bench-db");
  const auto database = folder / "pictures.fdb";
  const auto root = folder / "pictures.machine";
  const auto pictures = root / "drive_c" / "HarboServer" / "Kuvat";

  std::fflush(stdout);
  const pid_t child = fork();
  if (child == 0) {
    try {
      std::exit(Prepare(folder, database, pictures, count));
    } catch (const std::exception& e) {
      std::fprintf(stderr, "cannot prepare: %s\n", e.what());
      std::exit(1);
    }
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return 1;
  }

  harbo::engine::RunState state;
  state.main_database_path = database.string();
  harbo::platform::MachineRoot machine(root);
  harbo::platform::SystemClock clock;
  harbo::engine::NullUpgradeLog log;
  harbo::engine::Database db(state, machine, clock, log);
  if (!db.OpenMainDatabase()) {
    std::fprintf(stderr, "cannot open %s\n", database.c_str());
    return 1;
  }
  const long before = PeakKilobytes();
  const auto start = Clock::now();
  const bool ended = harbo::steps::ConvertObjectImages(db, machine);
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  const long peak = PeakKilobytes();

  auto& query = db.MainQuery();
  int stored = 0;
  std::size_t stored_bytes = 0;
  for (query.Open("SELECT IMAGE FROM OBJECT"); !query.Eof(); query.Next()) {
    const std::string image = query.AsText("IMAGE");
    const auto size = harbo::platform::JpegHeaderSize(image);
    if (size && size->width == 494 && size->height == 370) ++stored, stored_bytes += image.size();
  }
  query.Close();
  db.CloseDatabases();

  std::printf("ConvertObjectImages x %d: %.1f ms total, %.2f ms per picture\n", count, ms,
              ms / count);
  std::printf("stored %d pictures of 494 x 370, %.1f kB each on average\n", stored,
              stored ? double(stored_bytes) / stored / 1e3 : 0.0);
  std::printf("peak memory (ru_maxrss): %.1f MB before the conversion, %.1f MB after\n",
              before / 1024.0, peak / 1024.0);
  return ended && stored == count ? 0 : 1;
}
