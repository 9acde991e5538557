#pragma once

#include <memory>
#include <string>

#include "engine/HistogramState.h"
#include "engine/Message.h"
#include "format/Separator.h"
#include "util/SharedLibrary.h"

namespace cli {

// The picture of a histogram run as the window would show it, drawn for
// --image. The drawing needs Qt's image code and its fonts, which take longer
// to load than most runs of the tool last: it lives in a library of its own
// that the tool opens only when a picture is asked for.
class PictureDrawer {
public:
    virtual ~PictureDrawer() = default;
    // The start of a run: the picture cleared, with the axes of `kind`.
    virtual void BeginGraph(engine::HistogramKind kind, int binsEntry) = 0;
    // Draws `state` anew.
    virtual void Render(const engine::HistogramState& state, bool final, int binsEntry,
                        format::Separator separator) = 0;
    // Writes the picture (BMP, or PNG by the name); an empty text on success.
    virtual std::string Save(const std::string& fileName) const = 0;
};

// The library's one export: a new drawer that reports through `messages`.
using MakePictureDrawer = PictureDrawer* (*)(engine::MessageSink* messages);
inline constexpr const char* kMakePictureDrawer = "primorator_make_picture_drawer";
inline constexpr const char* kPictureLibrary = "libprimorator-image.so";

// A drawer with the library it came from, which it outlives.
struct LoadedPictureDrawer {
    util::SharedLibrary library;
    std::unique_ptr<PictureDrawer> drawer;
};

// Opens the picture library beside the program and makes a drawer; on
// failure an empty drawer and the reason in `error`.
LoadedPictureDrawer LoadPictureDrawer(engine::MessageSink& messages, std::string& error);

}  // namespace cli
