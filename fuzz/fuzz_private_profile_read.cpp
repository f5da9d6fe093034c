// Reading settings from any file contents.
#include "fuzz_input.h"
#include "platform/private_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = zemlo::fuzz::Bytes(data, size);
    for (const auto& [section, key] :
         {std::pair{u"FORM", u"COMPACT"}, std::pair{u"OUTPUT", u"UNIT"},
          std::pair{u"BOSS", u"ICONPATH"}}) {
        const std::u16string value = zemlo::PrivateProfile::ValueIn(bytes, section, key);
        ZEMLO_FUZZ_CHECK(value.size() <= zemlo::PrivateProfile::kMaxValueLength);
    }
    return 0;
}
