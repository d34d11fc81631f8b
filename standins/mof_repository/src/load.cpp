#include "mofrepo/load.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "parser.h"
#include "text.h"

namespace mofrepo {

namespace {

LoadResult failure(std::string message) {
  LoadResult result;
  result.error = std::move(message);
  return result;
}

}  // namespace

LoadResult parseRepository(std::string_view text, std::string_view sourceName) {
  // mofcomp reads UTF-16 files that start with a byte order mark, and so do we.
  std::optional<std::string> converted;
  if (text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF") {
    converted = detail::utf16BytesToUtf8(text.substr(2), text[0] == '\xFE');
    if (!converted) return failure(std::string(sourceName) + ":1: the file is not valid UTF-16");
    text = *converted;
  } else if (text.substr(0, 3) == "\xEF\xBB\xBF") {
    text.remove_prefix(3);
  }
  return detail::RepositoryParser(text, sourceName).run();
}

LoadResult loadRepositoryFile(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    LoadResult empty;
    empty.ok = true;
    return empty;
  }
  if (error) return failure(path + ": cannot be read (" + error.message() + ")");
  if (status.type() == std::filesystem::file_type::directory) {
    return failure(path + ": is a directory, not a file");
  }

  std::ifstream file(path, std::ios::binary);
  if (!file) return failure(path + ": cannot be opened");
  std::string text;
  char buffer[4096];
  while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(file.gcount()));
    if (text.size() > kMaxRepositoryFileSize) {
      return failure(path + ": is larger than " + std::to_string(kMaxRepositoryFileSize) +
                     " bytes");
    }
  }
  if (file.bad()) return failure(path + ": cannot be read");
  return parseRepository(text, path);
}

}  // namespace mofrepo
