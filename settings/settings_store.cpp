#include "settings/settings_store.h"

namespace tess {

bool SettingsStore::WriteSetting(const std::string& section, const std::string& key, const std::string& value,
                                 WindowId owner) {
    const Status written = backend_.Set(app_, section, key, value);
    if (!written)
        windows_.ShowMessage("設定を保存できませんでした。\r\n" + written.error().message, MessageIcon::exclamation,
                             app_, owner);
    return written.ok();
}

}  // namespace tess
