#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kestrom {

// Where the telescope pictures are looked for, in order: first by name from the
// working directory, then in the folder the package installs them to, then beside
// the program. A file found nowhere gets a message in plain words that names it and
// every place it was looked for.
class PictureSearch {
 public:
  // A folder to look in; an empty folder stands for the working directory as it is
  // at the moment of the search.
  struct Place {
    std::filesystem::path folder;
  };
  struct Found {
    std::filesystem::path path;  // empty when the file is nowhere
    std::string missing;         // the message for a file found nowhere
    bool found() const { return !path.empty(); }
  };

  PictureSearch() = default;  // the working directory alone
  explicit PictureSearch(std::vector<Place> places) : places_(std::move(places)) {}

  // The usual places: the working directory, `installed`, then `besideProgram`.
  static PictureSearch standard(const std::filesystem::path& installed,
                                const std::filesystem::path& besideProgram);

  Found find(const std::string& fileName) const;
  // The folders in search order, the working directory as it is now.
  std::vector<std::filesystem::path> folders() const;

 private:
  std::vector<Place> places_{Place{}};
};

}  // namespace kestrom
