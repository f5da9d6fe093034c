#include "settings/first_start_settings.h"

#include "carddb/leading_number.h"

namespace zemlo {
namespace {

const QString kSection = QStringLiteral("BOOT");
const QString kKey = QStringLiteral("CNT");

}  // namespace

bool LoadDisclaimerAccepted(const UserStore& store) {
    return LeadingNumber(store.Get(kSection, kKey).toStdU16String()) != 0;
}

FileStatus SaveDisclaimerAccepted(UserStore& store, bool accepted) {
    return store.Save(kSection, kKey, accepted ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace zemlo
