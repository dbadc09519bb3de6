// Which profile service the settings routines use.
#include "app/U_Rock1Profile.h"

namespace quellar {

namespace {

IProfileService* gOverride = nullptr;

IProfileService& DefaultProfileService() {
#ifdef _WIN32
    static const std::unique_ptr<IProfileService> service = MakeWin32ProfileService();
#else
    static const std::unique_ptr<IProfileService> service = MakeFileProfileService();
#endif
    return *service;
}

} // namespace

IProfileService& ProfileService() {
    return gOverride ? *gOverride : DefaultProfileService();
}

ProfileServiceOverride::ProfileServiceOverride(IProfileService& service) : previous_(gOverride) {
    gOverride = &service;
}

ProfileServiceOverride::~ProfileServiceOverride() {
    gOverride = previous_;
}

} // namespace quellar
