#include "windows/picture_search.h"

#include <algorithm>
#include <system_error>

namespace kestrom {

namespace fs = std::filesystem;

namespace {

fs::path workingDirectory() {
  std::error_code ignored;
  fs::path here = fs::current_path(ignored);
  return here.empty() ? fs::path(".") : here;
}

bool isFile(const fs::path& path) {
  std::error_code ignored;
  return fs::is_regular_file(path, ignored);
}

std::string missingMessage(const std::string& fileName, const std::vector<fs::path>& folders) {
  std::string text = "Picture \"" + fileName + "\" not found. Looked in:";
  for (const fs::path& folder : folders) text += "\n" + folder.string();
  return text;
}

}  // namespace

PictureSearch PictureSearch::standard(const fs::path& installed, const fs::path& besideProgram) {
  return PictureSearch({Place{}, Place{installed}, Place{besideProgram}});
}

std::vector<fs::path> PictureSearch::folders() const {
  std::vector<fs::path> all;
  for (const Place& p : places_) {
    fs::path folder = p.folder.empty() ? workingDirectory() : p.folder;
    if (std::find(all.begin(), all.end(), folder) == all.end()) all.push_back(folder);
  }
  return all;
}

PictureSearch::Found PictureSearch::find(const std::string& fileName) const {
  const std::vector<fs::path> all = folders();
  // A name with a folder in it, or none at all, names no picture of the window.
  if (fileName.empty() || fs::path(fileName).has_parent_path()) {
    return {{}, missingMessage(fileName, all)};
  }
  for (const fs::path& folder : all) {
    fs::path candidate = folder / fileName;
    if (isFile(candidate)) return {candidate, {}};
  }
  return {{}, missingMessage(fileName, all)};
}

}  // namespace kestrom
