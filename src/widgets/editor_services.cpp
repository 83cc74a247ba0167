#include "widgets/editor_services.h"

#include "core/errors.h"
#include "core/user_prompt.h"

namespace kvrgui {

void runGuarded(EditorServices& services, const std::function<void()>& action)
{
    try {
        action();
    } catch (const kvr::FileAccessError& e) {
        services.fatal(e);
    } catch (const kvr::GeneralError& e) {
        services.prompt.warn(e.what());
    }
}

} // namespace kvrgui
