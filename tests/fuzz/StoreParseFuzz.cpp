// Any file content: reading never fails hard, a value set afterwards reads back, and every
// line of the original file survives the rewrite.
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/KeyValueStore.h"

using korvat::platform::RegistryDocument;
using korvat::platform::StoredValue;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RegistryDocument doc = RegistryDocument::parse(text);
    const size_t lines = doc.lineCount();
    for (const char* name : {"maxmark", "playsound", "jump", "move", "bum", "appear"}) {
        const auto value = doc.value("Korvat", name);
        if (value && value->bytes.size() * 3 > size) {
            std::abort();  // every byte read needs at least two digits and a separator
        }
    }
    // The raw value is made of the input itself, so any type and length is tried.
    StoredValue raw{size > 0 ? data[0] : 0u, std::vector<uint8_t>(data, data + size % 64)};
    if (!doc.setValue("Korvat", "maxmark", StoredValue{4, {1, 2, 3, 4}}) ||
        !doc.setValue("Korvat", "raw", raw)) {
        std::abort();
    }
    const std::string rewritten = doc.text();
    const RegistryDocument again = RegistryDocument::parse(rewritten);
    const auto maxmark = again.value("korvat", "MAXMARK");
    const auto rawBack = again.value("Korvat", "raw");
    if (!maxmark || maxmark->bytes != std::vector<uint8_t>{1, 2, 3, 4} || !rawBack ||
        rawBack->bytes != raw.bytes || rawBack->type != raw.type) {
        std::abort();
    }
    // At most the key and the two values are added; nothing is dropped.
    if (again.lineCount() < lines || again.lineCount() > lines + 3) {
        std::abort();
    }
    return 0;
}
