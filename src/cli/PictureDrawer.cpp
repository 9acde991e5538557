#include "cli/PictureDrawer.h"

#include "util/ProgramFolder.h"

namespace cli {

LoadedPictureDrawer LoadPictureDrawer(engine::MessageSink& messages, std::string& error) {
    LoadedPictureDrawer loaded;
    const std::string path = util::ProgramFolder() + kPictureLibrary;
    std::string reason;
    if (!loaded.library.Open(path, reason)) {
        error = "Cannot load the picture library " + path + ": " + reason;
        return loaded;
    }
    const auto make =
        reinterpret_cast<MakePictureDrawer>(loaded.library.Symbol(kMakePictureDrawer));
    if (make == nullptr) {
        error = "Cannot load the picture library " + path + ": it has no " + kMakePictureDrawer;
        return loaded;
    }
    loaded.drawer.reset(make(&messages));
    return loaded;
}

}  // namespace cli
