// The description reader with the model: any bytes as a decompressed skin package (the decoder
// has its own target), loaded the way the program loads a skin: the first ".ini" member is the
// description and every image key names a member of the same package. A recipe input (see
// ExpandRecipe.h) stands for a package of millions of names, sections or pixels; the run's
// -timeout and -rss_limit_mb catch a load that hangs or blows up.
#include "fuzz/ExpandRecipe.h"
#include "skin/model/SkinDescription.h"
#include "skin/model/SkinMessage.h"
#include "skin/model/WinSkinData.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        quellar::SetSkinMessageProc([](const std::string&) {});
        return true;
    }();
    (void)quiet;
    const std::vector<std::uint8_t> package = quellar::fuzz::ExpandRecipe(std::span(data, size));
    // One component for every run: each load rebuilds the whole model, as a skin change does.
    static quellar::TSkinData skin(nullptr);
    std::vector<std::string> warnings;
    const bool loaded = skin.LoadSkinPackage(package, &warnings);
    // A load either builds the whole model or says why it did not; never more pixels than the
    // skin's bound.
    if (loaded != skin.SkinLoaded() || (!loaded && skin.LoadStats().Failure.empty()) ||
        (loaded && skin.Model().SysButtons.size() < 3) ||
        skin.LoadStats().PixelsDecoded > quellar::MaxSkinPixels) {
        std::abort();
    }
    return 0;
}
