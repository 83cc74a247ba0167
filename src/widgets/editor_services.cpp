#include "widgets/editor_services.h"

#include "core/errors.h"
#include "core/user_prompt.h"
#include "game/export_preview.h"
#include "widgets/record_document.h"

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

bool confirmExport(EditorServices& services, std::optional<kvr::Editor> editor)
{
    if (!(editor ? services.previewEditorExport : services.previewAllData))
        return true;
    std::vector<std::string> lines;
    for (const kvr::ValueChange& change : kvr::exportChanges(services.context, services.document.record(), editor))
        lines.push_back(change.line());
    const std::string text = lines.empty() ? "Nothing to change: the game holds these values already."
                                           : "These values will change in the game:";
    return services.prompt.confirmList(text, lines, "Export");
}

} // namespace kvrgui
