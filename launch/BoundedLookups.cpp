#include "BoundedLookups.h"

#include "GameDataScan.h"
#include "SystemError.h"

namespace tarnwick {

struct BoundedLookups::Answer final : Lookup {
    Kind kind = Kind::FileExists;
    std::string path;
    bool exists = false;
    std::string bytes;
    std::bitset<IwadCatalogue.size()> iwads;

    void Run(Platform& platform) override {
        switch (kind) {
        case Kind::FileExists:
            exists = platform.FileExists(path);
            break;
        case Kind::PathExists:
            exists = platform.PathExists(path);
            break;
        case Kind::ReadFile:
            bytes = platform.ReadFile(path);
            break;
        case Kind::IwadsListed:
            iwads = CatalogueIwadsListed(platform, path);
            break;
        }
    }
};

bool BoundedLookups::OnNetwork(const std::string& path) {
    if (path.size() < 2 || path[1] != ':') return platform_.OnNetwork(path);
    char& known = drives_[static_cast<unsigned char>(path[0]) & ~0x20u];
    if (known == 0) known = platform_.OnNetwork(path) ? 2 : 1;
    return known == 2;
}

BoundedLookups::Answer BoundedLookups::Look(Kind kind, const std::string& path) {
    auto answer = std::make_unique<Answer>();
    answer->kind = kind;
    answer->path = path;
    if (!OnNetwork(path)) {
        try {
            answer->Run(platform_);
        } catch (const IoError&) {
        }
        return std::move(*answer);
    }
    if (networkLeft_.count() <= 0) return {};
    const std::unique_ptr<Lookup> back = platform_.RunFor(std::move(answer), networkLeft_);
    return back ? std::move(static_cast<Answer&>(*back)) : Answer{};
}

bool BoundedLookups::FileExists(const std::string& path) {
    return Look(Kind::FileExists, path).exists;
}

bool BoundedLookups::PathExists(const std::string& path) {
    return Look(Kind::PathExists, path).exists;
}

std::string BoundedLookups::ReadFile(const std::string& path) {
    return Look(Kind::ReadFile, path).bytes;
}

std::bitset<IwadCatalogue.size()> BoundedLookups::IwadsListed(const std::string& pattern) {
    return Look(Kind::IwadsListed, pattern).iwads;
}

} // namespace tarnwick
