#include "settings/collection_settings.h"

#include "settings/library_settings.h"

namespace zemlo {

constexpr SettingKey kFile{u"COLLECTION", u"FILE"};
constexpr SettingKey kShow{u"COLLECTION", u"SHOW"};

CollectionSettings LoadCollectionSettings(const SettingsStore& store) {
    return CollectionSettings{store.ReadSetting(kFile), store.ReadSetting(kShow) == u"1"};
}

CollectionFileSave SaveCollectionFile(SettingsStore& store, std::u16string_view file) {
    if (!SettingsCanHold(file)) return CollectionFileSave::CannotHold;
    return store.WriteSetting(kFile, file) ? CollectionFileSave::Saved : CollectionFileSave::Failed;
}

bool SaveCollectionShow(SettingsStore& store, bool show) {
    return store.WriteSetting(kShow, show ? u"1" : u"0");
}

}  // namespace zemlo
