// Which platform the speaker routines use.
#include "app/U_Rock1Platform.h"

namespace quellar {

namespace {

ISpeakerPlatform* gOverride = nullptr;

} // namespace

ISpeakerPlatform& SpeakerPlatform() {
    return gOverride ? *gOverride : DefaultSpeakerPlatform();
}

SpeakerPlatformOverride::SpeakerPlatformOverride(ISpeakerPlatform& platform) : previous_(gOverride) {
    gOverride = &platform;
}

SpeakerPlatformOverride::~SpeakerPlatformOverride() {
    gOverride = previous_;
}

} // namespace quellar
