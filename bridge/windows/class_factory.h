// The class object registered for the player's class: each creation hands
// out an application object of the followed player's current run.
#pragma once

#include "bridge/windows/helper_link.h"

#include <unknwn.h>
#include <wrl/client.h>

#include <memory>

namespace bridge::windows {

// Creation fails as when the player cannot start while no player is followed.
Microsoft::WRL::ComPtr<IClassFactory> NewClassFactory(std::shared_ptr<HelperLink> client);

}  // namespace bridge::windows
