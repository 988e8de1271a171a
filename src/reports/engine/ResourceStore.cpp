#include "reports/engine/ResourceStore.h"

#include <fstream>
#include <iterator>

#include "reports/engine/EmbeddedResourceTable.h"

namespace orvane {
namespace {

class Embedded : public ResourceStore {
  public:
    std::optional<std::string_view> Find(std::string_view name) const override {
        for (const EmbeddedResource& resource : EmbeddedResourceTable()) {
            if (resource.name == name) return resource.bytes;
        }
        return std::nullopt;
    }
};

}  // namespace

const ResourceStore& EmbeddedResources() {
    static const Embedded store;
    return store;
}

DirectoryResources::DirectoryResources(std::filesystem::path directory)
    : directory_(std::move(directory)) {}

std::optional<std::string_view> DirectoryResources::Find(std::string_view name) const {
    const std::lock_guard lock(mutex_);
    if (const auto found = files_.find(name); found != files_.end()) return *found->second;
    std::ifstream in(directory_ / std::filesystem::path(name), std::ios::binary);
    if (!in) return std::nullopt;
    auto bytes = std::make_unique<const std::string>(std::istreambuf_iterator<char>(in),
                                                     std::istreambuf_iterator<char>());
    const std::string_view view = *bytes;
    files_.emplace(std::string(name), std::move(bytes));
    return view;
}

}  // namespace orvane
