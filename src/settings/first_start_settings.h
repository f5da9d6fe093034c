// The per-user store's one section, "BOOT" / "CNT": the first-start flag, which says whether
// the player accepted the disclaimer. Its keys live here and nowhere else; the start-up reads
// and sets the flag, the version dialog's hidden reset clears it.
#pragma once

#include "platform/file_io.h"
#include "platform/user_store.h"

namespace zemlo {

// True when the stored value reads as a number other than 0.
bool LoadDisclaimerAccepted(const UserStore& store);

// Stores "1" when accepted, "0" when the disclaimer is to be shown again. Fails, leaving the
// store's old file as it was, when it cannot be written.
[[nodiscard]] FileStatus SaveDisclaimerAccepted(UserStore& store, bool accepted);

}  // namespace zemlo
