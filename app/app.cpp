#include "app/app.h"

namespace tess {

void App::Store(const std::string& key, const std::string& value, WindowId owner) {
    if (auto written = settings.Write(key, value); !written)
        windows().ShowMessage("設定を保存できませんでした。\r\n" + written.error().message, MessageIcon::exclamation,
                              kAppTitle, owner);
}

}  // namespace tess
