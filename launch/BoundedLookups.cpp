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

std::unique_ptr<BoundedLookups::Answer> BoundedLookups::Look(Kind kind, const std::string& path) {
    auto answer = std::make_unique<Answer>();
    answer->kind = kind;
    answer->path = path;
    if (!OnNetwork(path)) {
        try {
            answer->Run(platform_);
        } catch (const IoError&) {
            return nullptr;
        }
        return answer;
    }
    if (networkLeft_.count() <= 0) return nullptr;
    std::unique_ptr<Lookup> back = platform_.RunFor(std::move(answer), networkLeft_);
    return std::unique_ptr<Answer>(static_cast<Answer*>(back.release()));
}

bool BoundedLookups::FileExists(const std::string& path) {
    const std::unique_ptr<Answer> answer = Look(Kind::FileExists, path);
    return answer && answer->exists;
}

bool BoundedLookups::PathExists(const std::string& path) {
    const std::unique_ptr<Answer> answer = Look(Kind::PathExists, path);
    return answer && answer->exists;
}

std::string BoundedLookups::ReadFile(const std::string& path) {
    const std::unique_ptr<Answer> answer = Look(Kind::ReadFile, path);
    return answer ? std::move(answer->bytes) : std::string();
}

std::bitset<IwadCatalogue.size()> BoundedLookups::IwadsListed(const std::string& pattern) {
    const std::unique_ptr<Answer> answer = Look(Kind::IwadsListed, pattern);
    return answer ? answer->iwads : std::bitset<IwadCatalogue.size()>();
}

} // namespace tarnwick
