#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Where template files and their artwork come from, by their names relative
// to the templates folder: "itr1-2010-11.xml", "artwork/emblem.png".
class ResourceStore {
  public:
    virtual ~ResourceStore() = default;

    // The bytes of a file, or none when the store has no such file.
    virtual std::optional<std::string_view> Find(std::string_view name) const = 0;
};

// The files of the templates folder, compiled into the program.
const ResourceStore& EmbeddedResources();

// The files of a directory, each read once when first asked for. Used by
// tests and tools that work on templates outside the program.
class DirectoryResources : public ResourceStore {
  public:
    explicit DirectoryResources(std::filesystem::path directory);

    std::optional<std::string_view> Find(std::string_view name) const override;

  private:
    std::filesystem::path directory_;
    mutable std::mutex mutex_;
    mutable std::map<std::string, std::unique_ptr<const std::string>, std::less<>> files_;
};

}  // namespace orvane
